#include "app/FirstPaintProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>

bool FirstPaintProbe::Requested() {
    return qEnvironmentVariableIsSet("BABYNAME_EXIT_AFTER_FIRST_PAINT");
}

bool FirstPaintProbe::eventFilter(QObject* watched, QEvent* event) {
    if (!m_done && event->type() == QEvent::Paint) {
        m_done = true;
        std::printf("first paint after %.1f ms\n", double(m_sinceStart.nsecsElapsed()) / 1e6);
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return QObject::eventFilter(watched, event);
}
