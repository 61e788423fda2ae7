// Run by the package check against an unpacked package: the window program's session, built
// exactly as main() builds it, finds its read-only files in the unpacked tree and writes every
// file of its own in the user's home.
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QTest>

#include "app/MainWindow.h"
#include "app/ProgramSession.h"
#include "generation/ui/HighScorePage.h"
#include "generation/ui/ModeSelectionPage.h"
#include "generation/ui/NamingController.h"
#include "widgets/MessageBoxes.h"
#include "widgets/WrittenFileNotice.h"

class InstalledTreeTest : public QObject {
    Q_OBJECT

  private slots:
    void highScoreExportLandsInTheHome() {
        const QString bin = qEnvironmentVariable("BABYNAME_INSTALLED_BIN");
        QVERIFY2(QFileInfo(bin).isDir(), "BABYNAME_INSTALLED_BIN names the unpacked usr/bin");
        QCoreApplication::setApplicationName(QStringLiteral("babyname"));
        widgets::MessageBoxes::RecordInto(&m_messages);

        const ProgramFolders folders = ProgramFolders::ForUser(bin.toStdU16String());
        const QString home = QDir::homePath();
        QVERIFY(QString::fromStdU16String(folders.pages.u16string()).startsWith(home));
        QVERIFY(QString::fromStdU16String(folders.exports.u16string()).startsWith(home));
        QCOMPARE(QDir::cleanPath(QString::fromStdU16String(folders.readOnly.u16string())),
                 QDir::cleanPath(bin + QStringLiteral("/../share/babyname")));

        ProgramSession session(folders);
        MainWindow window(session);
        QStringList opened;
        widgets::WrittenFileNotice::SetOpener([&opened](const QString& path) {
            opened << path;
            return true;
        });
        window.StartUp();
        QTRY_VERIFY_WITH_TIMEOUT(session.HasLoaded(), 20000);
        QVERIFY2(session.database(), "the unpacked name database loads");

        window.modeSelectionPage()->surname()->setText(QStringLiteral("李"));
        window.modeSelectionPage()->nameLength()->setCurrentIndex(1);  // two characters
        window.modeSelectionPage()->modeButtons()[1]->click();         // 高分
        window.modeSelectionPage()->startButton()->click();
        generation_ui::HighScorePage* page = window.highScorePage();
        QTRY_VERIFY_WITH_TIMEOUT(page->exportButton()->isEnabled(), 20000);
        QVERIFY(page->list()->model()->rowCount() > 0);
        page->exportButton()->click();

        const QString exported =
            QDir(QString::fromStdU16String(folders.exports.u16string())).filePath("NameList.txt");
        QVERIFY2(QFileInfo(exported).size() > 0, qPrintable(exported));
        QCOMPARE(opened, QStringList{exported});
        const auto* notice = window.statusBar()->findChild<QLabel*>(QStringLiteral("已写文件提示"));
        QVERIFY(notice && notice->text().contains(QDir::toNativeSeparators(exported)));
        QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.value(0).join(' ')));
    }

  private:
    QList<QStringList> m_messages;
};

QTEST_MAIN(InstalledTreeTest)
#include "InstalledTreeTest.moc"
