#include "app/FirstPaintProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>

bool FirstPaintProbe::Requested() {
    return qEnvironmentVariableIsSet("BABYNAME_EXIT_AFTER_FIRST_PAINT");
}

bool FirstPaintProbe::eventFilter(QObject* watched, QEvent* event) {
    if (!m_done && event->type() == QEvent::Paint) {
        m_done = true;
        // The moment itself on the steady clock too, so a script that noted the clock before it
        // launched the process can time the whole start, loading of the libraries included,
        // without counting the exit that follows.
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("first paint after %.1f ms, at %lld ns on the steady clock\n",
                    double(m_sinceStart.nsecsElapsed()) / 1e6,
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return QObject::eventFilter(watched, event);
}
