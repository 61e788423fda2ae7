#include <QApplication>
#include <QFont>

#include "app/MainWindow.h"
#include "app/ProgramSession.h"
#include "app/SettingsKeeper.h"
#include "app/SingleInstanceGuard.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("babyname"));
    // A second copy of the program ends at once and shows nothing; the first keeps running.
    SingleInstanceGuard guard;
    if (!guard.TryAcquire()) return 0;

    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), font.family()});
    QApplication::setFont(font);

    ProgramSession session(QCoreApplication::applicationDirPath().toStdU16String(), {},
                           SettingsKeeper::DefaultFile());
    MainWindow window(session);
    window.StartUp();
    return application.exec();
}
