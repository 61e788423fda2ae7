#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <future>

#include "app/MainWindow.h"
#include "app/MessageBoxes.h"
#include "app/QtText.h"
#include "app/SingleInstanceGuard.h"
#include "app/Skins.h"
#include "app/TextTableModel.h"
#include "generation/tests/GenerationFixture.h"
#include "generation/tests/QuietObserver.h"
#include "namedb/tests/FixtureDatabase.h"

namespace {

// Lets the test decide when the run's first rows arrive, so a hold can be requested while the
// run is certainly still going.
class GatedObserver : public QuietObserver {
  public:
    void RowsWritten(ResultList, const std::vector<ResultRow>&) override { firstRows.wait(); }
    std::shared_future<void> firstRows;
};

// A loader that touches no database: the shell tests do not need data.
DatabaseLoading::LoadFunction NoDatabase() {
    return [](const std::function<void(const std::string&)>&) {};
}
}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        m_messages.clear();
        MessageBoxes::SetRecorder(
            [this](const QString& text, const QString& title, MessageBoxes::Icon icon) {
                m_messages << QStringList{text, title, QString::number(int(icon))};
            });
        m_window = std::make_unique<MainWindow>(NoDatabase());
        m_window->StartUp();
    }
    void cleanup() { m_window.reset(); }

    void startUpDefaults() {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("禾朗宝宝起名软件"));
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->pages()->count(), 11);
        QCOMPARE(Combo("组合框_年份")->count(), 61);
        QCOMPARE(Combo("组合框_年份")->currentText(), QStringLiteral("2013"));
        for (const char* name : {"组合框_月份", "组合框_日子"})
            QCOMPARE(Combo(name)->currentText(), QStringLiteral("1"));
        for (const char* name : {"组合框_时间", "组合框_分钟"})
            QCOMPARE(Combo(name)->currentText(), QStringLiteral("0"));
        QCOMPARE(m_window->statusText(),
                 QStringLiteral("高速生成,以好听为主,不考虑名字的五行数理等因素"));
        QCOMPARE(Skins::Current(), Skins::kStartupSkin);
        QCOMPARE(m_window->skinNumber(), 1);
        for (const char* element : {"金", "木", "水", "火", "土"})
            for (int group = 0; group < 4; ++group)
                QVERIFY(!Check(QString::fromUtf8(element) + QString::number(group))->isEnabled());
    }

    void navigateToBirthChartTakesTheNamingDate() {
        Combo("组合框_年份")->setCurrentText(QStringLiteral("2000"));
        Combo("组合框_月份")->setCurrentText(QStringLiteral("5"));
        Combo("组合框_日子")->setCurrentText(QStringLiteral("6"));
        Combo("组合框_时间")->setCurrentText(QStringLiteral("7"));
        Combo("组合框_八字年份")->setCurrentText(QStringLiteral("1999"));
        m_window->Navigate(2);
        QCOMPARE(m_window->pages()->currentIndex(), 6);
        QCOMPARE(m_window->Control<QLabel>(QStringLiteral("透明标签_起名日期"))->text(),
                 QStringLiteral("2000年5月6日7时"));
        QCOMPARE(Combo("组合框_八字年份")->currentText(), QStringLiteral("2013"));
        QCOMPARE(Combo("组合框_八字月份")->currentText(), QStringLiteral("1"));
        QCOMPARE(Combo("组合框_八字日子")->currentText(), QStringLiteral("1"));
        QCOMPARE(Combo("组合框_八字时间")->currentText(), QStringLiteral("0"));
        QCOMPARE(Combo("组合框_八字时间")->count(), 24);

        m_window->Control<QLineEdit>(QStringLiteral("编辑框_姓氏"))->setText(QStringLiteral("李"));
        m_window->Navigate(4);
        QCOMPARE(m_window->pages()->currentIndex(), 7);
        QCOMPARE(m_window->Control<QLineEdit>(QStringLiteral("编辑框_评分姓氏"))->text(),
                 QStringLiteral("李"));
        m_window->Navigate(6);
        QCOMPARE(m_window->pages()->currentIndex(), 8);
        m_window->Navigate(0);
        QCOMPARE(m_window->pages()->currentIndex(), 0);
    }

    void filterRules_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("checkedMasters");   // masters checked afterwards
        QTest::addColumn<QString>("enabledMasters");   // masters enabled afterwards
        QTest::addColumn<QString>("enabledElements");  // element groups (0-3) enabled afterwards
        QTest::addRow("second checked disables the all-characters group")
            << QStringList{"第二个字五行限定"} << "第二个字五行限定"
            << "第二个字五行限定 第三个字五行限定"
            << "0";
        QTest::addRow("second unchecked while third stays checked")
            << QStringList{"第二个字五行限定", "第三个字五行限定", "第二个字五行限定"}
            << "第三个字五行限定"
            << "第二个字五行限定 第三个字五行限定"
            << "1";
        QTest::addRow("both position masters unchecked enable the other group again")
            << QStringList{"第二个字五行限定", "第二个字五行限定"} << ""
            << "第二个字五行限定 第三个字五行限定 所有字必带五行 所有字不能带五行"
            << "";
        QTest::addRow("all-characters masters checked together")
            << QStringList{"所有字必带五行", "所有字不能带五行"}
            << "所有字必带五行 所有字不能带五行"
            << "所有字必带五行 所有字不能带五行"
            << "2 3";
    }
    void filterRules() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, checkedMasters);
        QFETCH(QString, enabledMasters);
        QFETCH(QString, enabledElements);
        m_window->pages()->setCurrentIndex(9);
        for (const QString& click : clicks) Master(click)->click();
        const QStringList masters = {"第二个字五行限定", "第三个字五行限定", "所有字必带五行",
                                     "所有字不能带五行"};
        for (const QString& master : masters) {
            QCOMPARE(Master(master)->isChecked(), checkedMasters.split(' ').contains(master));
            QCOMPARE(Master(master)->isEnabled(), enabledMasters.split(' ').contains(master));
        }
        for (int group = 0; group < 4; ++group)
            QCOMPARE(Check(QStringLiteral("金") + QString::number(group))->isEnabled(),
                     enabledElements.split(' ').contains(QString::number(group)));
    }

    void pauseButtonPressedTwice() {
        for (const char* page : {"高分", "超吉"}) {
            auto* pause = Button(QStringLiteral("按钮_%1暂停").arg(QString::fromUtf8(page)));
            auto* exportButton = Button(QStringLiteral("按钮_%1导出").arg(QString::fromUtf8(page)));
            pause->click();
            QCOMPARE(pause->text(), QStringLiteral("继续"));
            QVERIFY(exportButton->isEnabled());
            pause->click();
            QCOMPARE(pause->text(), QStringLiteral("暂停"));
            QVERIFY(!exportButton->isEnabled());
        }
    }

    void pauseButtonsHoldAndResumeTheRunAndExitStopsIt() {
        SqliteDatabase db;
        fixture::OpenEmptyNameDatabase(db);
        generation_fixture::BuildFullPoolDatabase(db);
        std::promise<void> release;
        GatedObserver observer;
        observer.firstRows = release.get_future().share();
        GenerationInputs inputs;
        inputs.surname = ToGbk(QStringLiteral("李"));
        inputs.sex = Sex::Male;
        inputs.mode = GenerationMode::SuperLucky;
        RunController& runs = m_window->generationRuns();
        runs.Start(inputs, observer, db);

        Button("按钮_超吉暂停")->click();
        release.set_value();
        runs.WaitUntilHeldOrFinished();
        QVERIFY(runs.IsHeld());
        Button("按钮_超吉暂停")->click();
        QVERIFY(!runs.IsHeld());
        m_window->close();  // stops the run and waits for it before the database goes
        QVERIFY(!runs.IsActive());
    }

    void skinChangesStepThroughFortyOneOnce() {
        for (int use = 1; use <= 41; ++use) {
            m_window->ChangeSkin();
            QCOMPARE(Skins::Current(), use);
        }
        QPalette last = QApplication::palette();
        m_window->ChangeSkin();
        QCOMPARE(Skins::Current(), 41);
        QCOMPARE(m_window->skinNumber(), 42);
        QCOMPARE(QApplication::palette(), last);
    }

    void loadingNeverBlocksTheWindow() {
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        MainWindow window([released](const std::function<void(const std::string&)>& fail) {
            released.wait();
            fail("\xBD\xAB");  // "将" in GBK: the failure text crosses to the window thread
        });
        window.StartUp();
        QVERIFY(window.isVisible());
        QVERIFY(!window.databaseLoading().IsFinished());
        release.set_value();
        QTRY_VERIFY(window.databaseLoading().IsFinished());
        QTRY_COMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0], (QStringList{QStringLiteral("将"), QStringLiteral("信息："),
                                             QString::number(int(MessageBoxes::Icon::Error))}));
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

    void resultListModelIsWellBehaved() {
        TextTableModel model({"编号", "评分"});
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.AppendRows({{"1", "90"}, {"2", "100"}, {"3", "95"}});
        model.sort(1, Qt::DescendingOrder);
        QCOMPARE(model.Row(0)[1], QStringLiteral("100"));
        QCOMPARE(model.Row(2)[1], QStringLiteral("90"));
        model.Clear();
        QCOMPARE(model.rowCount(), 0);
    }

  private:
    QComboBox* Combo(const char* name) {
        return m_window->Control<QComboBox>(QString::fromUtf8(name));
    }
    QCheckBox* Check(const QString& suffix) {
        return m_window->Control<QCheckBox>(QStringLiteral("选择框_") + suffix);
    }
    QCheckBox* Master(const QString& name) { return Check(name); }
    QPushButton* Button(const QString& name) { return m_window->Control<QPushButton>(name); }
    QPushButton* Button(const char* name) { return Button(QString::fromUtf8(name)); }

    std::unique_ptr<MainWindow> m_window;
    QList<QStringList> m_messages;
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
