#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/MainWindow.h"
#include "app/ProgramSession.h"
#include "app/RecordsPage.h"
#include "generation/ui/CombinationPage.h"
#include "generation/ui/EnglishNamePage.h"
#include "generation/ui/HighScorePage.h"
#include "generation/ui/ModeSelectionPage.h"
#include "generation/ui/SuperLuckyPage.h"
#include "numerology/ui/ScorePage.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

using widgets::MessageBoxes::Icon;

namespace {

bool NoDatabase(SqliteDatabase&, LoadFailureSink&) { return true; }

// A result row as a generator list shows it, the surname glued to the given name.
QStringList SourceRow(const QString& fullName, const QString& score = QStringLiteral("95")) {
    return {
        "1",  fullName, "11", "12", QStringLiteral("木火"), "1,2,3,4,5", QStringLiteral("金水木"),
        score};
}

// The records of a row list as the list shows them: number and name with its line break.
QStringList NumbersAndNames(const RecordsPage* page) {
    QStringList cells;
    for (const QStringList& row : page->list()->model()->Rows()) cells << row[0] + ' ' + row[1];
    return cells;
}

QByteArray Gbk(const QString& text) { return QByteArray::fromStdString(widgets::ToGbk(text)); }

// A program start and exit with the settings file of the test.
struct Run {
    Run(const QString& settingsFile)
        : session(".", NoDatabase, settingsFile.toStdU16String()), window(session) {
        window.StartUp();
    }
    ProgramSession session;
    MainWindow window;
};

}  // namespace

class RecordsPageTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_messages.clear();
        widgets::MessageBoxes::RecordInto(&m_messages);
        m_config = std::make_unique<QTemporaryDir>();
        m_settingsFile = m_config->filePath(QStringLiteral("babyname/settings.ini"));
    }

    void sameNameOpenedTwiceGivesOneRecord() {
        RecordsPage page;
        QSignalSpy changed(&page, &RecordsPage::recordsChanged);
        QVERIFY(page.AddRecord(QStringLiteral("李"), QStringLiteral("月光"),
                               SourceRow(QStringLiteral("李月光"))));
        QVERIFY(!page.AddRecord(QStringLiteral("李"), QStringLiteral("月光"),
                                SourceRow(QStringLiteral("李月光"), "60")));
        QVERIFY(page.AddRecord(QStringLiteral("李月"), QStringLiteral("光"),
                               SourceRow(QStringLiteral("李月光"))));
        QCOMPARE(changed.count(), 2);
        QCOMPARE(page.list()->model()->Row(0),
                 (QStringList{"1", QStringLiteral("李\r\n月光"), "11", "12", QStringLiteral("木火"),
                              "1,2,3,4,5", QStringLiteral("金水木"), "95"}));
        QCOMPARE(NumbersAndNames(&page),
                 (QStringList{QStringLiteral("1 李\r\n月光"), QStringLiteral("2 李月\r\n光")}));
    }

    // A right click shows "记录列表菜单" at the mouse; its one item deletes the row clicked.
    void deletingTheMiddleOfThreeRenumbers() {
        RecordsPage page;
        page.resize(600, 400);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        for (const char* given : {"一", "二", "三"})
            page.AddRecord(QStringLiteral("王"), QString::fromUtf8(given), SourceRow("x"));
        page.DeleteSelectedRecord();  // nothing selected: nothing happens
        QCOMPARE(page.list()->model()->rowCount(), 3);

        QWidget* viewport = page.list()->viewport();
        const QPoint middle = page.list()->visualRect(page.list()->model()->index(1, 1)).center();
        // Below the rows there is no record to act on: no menu opens.
        QTest::mouseClick(viewport, Qt::LeftButton, {},
                          page.list()->visualRect(page.list()->model()->index(0, 1)).center());
        const QPoint below(middle.x(), viewport->height() - 5);
        QContextMenuEvent belowRows(QContextMenuEvent::Mouse, below, viewport->mapToGlobal(below));
        QApplication::sendEvent(viewport, &belowRows);
        QVERIFY(!page.recordMenu()->isVisible());

        // The menu acts on the row under the mouse, not on the one selected before.
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, middle,
                                     viewport->mapToGlobal(middle));
        QApplication::sendEvent(viewport, &rightClick);
        QTRY_VERIFY(page.recordMenu()->isVisible());
        QCOMPARE(page.recordMenu()->objectName(), QStringLiteral("记录列表菜单"));
        QCOMPARE(page.recordMenu()->pos(), viewport->mapToGlobal(middle));
        QCOMPARE(page.recordMenu()->actions(), QList<QAction*>{page.deleteAction()});
        QCOMPARE(page.deleteAction()->text(), QStringLiteral("删除记录"));

        QSignalSpy changed(&page, &RecordsPage::recordsChanged);
        page.deleteAction()->trigger();
        page.recordMenu()->close();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(NumbersAndNames(&page),
                 (QStringList{QStringLiteral("1 王\r\n一"), QStringLiteral("2 王\r\n三")}));
    }

    void doubleClickOpensTheReportWithoutARecord() {
        RecordsPage page;
        page.resize(600, 400);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.AddRecord(QStringLiteral("欧阳"), QStringLiteral("修"), SourceRow("x"));
        QSignalSpy opened(&page, &RecordsPage::detailRequested);
        QSignalSpy changed(&page, &RecordsPage::recordsChanged);
        QWidget* viewport = page.list()->viewport();
        // A double click is a press, a release and the double-click event, as a mouse sends it.
        auto doubleClick = [viewport](QPoint at) {
            QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
            QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
        };
        doubleClick(QPoint(20, viewport->height() - 5));
        QCOMPARE(opened.count(), 0);  // the empty area below the rows
        doubleClick(page.list()->visualRect(page.list()->model()->index(0, 1)).center());
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened[0], (QList<QVariant>{QStringLiteral("欧阳"), QStringLiteral("修"),
                                             QStringLiteral("欧阳\r\n修")}));
        QCOMPARE(page.list()->model()->rowCount(), 1);
        QCOMPARE(changed.count(), 0);
    }

    // A parent types 李, picks 二字, quits and starts again: all is as it was, the records too.
    void settingsAndRecordsSurviveARestart() {
        QRect leftAt;
        std::vector<QStringList> records;
        for (int i = 0; i < 2000; ++i)
            records.push_back({QStringLiteral("李\r\n") + QString::number(i), QString::number(i),
                               "12", QStringLiteral("木火"), "1,2,3,4,5", QStringLiteral("金水木"),
                               "95"});
        {
            Run first(m_settingsFile);
            generation_ui::ModeSelectionPage* page = first.window.modeSelectionPage();
            QCOMPARE(page->surname()->text(), QString());
            QCOMPARE(page->nameLength()->currentText(), QStringLiteral("一字"));
            page->surname()->setText(QStringLiteral("李"));
            page->sex()->setCurrentIndex(1);
            page->nameLength()->setCurrentIndex(1);
            first.window.combinationPage()->characters()->setText(QStringLiteral("春 夏;秋|冬"));
            first.window.englishNamePage()->givenName()->setText(QStringLiteral(" Tom "));
            first.window.scorePage()->givenName()->setText(QStringLiteral("小明"));
            first.window.highScorePage()->commonOnly()->setChecked(true);
            first.window.setGeometry(QRect(40, 30, 1100, 720));
            leftAt = first.window.geometry();
            // 超吉: the whole-name groups, 必带 木 水 and 不能带 火.
            generation_ui::SuperLuckyPage* superLucky = first.window.superLuckyPage();
            superLucky->master(generation_ui::SuperLuckyPage::MustHave)->click();
            superLucky->elements(generation_ui::SuperLuckyPage::MustHave)[1]->click();
            superLucky->elements(generation_ui::SuperLuckyPage::MustHave)[2]->click();
            superLucky->master(generation_ui::SuperLuckyPage::MustNot)->click();
            superLucky->elements(generation_ui::SuperLuckyPage::MustNot)[3]->click();
            first.window.recordsPage()->SetRecords(records);
            for (const auto& [surname, given] :
                 {std::pair{QStringLiteral("欧阳"), QStringLiteral("修")},
                  std::pair{QStringLiteral("王 ;"), QStringLiteral("小|明 %")}}) {
                first.window.recordsPage()->AddRecord(surname, given, SourceRow("x", "1;2|3 4"));
                records.push_back(first.window.recordsPage()->Records().back());
            }
            first.window.exitAction()->trigger();
        }
        QVERIFY(m_messages.isEmpty());

        // The file holds GBK bytes.
        QFile file(m_settingsFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(
            bytes.startsWith(Gbk(QStringLiteral("[设置]\r\n姓氏=李\r\n性别=1\r\n名字个数=1\r\n"))));
        QVERIFY(
            bytes.contains(Gbk(QStringLiteral("|欧阳 修;11;12;木火;1,2,3,4,5;金水木;1;2|3 4|"))));

        Run second(m_settingsFile);
        generation_ui::ModeSelectionPage* page = second.window.modeSelectionPage();
        QCOMPARE(page->surname()->text(), QStringLiteral("李"));
        QCOMPARE(page->sex()->currentText(), QStringLiteral("女"));
        QCOMPARE(page->nameLength()->currentText(), QStringLiteral("二字"));
        QCOMPARE(second.window.combinationPage()->characters()->text(),
                 QStringLiteral("春 夏;秋|冬"));
        QCOMPARE(second.window.englishNamePage()->givenName()->text(), QStringLiteral(" Tom "));
        QCOMPARE(second.window.scorePage()->givenName()->text(), QStringLiteral("小明"));
        QVERIFY(second.window.highScorePage()->commonOnly()->isChecked());
        QCOMPARE(second.window.geometry(), leftAt);
        QVERIFY(leftAt.width() == 1100 && leftAt.height() == 720);
        QVERIFY(!second.window.superLuckyPage()->commonOnly()->isChecked());
        const SuperLuckyFilters filters = second.window.superLuckyPage()->Filters();
        QVERIFY(!filters.secondCharacter.checked && !filters.thirdCharacter.checked);
        QVERIFY(filters.mustHave.checked && filters.mustNot.checked);
        QCOMPARE(widgets::FromGbk(filters.mustHave.elements), QStringLiteral("木水"));
        QCOMPARE(widgets::FromGbk(filters.mustNot.elements), QStringLiteral("火"));
        // The boxes' own rules hold after the restart: the position groups stay shut out.
        QVERIFY(!second.window.superLuckyPage()
                     ->master(generation_ui::SuperLuckyPage::SecondCharacter)
                     ->isEnabled());
        QVERIFY(second.window.superLuckyPage()
                    ->elements(generation_ui::SuperLuckyPage::MustNot)[3]
                    ->isEnabled());
        QCOMPARE(second.window.recordsPage()->Records(), records);
        QCOMPARE(second.window.recordsPage()->list()->model()->Row(2001)[0],
                 QStringLiteral("2002"));
    }

    void storedFileAtStartUp_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("surname");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("nameLength");
        QTest::addColumn<QStringList>("records");  // number and name of each row
        QTest::addColumn<QStringList>("lastRow");

        const QString plainTwo = QStringLiteral(
            "[设置]\r\n姓氏=欧阳\r\n性别=-1\r\n名字个数=-1\r\n"
            "名字记录=欧阳 修;23;27;土土金;19,27,20,35,8;水金水;88|张 三;1;2|\r\n");
        QTest::addRow("-1 selects 女 and 一字; a group of three fields fills columns 1-3")
            << Gbk(plainTwo) << QStringLiteral("欧阳") << QStringLiteral("女")
            << QStringLiteral("一字")
            << QStringList{QStringLiteral("1 欧阳\r\n修"), QStringLiteral("2 张\r\n三")}
            << QStringList{"2", QStringLiteral("张\r\n三"), "1", "2", "", "", "", ""};
        QTest::addRow("cut in the middle of a record")
            << Gbk(plainTwo.left(plainTwo.indexOf(QStringLiteral("张 三")) + 5))
            << QStringLiteral("欧阳") << QStringLiteral("女") << QStringLiteral("一字")
            << QStringList{QStringLiteral("1 欧阳\r\n修"), QStringLiteral("2 张\r\n三")}
            << QStringList{"2", QStringLiteral("张\r\n三"), "1", "", "", "", "", ""};
        const QStringList none;
        QTest::addRow("empty") << QByteArray() << QString() << QStringLiteral("男")
                               << QStringLiteral("一字") << none << none;
        QTest::addRow("UTF-8 instead of GBK")
            << plainTwo.toUtf8() << QString() << QStringLiteral("男") << QStringLiteral("一字")
            << none << none;
        QByteArray noise(64 * 1024, Qt::Uninitialized);
        QRandomGenerator random(12);
        for (char& byte : noise) byte = char(random.generate());
        QTest::addRow("random bytes")
            << noise << QString() << QStringLiteral("男") << QStringLiteral("一字") << none << none;
        QTest::addRow("bytes that are no GBK character in a value")
            << QByteArray("[\xC9\xE8\xD6\xC3]\r\n\xD0\xD5\xCA\xCF=\xC0\xEE\xFF\r\n")
            << QStringLiteral("李?") << QStringLiteral("男") << QStringLiteral("一字") << none
            << none;
    }
    void storedFileAtStartUp() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, surname);
        QFETCH(QString, sex);
        QFETCH(QString, nameLength);
        QFETCH(QStringList, records);
        QFETCH(QStringList, lastRow);
        QVERIFY(QDir().mkpath(QFileInfo(m_settingsFile).path()));
        QFile file(m_settingsFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();

        Run run(m_settingsFile);
        const generation_ui::ModeSelectionPage* page = run.window.modeSelectionPage();
        QCOMPARE(page->surname()->text(), surname);
        QCOMPARE(page->sex()->currentText(), sex);
        QCOMPARE(page->nameLength()->currentText(), nameLength);
        QCOMPARE(NumbersAndNames(run.window.recordsPage()), records);
        if (!lastRow.isEmpty())
            QCOMPARE(run.window.recordsPage()->list()->model()->Rows().back(), lastRow);
        QVERIFY(m_messages.isEmpty());
    }

    // A file with the escaped record key twice keeps its records over three starts and exits.
    void repeatedRecordKeysOverThreeStarts() {
        QVERIFY(QDir().mkpath(QFileInfo(m_settingsFile).path()));
        const QString plain = QStringLiteral("李 白;11;12;木火;1,2,3,4,5;金水木;95|");
        {
            QFile file(m_settingsFile);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(Gbk(
                QStringLiteral("[设置]\r\n名字记录=") + plain +
                QStringLiteral("\r\n名字记录原文=李%0D%0A白;11;12;木火;1,2,3,4,5;金水木;95|") +
                QStringLiteral("\r\n名字记录原文=李%20白;11;12;木火;1,2,3,4,5;金水木;95|\r\n")));
        }
        for (int start = 1; start <= 3; ++start) {
            Run run(m_settingsFile);
            QCOMPARE(NumbersAndNames(run.window.recordsPage()),
                     QStringList{QStringLiteral("1 李\r\n白")});
            run.window.exitAction()->trigger();
        }
        QVERIFY(m_messages.isEmpty());
    }

    // A 50 MB record field is left out when the file is read, with a note; the page shows the
    // other records and paints at once, and the next save no longer holds the field.
    void hugeRecordFieldIsLeftOutWithANote() {
        QVERIFY(QDir().mkpath(QFileInfo(m_settingsFile).path()));
        {
            QFile file(m_settingsFile);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(
                Gbk(QStringLiteral("[设置]\r\n名字记录=李 白;11;12;木火;1,2,3,4,5;金水木;95|张 ")));
            file.write(QByteArray(50 * 1024 * 1024, 'x'));
            file.write(Gbk(QStringLiteral(";1;2|王 五;1;2|\r\n")));
        }
        {
            Run run(m_settingsFile);
            QCOMPARE(NumbersAndNames(run.window.recordsPage()),
                     (QStringList{QStringLiteral("1 李\r\n白"), QStringLiteral("2 王\r\n五")}));
            QCOMPARE(m_messages.size(), 1);
            QVERIFY(m_messages[0].value(0).contains(QStringLiteral("1 条名字记录已损坏")));
            run.window.pages()->setCurrentWidget(run.window.recordsPage());
            QVERIFY(!run.window.recordsPage()->grab().isNull());
            run.window.exitAction()->trigger();
        }
        QVERIFY(QFileInfo(m_settingsFile).size() < 4096);
    }

    // A start clears what killed runs left behind, and only that: temporary files of saves and
    // working folders of processes that no longer run.
    void leftoversOfKilledRunsAreCleared() {
        const pid_t dead = fork();
        if (dead == 0) _exit(0);
        QVERIFY(dead > 0);
        QCOMPARE(waitpid(dead, nullptr, 0), dead);
        const QString deadPid = QString::number(dead);
        const QString ownPid = QString::number(QCoreApplication::applicationPid());

        QTemporaryDir temp;
        const QByteArray oldTemp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        const QDir config = QFileInfo(m_settingsFile).dir();
        QVERIFY(config.mkpath("."));
        auto make = [](const QString& path, const QByteArray& bytes = QByteArray(1024, 'x')) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        };
        const QString deadSave = ".settings.ini." + deadPid + "-0-123.tmp";
        const QStringList keptFiles = {".settings.ini." + ownPid + "-0-1.tmp",
                                       ".settings.ini.1-0-1.tmp", ".settings.ini.x-0-1.tmp",
                                       "other.tmp"};
        QVERIFY(make(config.filePath(deadSave)));
        for (const QString& name : keptFiles) QVERIFY(make(config.filePath(name)));

        const QDir tempDir(temp.path());
        const QString deadFolder = "babyname-" + deadPid + "-abcdef";
        QVERIFY(tempDir.mkpath(deadFolder + "/inner"));
        QVERIFY(make(tempDir.filePath(deadFolder + "/sound1.mp3")));
        QVERIFY(tempDir.mkpath("babyname-Qw3rTy"));  // empty, from a version without the number
        QVERIFY(tempDir.mkpath("babyname-Kept12"));
        QVERIFY(make(tempDir.filePath("babyname-Kept12/sound1.mp3")));
        QVERIFY(tempDir.mkpath("babyname-" + ownPid + "-zzzzzz"));
        QVERIFY(tempDir.mkpath("target"));
        QVERIFY(make(tempDir.filePath("target/keep")));
        QVERIFY(QFile::link(tempDir.filePath("target"),
                            tempDir.filePath("babyname-" + deadPid + "-linked")));

        { Run run(m_settingsFile); }
        if (oldTemp.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", oldTemp);

        QVERIFY(!config.exists(deadSave));
        for (const QString& name : keptFiles) QVERIFY2(config.exists(name), qPrintable(name));
        QVERIFY(!tempDir.exists(deadFolder));
        QVERIFY(!tempDir.exists("babyname-Qw3rTy"));
        QVERIFY(tempDir.exists("babyname-Kept12/sound1.mp3"));
        QVERIFY(tempDir.exists("babyname-" + ownPid + "-zzzzzz"));
        QVERIFY(tempDir.exists("target/keep"));
        QVERIFY(m_messages.isEmpty());
    }

    void failedSavesAreReportedOnce_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("a folder in place of the file") << "folder";
        QTest::newRow("a file in place of the folder") << "file";
        QTest::newRow("a folder that cannot be written") << "read-only";
    }
    void failedSavesAreReportedOnce() {
        QFETCH(QString, damage);
        const QString folder = QFileInfo(m_settingsFile).path();
        if (damage == "folder") {
            QVERIFY(QDir().mkpath(m_settingsFile));
        } else if (damage == "file") {
            QFile blocker(folder);
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        } else {
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
            QFile probe(folder + "/probe");
            if (probe.open(QIODevice::WriteOnly))  // the superuser writes anywhere
                QSKIP("this user can write into a read-only folder");
        }

        {
            Run run(m_settingsFile);
            RecordsPage* records = run.window.recordsPage();
            records->AddRecord(QStringLiteral("李"), QStringLiteral("白"), SourceRow("x"));
            QCOMPARE(m_messages.size(), 1);
            QVERIFY2(m_messages[0][0].startsWith(QStringLiteral("起名记录和设置没有保存。")),
                     qPrintable(m_messages[0][0]));
            QVERIFY(m_messages[0][0].contains(QStringLiteral("settings.ini")));
            QCOMPARE(m_messages[0][1], QStringLiteral("提示"));
            QCOMPARE(m_messages[0][2], QString::number(int(Icon::Warning)));
            records->AddRecord(QStringLiteral("李"), QStringLiteral("黑"), SourceRow("x"));
            run.window.exitAction()->trigger();
            QCOMPARE(m_messages.size(), 1);  // the same cause is not reported again
            QCOMPARE(records->list()->model()->rowCount(), 2);
        }
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A crash or a power cut right after a report was opened keeps its record.
    void recordSurvivesAKilledProcess() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", m_config->path());
        const QString program = qEnvironmentVariable("BABYNAME_RECORDS_CHILD");

        QProcess adding;
        adding.setProcessEnvironment(environment);
        adding.start(program, {"add"});
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += adding.readAllStandardOutput()).contains("added") ||
                                     adding.state() == QProcess::NotRunning,
                                 30000);
        QCOMPARE(adding.state(), QProcess::Running);
        adding.kill();  // SIGKILL: no exit step runs
        QVERIFY(adding.waitForFinished(10000));
        QCOMPARE(adding.exitStatus(), QProcess::CrashExit);

        QProcess listing;
        listing.setProcessEnvironment(environment);
        listing.start(program, {"list"});
        QVERIFY(listing.waitForFinished(30000));
        QCOMPARE(listing.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(listing.readAllStandardOutput()).trimmed(),
                 QStringLiteral("欧阳\\r\\n修\t23\t27\t土土金\t19,27,20,35,8\t水金水\t88"));
        QVERIFY(QFile::exists(m_config->filePath("babyname/settings.ini")));
    }

  private:
    std::unique_ptr<QTemporaryDir> m_config;
    QString m_settingsFile;
    QList<QStringList> m_messages;
};

QTEST_MAIN(RecordsPageTest)
#include "RecordsPageTest.moc"
