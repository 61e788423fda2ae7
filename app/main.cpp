#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QIcon>

#include "app/FirstPaintProbe.h"
#include "app/MainWindow.h"
#include "app/ProgramSession.h"
#include "app/QtTranslations.h"
#include "app/QuitRequests.h"
#include "app/SettingsKeeper.h"
#include "app/SingleInstanceGuard.h"

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("babyname"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.babyname.BabyName"));
    QIcon icon;
    for (int size : {32, 64, 256})
        icon.addFile(QStringLiteral(":/icons/babyname-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    // Before the lock is taken: a program that holds it can be asked to end.
    MainWindow* shown = nullptr;
    QuitRequests quitRequests([&shown] {
        if (shown)
            shown->close();
        else
            QApplication::quit();
    });
    // A second copy of the program ends at once and shows nothing; the first keeps running.
    SingleInstanceGuard guard;
    if (!guard.TryAcquire()) return 0;

    InstallChineseQtTexts(application);
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), font.family()});
    QApplication::setFont(font);

    ProgramSession session(
        ProgramFolders::ForUser(QCoreApplication::applicationDirPath().toStdU16String()), {},
        SettingsKeeper::DefaultFile());
    MainWindow window(session);
    shown = &window;
    FirstPaintProbe probe(sinceStart);
    if (FirstPaintProbe::Requested()) window.installEventFilter(&probe);
    window.StartUp();
    return application.exec();
}
