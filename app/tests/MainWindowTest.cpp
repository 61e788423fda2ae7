#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <future>

#ifdef Q_OS_UNIX
#include <signal.h>
#endif

#include "app/AboutWindow.h"
#include "app/MainWindow.h"
#include "app/ProgramSession.h"
#include "app/QtTranslations.h"
#include "app/RecordsPage.h"
#include "app/SingleInstanceGuard.h"
#include "app/Skins.h"
#include "birthchart/ui/BirthChartPage.h"
#include "birthchart/ui/ElementBars.h"
#include "generation/tests/GenerationFixture.h"
#include "namedb/tests/FixtureDatabase.h"
#include "generation/ui/HighScorePage.h"
#include "generation/ui/ModeSelectionPage.h"
#include "generation/ui/NamingController.h"
#include "generation/ui/SuperLuckyPage.h"
#include "numerology/ui/CharacterQueryWindow.h"
#include "numerology/ui/ScorePage.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"
#include "widgets/ResultListView.h"

using generation_ui::SuperLuckyPage;
using widgets::MessageBoxes::Icon;

namespace {

// The shell tests need no data.
bool NoDatabase(SqliteDatabase&, LoadFailureSink&) { return true; }

bool FullPoolDatabase(SqliteDatabase& db, LoadFailureSink&) {
    generation_fixture::BuildFullPoolDatabase(db);
    return true;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    // The About window closes from inside, by its 关闭 button or by Escape.
    void aboutWindowClosesFromInside() {
        for (const bool byEscape : {false, true}) {
            QPointer<AboutWindow> about = new AboutWindow;
            about->show();
            QVERIFY(QTest::qWaitForWindowExposed(about));
            about->activateWindow();
            QTRY_VERIFY_WITH_TIMEOUT(about->isActiveWindow(), 60000);
            if (byEscape)
                QTest::keyClick(about, Qt::Key_Escape);
            else
                about->findChild<QPushButton*>(QStringLiteral("按钮_关闭"))->click();
            QTRY_VERIFY_WITH_TIMEOUT(!about, 60000);
        }
    }

    void init() {
        m_messages.clear();
        widgets::MessageBoxes::RecordInto(&m_messages);
        m_session =
            std::make_unique<ProgramSession>(m_programFolder.path().toStdString(), NoDatabase);
        m_window = std::make_unique<MainWindow>(*m_session);
        m_window->StartUp();
    }
    void cleanup() {
        m_window.reset();
        m_session.reset();
    }

    void startUpDefaults() {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("禾朗宝宝起名软件"));
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->pages()->count(), 12);
        QCOMPARE(m_window->pages()->currentWidget(),
                 static_cast<QWidget*>(m_window->modeSelectionPage()));
        const widgets::DateSelector* date = m_window->modeSelectionPage()->birthDate();
        QCOMPARE(date->year()->count(), 61);
        QCOMPARE(date->Texts(), (QStringList{"2013", "1", "1", "0", "0"}));
        QCOMPARE(m_window->statusText(),
                 QStringLiteral("高速生成,以好听为主,不考虑名字的五行数理等因素"));
        QCOMPARE(m_window->skins().current(), SkinCycle::kStartupSkin);
        QCOMPARE(m_window->skins().next(), 1);
        for (int group = 0; group < SuperLuckyPage::GroupCount; ++group) {
            QVERIFY(Filters()->master(SuperLuckyPage::Group(group))->isEnabled());
            for (QCheckBox* element : Filters()->elements(SuperLuckyPage::Group(group)))
                QVERIFY(!element->isEnabled());
        }
        // Controls that carry their names although they have no behaviour of their own.
        for (const char* name : {"分组框4", "网页浏览框1", "单选框1"})
            QVERIFY2(m_window->findChild<QWidget*>(QString::fromUtf8(name)), name);
    }

    // Every control a person can use has a name a screen reader can say.
    void everyInputHasAnAccessibleName() {
        const QList<QWidget*> controls = m_window->findChildren<QWidget*>();
        int checked = 0;
        for (QWidget* control : controls) {
            if (!qobject_cast<QLineEdit*>(control) && !qobject_cast<QComboBox*>(control) &&
                !qobject_cast<QAbstractButton*>(control) &&
                !qobject_cast<QAbstractItemView*>(control))
                continue;
            // Our controls carry names; unnamed ones are Qt's parts of them (a list's header, a
            // combo box's popup), which the control's own name covers.
            if (control->objectName().isEmpty() ||
                control->objectName().startsWith(QLatin1String("qt_")))
                continue;
            const QString name = control->accessibleName().isEmpty()
                                     ? (qobject_cast<QAbstractButton*>(control)
                                            ? static_cast<QAbstractButton*>(control)->text()
                                            : QString())
                                     : control->accessibleName();
            QVERIFY2(!name.isEmpty(), qPrintable(control->objectName() + QLatin1Char(' ') +
                                                 control->metaObject()->className()));
            ++checked;
        }
        QVERIFY(checked > 60);
        QCOMPARE(m_window->modeSelectionPage()->sex()->accessibleName(), QStringLiteral("性别"));
        QCOMPARE(m_window->modeSelectionPage()->nameLength()->accessibleName(),
                 QStringLiteral("名字个数"));
    }

    void navigationFromToolbarAndMenu() {
        generation_ui::ModeSelectionPage* modeSelection = m_window->modeSelectionPage();
        modeSelection->birthDate()->year()->setCurrentText(QStringLiteral("2000"));
        modeSelection->birthDate()->month()->setCurrentText(QStringLiteral("5"));
        modeSelection->birthDate()->day()->setCurrentText(QStringLiteral("6"));
        modeSelection->birthDate()->hour()->setCurrentText(QStringLiteral("7"));
        birthchart_ui::BirthChartPage* chart = m_window->birthChartPage();
        chart->ownDate()->year()->setCurrentText(QStringLiteral("1999"));
        Navigation(MainWindow::Destination::BirthChart)->trigger();
        QCOMPARE(m_window->pages()->currentWidget(), static_cast<QWidget*>(chart));
        QCOMPARE(chart->namingDate()->text(), QStringLiteral("2000年5月6日7时"));
        QCOMPARE(chart->ownDate()->Texts(), (QStringList{"2013", "1", "1", "0"}));
        QCOMPARE(chart->ownDate()->hour()->count(), 24);

        modeSelection->surname()->setText(QStringLiteral("李"));
        Navigation(MainWindow::Destination::Score)->trigger();
        QCOMPARE(m_window->pages()->currentWidget(), static_cast<QWidget*>(m_window->scorePage()));
        QCOMPARE(m_window->scorePage()->surname()->text(), QStringLiteral("李"));
        Navigation(MainWindow::Destination::Records)->trigger();
        QCOMPARE(m_window->pages()->currentWidget(),
                 static_cast<QWidget*>(m_window->recordsPage()));
        Navigation(MainWindow::Destination::ModeSelection)->trigger();
        QCOMPARE(m_window->pages()->currentWidget(), static_cast<QWidget*>(modeSelection));
    }

    void modeRadioButtonsSetTheStatusBar() {
        const QList<QRadioButton*>& modes = m_window->modeSelectionPage()->modeButtons();
        QCOMPARE(modes.size(), 8);
        modes[2]->click();  // 超吉起名
        QCOMPARE(m_window->statusIcon(), 6);
        QCOMPARE(
            m_window->statusText(),
            QStringLiteral("系统将在1000万个名字中提取超吉名字,起名时间较长,并且不考虑单字名"));
        modes[5]->click();  // 起小名
        QCOMPARE(m_window->statusIcon(), 4);
    }

    void filterRules_data() {
        QTest::addColumn<QList<int>>("clicks");           // masters clicked, in order
        QTest::addColumn<QList<int>>("checkedMasters");   // checked afterwards
        QTest::addColumn<QList<int>>("enabledMasters");   // enabled afterwards
        QTest::addColumn<QList<int>>("enabledElements");  // groups whose element boxes are enabled
        const int second = SuperLuckyPage::SecondCharacter, third = SuperLuckyPage::ThirdCharacter,
                  mustHave = SuperLuckyPage::MustHave, mustNot = SuperLuckyPage::MustNot;
        QTest::addRow("second checked disables the all-characters group")
            << QList<int>{second} << QList<int>{second} << QList<int>{second, third}
            << QList<int>{second};
        QTest::addRow("second unchecked while third stays checked")
            << QList<int>{second, third, second} << QList<int>{third} << QList<int>{second, third}
            << QList<int>{third};
        QTest::addRow("both position masters unchecked enable the other group again")
            << QList<int>{second, second} << QList<int>{}
            << QList<int>{second, third, mustHave, mustNot} << QList<int>{};
        QTest::addRow("all-characters masters checked together")
            << QList<int>{mustHave, mustNot} << QList<int>{mustHave, mustNot}
            << QList<int>{mustHave, mustNot} << QList<int>{mustHave, mustNot};
    }
    void filterRules() {
        QFETCH(QList<int>, clicks);
        QFETCH(QList<int>, checkedMasters);
        QFETCH(QList<int>, enabledMasters);
        QFETCH(QList<int>, enabledElements);
        for (int click : clicks) Filters()->master(SuperLuckyPage::Group(click))->click();
        for (int group = 0; group < SuperLuckyPage::GroupCount; ++group) {
            QCheckBox* master = Filters()->master(SuperLuckyPage::Group(group));
            QCOMPARE(master->isChecked(), checkedMasters.contains(group));
            QCOMPARE(master->isEnabled(), enabledMasters.contains(group));
            QCOMPARE(Filters()->elements(SuperLuckyPage::Group(group))[0]->isEnabled(),
                     enabledElements.contains(group));
        }
    }

    // At the size of a first start on a 1366×768 screen (its task bar takes 40 pixels) the lists
    // show fifteen names and more.
    void theListsTakeTheRoomOfTheWindow() {
        m_window->resize(MainWindow::DefaultSize(QRect(0, 0, 1366, 728)));
        for (QWidget* page :
             {static_cast<QWidget*>(Filters()), static_cast<QWidget*>(m_window->highScorePage())}) {
            m_window->pages()->setCurrentWidget(page);
            QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
            widgets::ResultListView* list =
                page == Filters() ? Filters()->list() : m_window->highScorePage()->list();
            list->model()->SetRows(std::vector<QStringList>(
                40, {"1", QStringLiteral("李明华"), "21", "29", QStringLiteral("木火水"),
                     "8,15,22,29,15", QStringLiteral("金土木"), "92"}));
            const int rowHeight = list->rowHeight(0);
            QVERIFY(rowHeight > 0);
            const int rows = list->viewport()->height() / rowHeight;
            QVERIFY2(rows >= 15, qPrintable(QString::number(rows)));
            list->model()->Clear();
        }
    }

    // With no run there is nothing to hold: the pause buttons rest and the exports are ready.
    void pauseButtonsRestWithoutARun() {
        const std::pair<QPushButton*, QPushButton*> pages[] = {
            {m_window->highScorePage()->pauseButton(), m_window->highScorePage()->exportButton()},
            {Filters()->pauseButton(), Filters()->exportButton()}};
        for (const auto& [pause, exportButton] : pages) {
            QVERIFY(!pause->isEnabled());
            QCOMPARE(pause->text(), QStringLiteral("暂停"));
            QVERIFY(exportButton->isEnabled());
        }
    }

    // A held run writes nothing until it is resumed; closing the window stops it at once.
    void pauseHoldsARunThatWritesRowsAndExitStopsIt() {
        ProgramSession session(m_programFolder.path().toStdString(), FullPoolDatabase);
        MainWindow window(session);
        window.StartUp();
        QTRY_VERIFY_WITH_TIMEOUT(session.HasLoaded(), 60000);

        // The run's second batch of rows waits until the test has pressed 暂停, so the hold
        // certainly comes while the run is still going.
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        window.namingController()->observer()->SetBatchHook([released](int batch) {
            if (batch == 2) released.wait_for(std::chrono::seconds(10));
        });
        window.modeSelectionPage()->surname()->setText(QStringLiteral("李"));
        SuperLuckyPage* page = window.superLuckyPage();
        page->master(SuperLuckyPage::MustNot)->click();  // no element excluded: every character
        // 模式选择 rests while the run goes on and comes back while it is held.
        QAction* modeSelection = window.navigationAction(MainWindow::Destination::ModeSelection);
        page->generateButton()->click();
        QVERIFY(!modeSelection->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(page->pauseButton()->isEnabled(), 60000);
        page->pauseButton()->click();
        QVERIFY(modeSelection->isEnabled());
        release.set_value();
        RunController& runs = session.runs();
        runs.WaitUntilHeldOrFinished();
        QVERIFY(runs.IsHeld());
        QCoreApplication::processEvents();
        const int rowsWhenHeld = page->list()->model()->rowCount();
        QVERIFY(rowsWhenHeld > 0);
        // The worker waits in its hold: whatever the window does, no row follows.
        QCoreApplication::processEvents();
        QVERIFY(runs.IsHeld());
        QCOMPARE(page->list()->model()->rowCount(), rowsWhenHeld);

        page->pauseButton()->click();
        QVERIFY(!runs.IsHeld());
        QVERIFY(!modeSelection->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(
            page->list()->model()->rowCount() > rowsWhenHeld || !runs.IsActive(), 60000);
        window.exitAction()->trigger();  // stops the run and waits for it before the database goes
        QVERIFY(!runs.IsActive());
    }

    // Closing the window while a run waits for the user to close a message box neither hangs
    // nor crashes: the box goes, the run is released and stopped.
    void exitWhileARunShowsAMessageBox() {
        widgets::MessageBoxes::SetRecorder({});  // real boxes
        ProgramSession session(m_programFolder.path().toStdString(), FullPoolDatabase);
        MainWindow window(session);
        window.StartUp();
        QTRY_VERIFY_WITH_TIMEOUT(session.HasLoaded(), 60000);
        bool closedFromTheBox = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (!qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) || closedFromTheBox)
                return;
            closedFromTheBox = true;
            window.close();
        });
        watch.start(10);
        // A one-character 高分 run tells the user first that it lowers its standard.
        window.modeSelectionPage()->surname()->setText(QStringLiteral("李"));
        window.modeSelectionPage()->nameLength()->setCurrentIndex(0);
        window.modeSelectionPage()->modeButtons()[1]->click();
        window.modeSelectionPage()->startButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(closedFromTheBox, 60000);
        QTRY_VERIFY_WITH_TIMEOUT(!session.runs().IsActive(), 60000);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void skinMenuStepsThroughFortyOneOnce() {
        for (int use = 1; use <= 41; ++use) {
            m_window->skinAction()->trigger();
            QCOMPARE(m_window->skins().current(), use);
        }
        const QPalette last = QApplication::palette();
        m_window->skinAction()->trigger();
        QCOMPARE(m_window->skins().current(), 41);
        QCOMPARE(m_window->skins().next(), 42);
        QCOMPARE(QApplication::palette(), last);
    }

    // The birth chart feeds the naming: the start-up chart of the naming date (2013-01-01 0时)
    // weighs its elements; 按八字选五行 ticks its two elements in the two position groups, and
    // 生成 then lists only names whose given-name characters are of those elements.
    void chartElementsChooseTheSuperLuckyFilters() {
        ProgramSession session(m_programFolder.path().toStdString(), FullPoolDatabase);
        MainWindow window(session);
        window.StartUp();
        QTRY_VERIFY_WITH_TIMEOUT(session.HasLoaded(), 60000);
        birthchart_ui::BirthChartPage* chart = window.birthChartPage();
        QCOMPARE(chart->elementBars()->tenths(), (std::array<int, 5>{10, 13, 51, 10, 6}));
        QCOMPARE(chart->elementBars()->accessibleDescription(),
                 QStringLiteral("金 1.0，木 1.3，水 5.1，火 1.0，土 0.6"));
        QCOMPARE(chart->strengthLabel()->text(),
                 QStringLiteral("日主 丁火　同类 2.3　异类 6.7　身弱　喜用 木火"));

        SuperLuckyPage* page = window.superLuckyPage();
        page->master(SuperLuckyPage::MustHave)->click();  // a whole-name group that must go
        page->chartElementsButton()->click();
        QVERIFY(!page->master(SuperLuckyPage::MustHave)->isChecked());
        QVERIFY(!page->master(SuperLuckyPage::MustNot)->isChecked());
        for (SuperLuckyPage::Group group :
             {SuperLuckyPage::SecondCharacter, SuperLuckyPage::ThirdCharacter}) {
            QVERIFY(page->master(group)->isChecked());
            QStringList ticked;
            for (QCheckBox* box : page->elements(group))
                if (box->isChecked()) ticked << box->text();
            QCOMPARE(ticked, (QStringList{"木", "火"}));
        }
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("八字身弱，喜木火"));

        window.modeSelectionPage()->surname()->setText(QStringLiteral("李"));
        page->generateButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!session.runs().IsActive() && page->list()->model()->rowCount(),
                                 120000);
        for (const QStringList& row : page->list()->model()->Rows()) {
            const QString given = row.value(4).mid(1);
            QCOMPARE(given.size(), 2);
            for (QChar element : given)
                QVERIFY2(element == u'木' || element == u'火', qPrintable(row.join(' ')));
        }
    }

    void loadingNeverBlocksTheWindow() {
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        ProgramSession session(m_programFolder.path().toStdString(),
                               [released](SqliteDatabase&, LoadFailureSink& sink) {
                                   released.wait();
                                   // "将" in GBK: the text crosses to the window thread
                                   sink.ShowLoadFailure("\xBD\xAB");
                                   return false;
                               });
        MainWindow window(session);
        window.StartUp();
        QVERIFY(window.isVisible());
        QVERIFY(!session.HasLoaded());
        release.set_value();
        QTRY_VERIFY_WITH_TIMEOUT(session.HasLoaded(), 60000);
        QVERIFY(session.database() == nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(m_messages.size(), 1, 60000);
        QCOMPARE(m_messages[0].mid(1),
                 (QStringList{QStringLiteral("信息："), QString::number(int(Icon::Error))}));
        QVERIFY(m_messages[0][0].endsWith(QStringLiteral("详细信息：将")));
    }

    // The user closes the window at once, while the database is still being copied: the copy is
    // stopped instead of waited for, the inputs reach the settings file, and the stopped load is
    // no failure to tell anyone about. (Without the stop, this test would never end.)
    void closingWhileTheDatabaseLoadsStopsTheLoadAndKeepsTheInputs() {
        QTemporaryDir settingsFolder;
        const std::filesystem::path settingsFile =
            settingsFolder.filePath("settings.ini").toStdU16String();
        std::promise<void> started;
        auto endlessLoad = [&started](SqliteDatabase& db, LoadFailureSink& sink) {
            bool ok = db.Open();
            started.set_value();
            std::string error;
            ok = ok && fixture::RunEndlessQuery(db, error);
            if (!ok) sink.ShowLoadFailure(error);
            return ok;
        };
        {
            ProgramSession session(m_programFolder.path().toStdString(), endlessLoad, settingsFile);
            MainWindow window(session);
            window.StartUp();
            started.get_future().wait();
            window.modeSelectionPage()->surname()->setText(QStringLiteral("欧阳"));
            QVERIFY(window.close());
        }
        QCoreApplication::processEvents();
        QVERIFY(m_messages.isEmpty());

        ProgramSession again(m_programFolder.path().toStdString(), NoDatabase, settingsFile);
        MainWindow window(again);
        window.StartUp();
        QCOMPARE(window.modeSelectionPage()->surname()->text(), QStringLiteral("欧阳"));
    }

    // An empty or damaged database file: the load failure says in Chinese what is wrong, with
    // the file and what to do; afterwards every action that needs the database says so.
    void unusableDatabaseIsExplainedAndEveryActionSaysSo_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        QTest::addRow("empty file") << QByteArray() << QStringLiteral("文件缺少本程序需要的数据表");
        QTest::addRow("a folder in its place")
            << QByteArray("folder") << QStringLiteral("文件无法打开");
        QTest::addRow("not a database")
            << QByteArray(8192, 'x') << QStringLiteral("文件已损坏，或不是名字数据库");
    }
    void unusableDatabaseIsExplainedAndEveryActionSaysSo() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        QTemporaryDir program;
        QVERIFY(QDir(program.path()).mkpath("data"));
        QFile file(program.filePath("data/namedata.db"));
        if (bytes == "folder") {
            QVERIFY(QDir(program.path()).mkpath("data/namedata.db"));
        } else {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            file.close();
        }

        m_messages.clear();
        ProgramSession session(program.path().toStdString());
        MainWindow window(session);
        window.StartUp();
        QTRY_COMPARE_WITH_TIMEOUT(m_messages.size(), 1, 60000);
        const QString told = m_messages[0][0];
        QVERIFY2(told.startsWith(QStringLiteral("名字数据库不能使用：") + problem),
                 qPrintable(told));
        QVERIFY(told.contains(QDir::toNativeSeparators(file.fileName())));
        QVERIFY(told.contains(QStringLiteral("请重新安装本程序，或重建名字数据库")));

        // 开始起名, 评分 and 查询 each say why nothing happens.
        m_messages.clear();
        window.modeSelectionPage()->surname()->setText(QStringLiteral("李"));
        window.modeSelectionPage()->startButton()->click();
        window.scorePage()->surname()->setText(QStringLiteral("李"));
        window.scorePage()->givenName()->setText(QStringLiteral("明"));
        window.scorePage()->scoreButton()->click();
        window.Navigate(MainWindow::Destination::Dictionary);
        auto* dictionary = window.findChild<numerology_ui::CharacterQueryWindow*>();
        QVERIFY(dictionary);
        dictionary->queryButton()->click();
        QCOMPARE(m_messages.size(), 3);
        for (const QStringList& message : m_messages) {
            QVERIFY2(message[0].startsWith(
                         QStringLiteral("名字数据库没有载入，这项功能不能使用（") + problem),
                     qPrintable(message[0]));
            QCOMPARE(message[1], QStringLiteral("提示"));
        }
        dictionary->close();
    }

    void secondInstanceExitsQuietly() {
        QTemporaryDir dir;
        QString lockPath = dir.filePath("instance.lock");
        SingleInstanceGuard first(lockPath);
        QVERIFY(first.TryAcquire());
        QVERIFY(!SingleInstanceGuard(lockPath).TryAcquire());

        QProcess second;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("BABYNAME_LOCK_FILE", lockPath);
        second.setProcessEnvironment(environment);
        second.start(qEnvironmentVariable("BABYNAME_PROGRAM"), {});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
    }

    // The system's request to end the program (SIGTERM, as at logout) closes it as the user
    // would: it ends normally and has saved the inputs, which a killed program would lose.
    void aTerminationRequestClosesTheWindowAndSavesTheInputs() {
#ifdef Q_OS_UNIX
        QTemporaryDir home;
        const QString lockPath = home.filePath("instance.lock");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("BABYNAME_LOCK_FILE", lockPath);
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(qEnvironmentVariable("BABYNAME_PROGRAM"), {});
        QVERIFY(program.waitForStarted(20000));
        // The lock is taken once the program listens for the request.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(lockPath), 20000);
        QCOMPARE(::kill(static_cast<pid_t>(program.processId()), SIGTERM), 0);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QDirIterator saved(home.filePath("config"), {QStringLiteral("settings.ini")}, QDir::Files,
                           QDirIterator::Subdirectories);
        QVERIFY2(saved.hasNext(), "no settings file was written");
#else
        QSKIP("termination requests are signals on Unix systems only");
#endif
    }

    // Qt's own dialogs read in Chinese: the save dialog of 导出 offers "保存" and "取消".
    void qtDialogsSpeakChinese() {
        QVERIFY(InstallChineseQtTexts(*QCoreApplication::instance()));
        QFileDialog dialog(nullptr, QStringLiteral("导出页面"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        const auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(buttons);
        QStringList texts;
        for (QAbstractButton* button : buttons->buttons()) texts << button->text().remove(u'&');
        QVERIFY2(texts.join(u' ').contains(QStringLiteral("保存")), qPrintable(texts.join(u' ')));
        QVERIFY2(texts.join(u' ').contains(QStringLiteral("取消")), qPrintable(texts.join(u' ')));
    }

  private:
    QAction* Navigation(MainWindow::Destination destination) {
        return m_window->navigationAction(destination);
    }
    SuperLuckyPage* Filters() { return m_window->superLuckyPage(); }

    QTemporaryDir m_programFolder;
    std::unique_ptr<ProgramSession> m_session;
    std::unique_ptr<MainWindow> m_window;
    QList<QStringList> m_messages;
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
