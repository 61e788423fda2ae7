// The program as a test starts it: the real session, main window and settings file of the user
// (XDG_CONFIG_HOME points it at the test's folder), without the name database.
//   records_child add   adds one record, says "added" and runs until it is killed
//   records_child list  prints the records it finds at start-up, one per line, and ends
#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "app/MainWindow.h"
#include "app/ProgramSession.h"
#include "app/RecordsPage.h"
#include "app/SettingsKeeper.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("babyname"));
    ProgramSession session(
        QCoreApplication::applicationDirPath().toStdU16String(),
        [](SqliteDatabase&, LoadFailureSink&) { return true; }, SettingsKeeper::DefaultFile());
    MainWindow window(session);
    window.StartUp();

    const QString command = application.arguments().value(1);
    if (command == QLatin1String("add")) {
        window.recordsPage()->AddRecord(
            QStringLiteral("欧阳"), QStringLiteral("修"),
            {"7", QStringLiteral("欧阳修"), "23", "27", QStringLiteral("土土金"), "19,27,20,35,8",
             QStringLiteral("水金水"), "88"});
        std::puts("added");
        std::fflush(stdout);
        return application.exec();
    }
    for (const QStringList& record : window.recordsPage()->Records()) {
        QString line = record.join(QLatin1Char('\t'));
        line.replace(QLatin1String("\r\n"), QLatin1String("\\r\\n"));
        std::puts(line.toUtf8().constData());
    }
    return 0;
}
