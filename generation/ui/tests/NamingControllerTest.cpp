#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <future>
#include <memory>
#include <set>
#include <tuple>

#include "generation/BuiltinLists.h"
#include "generation/NameListExport.h"
#include "generation/RunController.h"
#include "generation/tests/GenerationFixture.h"
#include "generation/ui/CanonPage.h"
#include "generation/ui/ClassicPage.h"
#include "generation/ui/CombinationPage.h"
#include "generation/ui/EnglishNamePage.h"
#include "generation/ui/GenerationCharacterDialog.h"
#include "generation/ui/HighScorePage.h"
#include "generation/ui/ModeSelectionPage.h"
#include "generation/ui/NamingController.h"
#include "generation/ui/NamingModes.h"
#include "generation/ui/NicknamePage.h"
#include "generation/ui/PoemNamingPage.h"
#include "generation/ui/SuperLuckyPage.h"
#include "generation/ui/WaitingWindow.h"
#include "namedb/LoadNameDatabase.h"
#include "namedb/tests/FixtureDatabase.h"
#include "numerology/CharacterLookup.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"
#include "widgets/WrittenFileNotice.h"

using namespace generation_ui;
using widgets::ToGbk;
using widgets::MessageBoxes::Icon;

namespace {

std::string G(const char* utf8) { return ToGbk(QString::fromUtf8(utf8)); }

// The naming pages in their tab host with a controller and a run holder of their own, as the
// main window places them.
struct NamingWindow {
    explicit NamingWindow(SqliteDatabase& db, const std::filesystem::path& exportFolder) {
        pages = {new ModeSelectionPage, new HighScorePage,
                 new SuperLuckyPage,    new PoemNamingPage,
                 new CombinationPage,   new NicknamePage,
                 new EnglishNamePage,   new ClassicPage,
                 new CanonPage,         &tabs};
        for (QWidget* page : std::initializer_list<QWidget*>{
                 pages.modeSelection, pages.highScore, pages.poem, pages.combination,
                 pages.nickname, pages.english, pages.superLucky, pages.classic, pages.canon})
            tabs.addTab(page, page->metaObject()->className());
        NamingServices services{&runs, [&db] { return &db; }, exportFolder, &tabs};
        controller = std::make_unique<NamingController>(pages, std::move(services));
        controller->SetShuffleSeed(11);
        widgets::WrittenFileNotice::SetOpener([this](const QString& path) {
            opened.push_back(path.toStdU16String());
            return true;
        });
    }
    ~NamingWindow() {
        controller->ShutDown();
        runs.ShutDown();
        widgets::WrittenFileNotice::SetOpener({});
    }

    void Choose(GenerationMode mode, const QString& surname, int nameLength = 2) {
        pages.modeSelection->surname()->setText(surname);
        pages.modeSelection->nameLength()->setCurrentIndex(nameLength == 2 ? 1 : 0);
        const auto& modes = NamingModes();
        for (size_t i = 0; i < modes.size(); ++i)
            if (modes[i].mode == mode) pages.modeSelection->modeButtons()[int(i)]->click();
    }
    // Waits until the run the window knows of has ended, and its worker with it.
    bool WaitForRunEnd() {
        if (!QTest::qWaitFor(
                [this] { return controller->runState().phase == RunState::Phase::Ended; }, 180000))
            return false;
        runs.WaitUntilFinished();
        QCoreApplication::processEvents();
        return true;
    }
    // Presses a start button and waits for the run it starts to end.
    bool RunFrom(QPushButton* button) {
        button->click();
        return WaitForRunEnd();
    }
    const std::vector<QStringList>& Rows(widgets::ResultListView* list) const {
        return list->model()->Rows();
    }

    QTabWidget tabs;
    NamingPages pages;
    RunController runs;
    std::unique_ptr<NamingController> controller;
    std::vector<std::filesystem::path> opened;
};

QString GivenName(const QStringList& row, const QString& surname) {
    return row.value(1).mid(surname.size());
}

std::string ElementOf(SqliteDatabase& db, const QString& character) {
    return FetchCharacter(db, ToGbk(character)).element;
}

QByteArray ReadFile(const std::filesystem::path& file) {
    QFile in(QString::fromStdU16String(file.u16string()));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// The rows of a finished Chinese list: numbered 1.. from the top, scores never rising.
bool IsFinishedList(const std::vector<QStringList>& rows) {
    for (size_t k = 0; k < rows.size(); ++k) {
        if (rows[k].value(0) != QString::number(k + 1)) return false;
        if (k > 0 && rows[k].value(7).toInt() > rows[k - 1].value(7).toInt()) return false;
    }
    return true;
}

}  // namespace

class NamingControllerTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        generation_fixture::BuildFullPoolDatabase(m_db);
        // Every name scores 100 here, so a 高分 or 超吉 run fills its list in many batches.
        fixture::OpenEmptyNameDatabase(m_luckyDb);
        generation_fixture::RateNumbers(m_luckyDb, 1, 120, G("吉"));
        generation_fixture::RateAllThreeTalents(m_luckyDb, G("吉"));
        std::vector<std::string> characters;
        for (const std::string& character : SplitCharacters(NeutralPool() + G("赵林")))
            if (std::find(characters.begin(), characters.end(), character) == characters.end())
                characters.push_back(character);
        generation_fixture::AddCharacters(m_luckyDb, characters, 10, G("木"));
        // 江 leans to boys' names: a girl's poem boxes leave it unticked.
        fixture::AddPackedList(m_db, G("用字判定"), G("江男\t"));
        // Two poets; 李白 has two poems of one title, and 杜甫 one more of that title.
        const char* poets[][2] = {{"李白", "1"}, {"杜甫", "2"}};
        for (const auto& [poet, order] : poets)
            fixture::InsertRow(m_db, G("NB_Poet"),
                               {SqlValue::Int(std::stoi(order)), SqlValue::Text(G(poet)),
                                SqlValue::Text("1"), SqlValue::Int(std::stoi(order))});
        const char* poems[][5] = {
            {"1", "句", "李白", "明月照高楼，清风入竹林。", "明月"},
            {"2", "句", "李白", "春江潮水连海平，海上明月共潮生。", "江海"},
            {"3", "句", "杜甫", "两个黄鹂鸣翠柳，一行白鹭上青天。", "黄"},
        };
        for (const auto& [id, title, poet, content, marks] : poems)
            fixture::InsertRow(
                m_db, G("NB_全唐诗"),
                {SqlValue::Int(std::stoi(id)), SqlValue::Text(G(title)), SqlValue::Text(G(poet)),
                 SqlValue::Text(G(content)), SqlValue::Text(G(marks)), SqlValue::Int(10)});
        // English names under th (two male, one female) and s.
        const char* english[][5] = {{"t", "th", "Thomas", "1", "托马斯"},
                                    {"t", "th", "Theodore", "1", "西奥多"},
                                    {"t", "th", "Thea", "2", "西娅"},
                                    {"s", "", "Simon", "1", "西蒙"}};
        int id = 1;
        for (const auto& [index, index2, name, sex, reading] : english)
            fixture::InsertRow(m_db, G("NB_EName"),
                               {SqlValue::Int(id++), SqlValue::Text(index), SqlValue::Text(index2),
                                SqlValue::Text(name), SqlValue::Text("5"),
                                SqlValue::Int(std::stoi(sex)), SqlValue::Text(G(reading)),
                                SqlValue::Text(""), SqlValue::Text(""), SqlValue::Text(G("含义"))});
        m_db.Prepare(G("update NB_CNWord set 声母=?1 where 汉字=?2"),
                     {SqlValue::Text("z"), SqlValue::Text(G("子"))})
            .Run();
    }

    void init() {
        m_messages.clear();
        widgets::MessageBoxes::RecordInto(&m_messages);
        m_window = std::make_unique<NamingWindow>(m_db, m_exportFolder.path().toStdString());
    }
    void cleanup() { m_window.reset(); }

    // 开始起名 in 高分: a sorted list of names of 90 or more; the same surname only shows the
    // page again, another one starts afresh; each new run's pause button reads 暂停.
    void highScoreFromTheStartButton() {
        NamingWindow& w = *m_window;
        QVERIFY(!w.pages.highScore->pauseButton()->isEnabled());  // no run to hold yet
        w.Choose(GenerationMode::HighScore, QStringLiteral("李"));
        QVERIFY(w.RunFrom(w.pages.modeSelection->startButton()));
        QCOMPARE(w.tabs.currentWidget(), w.pages.highScore);
        QCOMPARE(w.pages.highScore->pauseButton()->text(), QStringLiteral("暂停"));
        const auto& rows = w.Rows(w.pages.highScore->list());
        QVERIFY(!rows.empty());
        QVERIFY(rows.size() <= 10000);
        QVERIFY(IsFinishedList(rows));
        for (const QStringList& row : rows) {
            QVERIFY(row.value(7).toInt() >= 90);
            QVERIFY(row.value(1).startsWith(QStringLiteral("李")));
            QVERIFY(!GivenName(row, QStringLiteral("李")).contains(QStringLiteral("李")));
        }
        QCOMPARE(w.controller->runState().outcome, RunOutcome::Complete);
        QVERIFY(w.pages.highScore->regenerateButton()->isEnabled());
        QVERIFY(!w.controller->waitingWindow() || !w.controller->waitingWindow()->isVisible());
        QVERIFY(w.Rows(w.pages.highScore->list())[0].size() == 9);
        QVERIFY(!w.pages.highScore->list()
                     ->model()
                     ->data(w.pages.highScore->list()->model()->index(0, 0), Qt::DecorationRole)
                     .isNull());

        // The same surname again starts nothing.
        const QStringList first = rows.front();
        w.tabs.setCurrentWidget(w.pages.modeSelection);
        w.pages.modeSelection->startButton()->click();
        QCOMPARE(w.tabs.currentWidget(), w.pages.highScore);
        QVERIFY(!w.runs.IsActive());
        QCOMPARE(w.Rows(w.pages.highScore->list()).front(), first);

        // A double click on a name asks for its report.
        QSignalSpy detail(w.controller.get(), &NamingController::nameDetailRequested);
        emit w.pages.highScore->list()->doubleClicked(
            w.pages.highScore->list()->model()->index(0, 1));
        QCOMPARE(detail.count(), 1);
        QCOMPARE(detail[0][0].toString(), QStringLiteral("李"));
        QCOMPARE(detail[0][1].toString(), GivenName(first, QStringLiteral("李")));
        QCOMPARE(detail[0][2].toStringList(), first);

        // Another surname empties the list and starts again.
        w.pages.modeSelection->surname()->setText(QStringLiteral("王"));
        QVERIFY(w.RunFrom(w.pages.modeSelection->startButton()));
        for (const QStringList& row : w.Rows(w.pages.highScore->list()))
            QVERIFY(row.value(1).startsWith(QStringLiteral("王")));
    }

    // Which naming button is enabled when, read from the real pages on every change of a run's
    // state: started, first row, held, resumed, finished, stopped by a new start, failed.
    void theButtonsFollowTheRun() {
        NamingWindow w(m_luckyDb, m_exportFolder.path().toStdString());
        struct Buttons {
            QPushButton* start;
            PauseButton* pause;  // nullptr for a page without one
            QPushButton* exportButton;
        };
        const Buttons highScore{w.pages.highScore->regenerateButton(),
                                w.pages.highScore->pauseButton(),
                                w.pages.highScore->exportButton()};
        const Buttons superLucky{w.pages.superLucky->generateButton(),
                                 w.pages.superLucky->pauseButton(),
                                 w.pages.superLucky->exportButton()};
        const Buttons nickname{w.pages.nickname->generateButton(), nullptr, nullptr};
        // What a page shows: start, pause, pause caption (暂停 or 继续), export.
        const auto shown = [](const Buttons& b) {
            QString text = b.start->isEnabled() ? QStringLiteral("start ") : QStringLiteral("- ");
            if (b.pause)
                text += (b.pause->isEnabled() ? QStringLiteral("pause:") : QStringLiteral("-:")) +
                        b.pause->text() + QLatin1Char(' ');
            if (b.exportButton)
                text +=
                    b.exportButton->isEnabled() ? QStringLiteral("export") : QStringLiteral("-");
            return text;
        };
        const QString idle = QStringLiteral("start -:暂停 export");
        QCOMPARE(shown(highScore), idle);
        QCOMPARE(shown(superLucky), idle);
        QCOMPARE(shown(nickname), QStringLiteral("start "));

        // The worker waits before its second batch of rows until the test lets it go on.
        std::unique_ptr<std::promise<void>> gate;
        std::shared_future<void> opened;
        const auto closeGate = [&] {
            gate = std::make_unique<std::promise<void>>();
            opened = gate->get_future().share();
        };
        w.controller->observer()->SetBatchHook([&opened](int batch) {
            if (batch == 2) opened.wait_for(std::chrono::seconds(30));
        });
        w.Choose(GenerationMode::HighScore, QStringLiteral("赵"));
        w.pages.superLucky->master(SuperLuckyPage::MustHave)->click();

        for (const auto& [mode, page, other] :
             {std::tuple{GenerationMode::HighScore, highScore, superLucky},
              std::tuple{GenerationMode::SuperLucky, superLucky, highScore}}) {
            const QString name = mode == GenerationMode::HighScore ? "高分" : "超吉";
            closeGate();
            page.start->click();  // started: nothing to pause or export yet
            QCOMPARE(shown(page) + name, QStringLiteral("- -:暂停 -") + name);
            QCOMPARE(shown(other), idle);
            QTRY_VERIFY_WITH_TIMEOUT(page.pause->isEnabled(), 60000);  // the first row is on screen
            QCOMPARE(shown(page), QStringLiteral("- pause:暂停 -"));
            page.pause->click();  // held: the rows so far may be exported
            QCOMPARE(shown(page), QStringLiteral("- pause:继续 export"));
            QVERIFY(w.runs.IsHeld());
            page.pause->click();  // resumed
            QCOMPARE(shown(page), QStringLiteral("- pause:暂停 -"));
            gate->set_value();
            QVERIFY(w.WaitForRunEnd());  // finished: nothing left to hold
            QCOMPARE(w.controller->runState().outcome, RunOutcome::Complete);
            QCOMPARE(shown(page), idle);
            QVERIFY(w.Rows(page.start == highScore.start ? w.pages.highScore->list()
                                                         : w.pages.superLucky->list())
                        .size() > 2000);
        }

        // A held 高分 run that a 超吉 start stops gives its page back at once.
        closeGate();
        highScore.start->click();
        QTRY_VERIFY_WITH_TIMEOUT(highScore.pause->isEnabled(), 60000);
        highScore.pause->click();
        gate->set_value();
        w.runs.WaitUntilHeldOrFinished();
        superLucky.start->click();
        QCOMPARE(shown(highScore), idle);
        QCOMPARE(shown(superLucky), QStringLiteral("- -:暂停 -"));
        w.runs.Stop();  // the stop reports itself, as a new start's does
        QCOMPARE(w.controller->runState().outcome, RunOutcome::Stopped);
        QCOMPARE(shown(superLucky), idle);

        // 起小名 rests while its run goes on.
        w.Choose(GenerationMode::Nickname, QStringLiteral("林"));
        nickname.start->click();
        QCOMPARE(shown(nickname), QStringLiteral("- "));
        QVERIFY(w.WaitForRunEnd());
        QCOMPARE(shown(nickname), QStringLiteral("start "));

        // A run that fails says why, and every button comes back.
        SqliteDatabase broken;
        generation_fixture::BuildFullPoolDatabase(broken);
        QVERIFY(broken.Execute(G("drop table NB_八一灵动数")));
        NamingWindow failing(broken, m_exportFolder.path().toStdString());
        failing.Choose(GenerationMode::HighScore, QStringLiteral("李"));
        for (QPushButton* start : {failing.pages.highScore->regenerateButton(),
                                   failing.pages.nickname->generateButton()}) {
            m_messages.clear();
            QVERIFY(failing.RunFrom(start));
            QCOMPARE(failing.controller->runState().outcome, RunOutcome::Failed);
            QCOMPARE(m_messages.size(), 1);
            QVERIFY(m_messages[0].value(0).startsWith(QStringLiteral("读取名字数据库失败")));
            QCOMPARE(m_messages[0].value(1), QStringLiteral("错误"));
            QVERIFY(start->isEnabled());
        }
        QCOMPARE(shown({failing.pages.highScore->regenerateButton(),
                        failing.pages.highScore->pauseButton(),
                        failing.pages.highScore->exportButton()}),
                 idle);
    }

    // The buttons and boxes do what their captions say: the pet-name patterns, the English name
    // styles, 经典's 不满意?再生成一次, the 超吉 export and its failure, and the waiting window's
    // bar, which counts while the run knows how far it has come and moves to and fro after.
    void controlsDoWhatTheirCaptionsSay() {
        NamingWindow& w = *m_window;
        NicknamePage* nickname = w.pages.nickname;
        const std::pair<QRadioButton*, NicknamePatterns> patterns[] = {
            {nickname->doubled(), {true, false, false, false}},
            {nickname->xiaoPrefix(), {false, true, false, false}},
            {nickname->erSuffix(), {false, false, true, false}},
            {nickname->aPrefix(), {false, false, false, true}},
        };
        for (const auto& [button, expected] : patterns) {
            button->click();
            const NicknamePatterns chosen = nickname->Patterns();
            QCOMPARE(std::tuple(chosen.doubled, chosen.xiaoPrefix, chosen.erSuffix, chosen.aPrefix),
                     std::tuple(expected.doubled, expected.xiaoPrefix, expected.erSuffix,
                                expected.aPrefix));
        }
        const std::pair<QRadioButton*, int> styles[] = {{w.pages.english->masculine(), 1},
                                                        {w.pages.english->feminine(), 2},
                                                        {w.pages.english->neutral(), 3}};
        for (const auto& [button, style] : styles) {
            button->click();
            QCOMPARE(w.pages.english->ChosenStyle(), style);
        }

        w.Choose(GenerationMode::Classic, QStringLiteral("李"));
        QVERIFY(w.RunFrom(w.pages.modeSelection->startButton()));
        const QString first = w.pages.classic->names()->toPlainText();
        QVERIFY(w.RunFrom(w.pages.classic->regenerateButton()));
        const QString again = w.pages.classic->names()->toPlainText();
        QVERIFY(!again.isEmpty() && again.startsWith(QStringLiteral("李")));
        QCOMPARE(again.size(), first.size());

        // 超吉 导出 writes 100NameList.txt and opens it; a folder that cannot take it is told.
        SuperLuckyPage* superLucky = w.pages.superLucky;
        // A small list: second character 金 only.
        superLucky->master(SuperLuckyPage::SecondCharacter)->click();
        superLucky->elements(SuperLuckyPage::SecondCharacter)[0]->click();
        QVERIFY(w.RunFrom(superLucky->generateButton()));
        QVERIFY(superLucky->list()->model()->rowCount() > 0);
        superLucky->exportButton()->click();
        const std::filesystem::path file = m_exportFolder.path().toStdString() + "/100NameList.txt";
        QCOMPARE(w.opened.back(), file);
        QCOMPARE(ReadFile(file).count('\n'), superLucky->list()->model()->rowCount() + 1);
        NamingWindow nowhere(m_db, m_exportFolder.path().toStdString() + "/missing/folder");
        m_messages.clear();
        nowhere.pages.superLucky->exportButton()->click();
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].value(0).contains(QStringLiteral("100NameList.txt")),
                 qPrintable(m_messages[0].value(0)));
        QCOMPARE(nowhere.opened.size(), size_t(0));

        WaitingWindow waiting(nullptr);
        waiting.ShowProgress(64, 1855);
        QCOMPARE(std::pair(waiting.progress()->value(), waiting.progress()->maximum()),
                 std::pair(64, 1855));
        waiting.ShowProgress(1855, 1855);
        QCOMPARE(waiting.progress()->maximum(), 0);  // busy, not "100 %"
    }

    void emptySurnameStartsNothing() {
        NamingWindow& w = *m_window;
        for (GenerationMode mode :
             {GenerationMode::HighScore, GenerationMode::SuperLucky, GenerationMode::Classic}) {
            m_messages.clear();
            w.Choose(mode, QString());
            w.pages.modeSelection->startButton()->click();
            const QList<QStringList> expected = {{QStringLiteral("请输入姓氏!"),
                                                  QStringLiteral("提示"),
                                                  QString::number(int(Icon::Information))}};
            QCOMPARE(m_messages, expected);
            QVERIFY(!w.runs.IsActive());
            QCOMPARE(w.tabs.currentWidget(), w.pages.modeSelection);
        }
    }

    // This database has no level table: 只用常用字 cannot tell common characters from rare ones,
    // so both pages refuse the run with a message instead of listing rare characters.
    void commonCharactersOnlyWithoutTheLevelTable() {
        NamingWindow& w = *m_window;
        const struct {
            GenerationMode mode;
            QCheckBox* box;
            QPushButton* start;
            widgets::ResultListView* list;
        } pages[] = {{GenerationMode::HighScore, w.pages.highScore->commonOnly(),
                      w.pages.modeSelection->startButton(), w.pages.highScore->list()},
                     {GenerationMode::SuperLucky, w.pages.superLucky->commonOnly(),
                      w.pages.superLucky->generateButton(), w.pages.superLucky->list()}};
        for (const auto& page : pages) {
            m_messages.clear();
            page.box->setChecked(true);
            w.Choose(page.mode, QStringLiteral("李"));
            if (page.mode == GenerationMode::SuperLucky) {
                w.pages.modeSelection->startButton()->click();
                // A ticked group with no element: every character passes the filter.
                w.pages.superLucky->master(SuperLuckyPage::MustNot)->click();
            }
            QVERIFY(w.RunFrom(page.start));
            QCOMPARE(m_messages.size(), 1);
            QVERIFY2(m_messages[0].value(0).contains(QStringLiteral("缺少常用字等级表")),
                     qPrintable(m_messages[0].value(0)));
            QVERIFY(w.Rows(page.list).empty());
            QCOMPARE(w.controller->runState().outcome, RunOutcome::Failed);
        }
    }

    // 超吉: 开始起名 only shows the page; 生成 with 第二个字五行限定 金 makes names whose first
    // given-name character is 金.
    void superLuckyWithTheSecondCharacterFilter() {
        NamingWindow& w = *m_window;
        w.Choose(GenerationMode::SuperLucky, QStringLiteral("李"));
        w.pages.modeSelection->startButton()->click();
        QCOMPARE(w.tabs.currentWidget(), w.pages.superLucky);
        QVERIFY(!w.runs.IsActive());

        SuperLuckyPage* page = w.pages.superLucky;
        // With no filter group ticked there is nothing to look for: a tip, no run, no names.
        page->generateButton()->click();
        QCOMPARE(m_messages.value(0),
                 (QStringList{QStringLiteral("请先设置五行筛选条件"), QStringLiteral("提示"),
                              QString::number(int(Icon::Information))}));
        QVERIFY(!w.runs.IsActive());
        QCOMPARE(page->list()->model()->rowCount(), 0);

        page->master(SuperLuckyPage::SecondCharacter)->click();
        page->elements(SuperLuckyPage::SecondCharacter)[0]->click();  // 金
        QVERIFY(w.RunFrom(page->generateButton()));
        const auto& rows = w.Rows(page->list());
        QVERIFY(!rows.empty());
        QVERIFY(IsFinishedList(rows));
        for (const QStringList& row : rows)
            QCOMPARE(ElementOf(m_db, GivenName(row, QStringLiteral("李")).left(1)), G("金"));
        QVERIFY(page->generateButton()->isEnabled());
        QVERIFY(page->exportButton()->isEnabled());
    }

    // Rows a stopped run had already sent never reach the list that the next start emptied.
    void rowsOfAStoppedRunNeverAppear() {
        NamingWindow& w = *m_window;
        w.Choose(GenerationMode::SuperLucky, QStringLiteral("李"));
        SuperLuckyPage* page = w.pages.superLucky;
        page->master(SuperLuckyPage::MustNot)->click();  // no element excluded: every character
        page->generateButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(page->list()->model()->rowCount() > 0, 60000);
        w.pages.modeSelection->surname()->setText(QStringLiteral("张"));
        w.pages.modeSelection->startButton()->click();  // stops the run and empties the list
        QCOMPARE(page->list()->model()->rowCount(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!w.runs.IsActive(), 60000);
        QCoreApplication::processEvents();
        QCOMPARE(page->list()->model()->rowCount(), 0);
        QCOMPARE(page->pauseButton()->text(), QStringLiteral("暂停"));
    }

    // 诗词: the poets, the poems of the chosen one, the boxes of the very poem picked (not the
    // first of its title), 全选, 生成.
    void poemPickingAndNames() {
        NamingWindow& w = *m_window;
        PoemNamingPage* page = w.pages.poem;
        w.Choose(GenerationMode::Poem, QStringLiteral("李"));
        w.pages.modeSelection->startButton()->click();
        QCOMPARE(w.tabs.currentWidget(), page);
        QVERIFY(!w.runs.IsActive());
        QCOMPARE(page->poets()->model()->rowCount(), 2);
        QCOMPARE(page->poets()->model()->Row(0).value(1), QStringLiteral("李白"));
        QCOMPARE(page->poems()->model()->rowCount(), 2);
        // Each poem row carries its Id past the shown columns: the poem beside the boxes is the
        // one of that Id, not the first of its title.
        QCOMPARE(page->poems()->model()->Row(1).value(2), QStringLiteral("2"));
        QCOMPARE(page->poems()->model()->columnCount(), 2);

        page->poems()->selectRow(1);
        page->usePoemButton()->click();
        QCOMPARE(page->innerTabs()->currentWidget(), page->charactersPage());
        QStringList captions, ticked;
        for (QCheckBox* box : page->characterBoxes()) {
            captions << box->text();
            if (box->isChecked()) ticked << box->text();
        }
        QCOMPARE(captions.join(QString()), QStringLiteral("春江潮水连海平海上明月共潮生"));
        QCOMPARE(ticked,
                 (QStringList{QStringLiteral("江"), QStringLiteral("海"), QStringLiteral("海")}));
        // For a girl the same poem leaves 江, a boy's character, unticked.
        w.pages.modeSelection->sex()->setCurrentIndex(1);
        page->usePoemButton()->click();
        QCOMPARE(page->TickedCharacters(),
                 (QStringList{QStringLiteral("海"), QStringLiteral("海")}));
        w.pages.modeSelection->sex()->setCurrentIndex(0);
        page->usePoemButton()->click();

        page->invertButton()->click();
        QCOMPARE(page->TickedCharacters().size(), 11);
        page->clearAllButton()->click();
        QVERIFY(page->TickedCharacters().isEmpty());
        page->selectAllButton()->click();
        QCOMPARE(page->TickedCharacters().size(), 14);

        QVERIFY(w.RunFrom(page->generateButton()));
        QCOMPARE(page->innerTabs()->currentWidget(), page->resultsPage());
        const auto& rows = w.Rows(page->list());
        QVERIFY(!rows.empty());
        const QString poem = captions.join(QString());
        for (const QStringList& row : rows)
            for (QChar character : GivenName(row, QStringLiteral("李")))
                QVERIFY2(poem.contains(character), qPrintable(row.value(1)));

        // Another poet's poem of the same title is that poet's own.
        page->poets()->selectRow(1);
        QCOMPARE(page->poems()->model()->rowCount(), 1);
        page->usePoemButton()->click();
        QCOMPARE(page->characterBoxes().first()->text(), QStringLiteral("两"));

        // 查找诗人 keeps the poets whose name holds the text; their poems follow.
        page->poetFilter()->setText(QStringLiteral("杜"));
        QCOMPARE(page->poets()->model()->Rows(),
                 (std::vector<QStringList>{{QStringLiteral("2"), QStringLiteral("杜甫")}}));
        QCOMPARE(page->poems()->model()->rowCount(), 1);
        page->poetFilter()->setText(QStringLiteral("王"));
        QCOMPARE(page->poets()->model()->rowCount(), 0);
        QCOMPARE(page->poems()->model()->rowCount(), 0);
        page->poetFilter()->clear();
        QCOMPARE(page->poets()->model()->rowCount(), 2);

        page->poems()->clearSelection();
        page->usePoemButton()->click();
        QCOMPARE(m_messages.last(),
                 (QStringList{QStringLiteral("请选择一首诗词"), QStringLiteral("提示"),
                              QString::number(int(Icon::None))}));
        QVERIFY(page->characterBoxes().isEmpty());
    }

    // A long poem's boxes stand 15 to a row inside the scroll area.
    void poemBoxesFifteenToARow() {
        PoemNamingPage page;
        std::vector<std::pair<QString, bool>> characters;
        for (int i = 0; i < 300; ++i) characters.emplace_back(QStringLiteral("月"), i % 2 == 0);
        page.SetPoemCharacters(characters);
        QCOMPARE(page.characterBoxes().size(), 300);
        auto* grid = static_cast<QGridLayout*>(page.characterArea()->widget()->layout());
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(page.characterBoxes()[31]), &row, &column, &rowSpan,
                              &columnSpan);
        QCOMPARE(row, 2);
        QCOMPARE(column, 1);
        QCOMPARE(grid->rowCount(), 20);
        QVERIFY(page.characterArea()->isAncestorOf(page.characterBoxes().last()));
    }

    void combinationNicknameEnglishAndClassic() {
        NamingWindow& w = *m_window;
        const QString defaultText = QStringLiteral("圣诚杰泽鹤航轩辉皓君豪博楷国益佑天南泰宇");
        QCOMPARE(w.pages.combination->characters()->text(), defaultText);
        w.Choose(GenerationMode::Combination, QStringLiteral("李"));
        w.pages.modeSelection->startButton()->click();
        QCOMPARE(w.tabs.currentWidget(), w.pages.combination);
        // An empty box has no characters to combine: a tip, and no run.
        w.pages.combination->characters()->setText(QStringLiteral("  "));
        w.pages.combination->generateButton()->click();
        QCOMPARE(m_messages.value(0),
                 (QStringList{QStringLiteral("请输入要组合的字"), QStringLiteral("提示"),
                              QString::number(int(Icon::Information))}));
        QVERIFY(!w.runs.IsActive());
        w.pages.combination->characters()->setText(defaultText);
        QVERIFY(w.RunFrom(w.pages.combination->generateButton()));
        QCOMPARE(w.pages.combination->characters()->text(), defaultText);
        QCOMPARE(w.Rows(w.pages.combination->list()).size(), size_t(20 * 20));
        for (const QStringList& row : w.Rows(w.pages.combination->list()))
            for (QChar character : GivenName(row, QStringLiteral("李")))
                QVERIFY(defaultText.contains(character));

        w.Choose(GenerationMode::Nickname, QStringLiteral("林"));
        w.pages.modeSelection->startButton()->click();
        QCOMPARE(w.tabs.currentWidget(), w.pages.nickname);
        w.pages.nickname->doubled()->click();
        QVERIFY(w.RunFrom(w.pages.nickname->generateButton()));
        QVERIFY(!w.Rows(w.pages.nickname->list()).empty());
        for (const QStringList& row : w.Rows(w.pages.nickname->list())) {
            const QString given = GivenName(row, QStringLiteral("林"));
            QVERIFY(given.size() == 2 && given[0] == given[1] && given[0] != QChar(u'林'));
        }

        // 起英文名: 开始起名 copies the surname; the checks; 子轩 男性化 gives the th names.
        EnglishNamePage* english = w.pages.english;
        w.Choose(GenerationMode::English, QStringLiteral("李"));
        w.pages.modeSelection->startButton()->click();
        QCOMPARE(english->surname()->text(), QStringLiteral("李"));
        m_messages.clear();
        english->generateButton()->click();
        english->surname()->clear();
        english->givenName()->setText(QStringLiteral("子轩"));
        english->generateButton()->click();
        QCOMPARE(m_messages,
                 (QList<QStringList>{{QStringLiteral("请输入名字"), QStringLiteral("提示"), "0"},
                                     {QStringLiteral("请输入姓氏"), QStringLiteral("提示"), "0"}}));
        QVERIFY(!w.runs.IsActive());
        english->surname()->setText(QStringLiteral("李"));
        english->masculine()->click();
        for (int press = 0; press < 2; ++press) {
            QVERIFY(w.RunFrom(english->generateButton()));
            const auto& rows = w.Rows(english->list());
            QCOMPARE(rows.size(), size_t(2));
            QCOMPARE(rows[0], (QStringList{"1", "Thomas", QStringLiteral("托马斯"),
                                           QStringLiteral("含义")}));
            QCOMPARE(rows[1].value(0), QStringLiteral("2"));
            QVERIFY(rows[1].value(1).startsWith(QStringLiteral("Th")));
        }
        QVERIFY(m_messages.size() == 2);
        // 名字长度 7 to 20 keeps Theodore (8 letters) and drops Thomas (6).
        english->shortest()->setCurrentText(QStringLiteral("7"));
        QVERIFY(w.RunFrom(english->generateButton()));
        QCOMPARE(w.Rows(english->list()).size(), size_t(1));
        QCOMPARE(w.Rows(english->list())[0].value(1), QStringLiteral("Theodore"));
        english->shortest()->setCurrentIndex(0);

        // 经典: the text in lines of 14 names with a blank line after each, exported unchanged.
        w.Choose(GenerationMode::Classic, QStringLiteral("李"));
        QVERIFY(w.RunFrom(w.pages.modeSelection->startButton()));
        QCOMPARE(w.tabs.currentWidget(), w.pages.classic);
        const QString shown = w.pages.classic->names()->toPlainText();
        const QStringList lines = shown.split(QLatin1Char('\n'));
        QVERIFY(lines.size() > 3);
        QCOMPARE(lines[0].count(QStringLiteral("李")), 14);
        QCOMPARE(lines[1], QString());
        QVERIFY(lines[0].startsWith(QStringLiteral("李")));
        QVERIFY(lines[0].endsWith(QStringLiteral("  ")));
        w.pages.classic->exportButton()->click();
        const std::filesystem::path file =
            m_exportFolder.path().toStdString() + "/ClassNameList.txt";
        const QByteArray bytes = ReadFile(file);
        QVERIFY(bytes.contains("\r\n\r\n"));
        QCOMPARE(widgets::FromGbk(bytes.toStdString())
                     .replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                 shown);
        QCOMPARE(w.opened.back(), file);
    }

    // 设置辈份: a second character fixed in the dialog is in every 高分 name; 取消 switches it
    // off without changing the mark's colour.
    void generationCharacterInSecondPosition() {
        NamingWindow& w = *m_window;
        QLabel* mark = w.pages.modeSelection->generationCharacterMark();
        QTest::mouseClick(mark, Qt::LeftButton);
        GenerationCharacterDialog* dialog = w.pages.modeSelection->generationCharacterDialog();
        QVERIFY(dialog);
        QVERIFY(dialog->noneButton()->isChecked());
        dialog->secondButton()->click();
        dialog->okButton()->click();
        QCOMPARE(m_messages.last().value(0), QStringLiteral("请输入所设定的第二个字"));
        QVERIFY(dialog->isVisible());
        QVERIFY(!w.pages.modeSelection->generationCharacter().active);
        dialog->secondText()->setText(QStringLiteral("志"));
        dialog->okButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w.pages.modeSelection->generationCharacterDialog(), 60000);
        QVERIFY(w.pages.modeSelection->generationCharacter().active);
        QVERIFY(mark->styleSheet().contains(QStringLiteral("#ff0000")));

        w.Choose(GenerationMode::HighScore, QStringLiteral("李"));
        QVERIFY(w.RunFrom(w.pages.modeSelection->startButton()));
        QVERIFY(m_messages.contains(
            QStringList{QStringLiteral("设定辈份后,产生的名字较少,所以系统将显示全部名字"),
                        QStringLiteral("提示"), QString::number(int(Icon::Warning))}));
        const auto& rows = w.Rows(w.pages.highScore->list());
        QVERIFY(!rows.empty());
        for (const QStringList& row : rows) QCOMPARE(row.value(1).mid(1, 1), QStringLiteral("志"));

        QTest::mouseClick(mark, Qt::LeftButton);
        dialog = w.pages.modeSelection->generationCharacterDialog();
        QVERIFY(dialog->secondButton()->isChecked());
        dialog->cancelButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w.pages.modeSelection->generationCharacterDialog(), 60000);
        QVERIFY(!w.pages.modeSelection->generationCharacter().active);
        QVERIFY(mark->styleSheet().contains(QStringLiteral("#ff0000")));
        w.pages.modeSelection->ResetGenerationCharacter();
        QVERIFY(mark->styleSheet().contains(QStringLiteral("#606060")));

        // The third position: an empty text is asked for, then every name ends with it.
        QTest::mouseClick(mark, Qt::LeftButton);
        dialog = w.pages.modeSelection->generationCharacterDialog();
        dialog->thirdButton()->click();
        dialog->okButton()->click();
        QCOMPARE(m_messages.last().value(0), QStringLiteral("请输入所设定的第三个字"));
        dialog->thirdText()->setText(QStringLiteral("华"));
        dialog->okButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w.pages.modeSelection->generationCharacterDialog(), 60000);
        w.pages.modeSelection->surname()->setText(QStringLiteral("王"));
        QVERIFY(w.RunFrom(w.pages.modeSelection->startButton()));
        QVERIFY(!w.Rows(w.pages.highScore->list()).empty());
        for (const QStringList& row : w.Rows(w.pages.highScore->list()))
            QCOMPARE(row.value(1).right(1), QStringLiteral("华"));
    }

  private:
    // The built name database, when this checkout has one (scripts/setup.sh makes it), copied
    // into memory as the program loads it.
    static bool OpenNameDatabase(SqliteDatabase& db) {
        struct QuietSink : LoadFailureSink {
            void ShowLoadFailure(const std::string&) override {}
        } sink;
        const std::filesystem::path file = BABYNAME_NAME_DATABASE;
        return std::filesystem::exists(file) && LoadNameDatabase(db, file, sink);
    }

  private slots:
    // The typical request on the real names: 李, 男, 二字, 高分, 开始起名 gives 10000 names of
    // 90 or more; 暂停 holds the run, 导出列表 writes the rows shown so far, 继续 finishes it.
    // 典籍起名 on the name database, through its page: the mode opens the page, no collection
    // ticked is a tip and no run, a girl's names from 诗经 and 楚辞 each carry the passage that
    // holds both characters, and the export writes the source columns too.
    void canonNamesOnTheNameDatabase() {
        SqliteDatabase names;
        if (!OpenNameDatabase(names)) QSKIP("data/namedata.db has not been built");
        NamingWindow w(names, m_exportFolder.path().toStdString());
        CanonPage* page = w.pages.canon;
        w.Choose(GenerationMode::Canon, QStringLiteral("王"));
        w.pages.modeSelection->sex()->setCurrentIndex(1);
        w.pages.modeSelection->startButton()->click();
        QCOMPARE(w.tabs.currentWidget(), page);
        QVERIFY(!w.runs.IsActive());
        QStringList ticked;
        for (QCheckBox* box : page->collectionBoxes())
            if (box->isChecked()) ticked << box->text();
        QCOMPARE(ticked, (QStringList{QStringLiteral("诗经"), QStringLiteral("楚辞")}));

        for (QCheckBox* box : page->collectionBoxes()) box->setChecked(false);
        m_messages.clear();
        page->generateButton()->click();
        QCOMPARE(m_messages.value(0).value(0), QStringLiteral("请至少选择一部典籍"));
        QVERIFY(!w.runs.IsActive());

        page->collectionBoxes()[0]->setChecked(true);
        page->collectionBoxes()[1]->setChecked(true);
        QVERIFY(w.RunFrom(page->generateButton()));
        const auto& rows = w.Rows(page->list());
        QVERIFY(rows.size() >= 2000);
        QCOMPARE(page->list()->model()->headerData(11, Qt::Horizontal).toString(),
                 QStringLiteral("原句"));
        // The line shows beside the name: the strokes, grids and 三才 are left to the report.
        for (int column : {2, 3, 5, 6}) QVERIFY(page->list()->isColumnHidden(column));
        QVERIFY(!page->list()->isColumnHidden(11));
        for (const QStringList& row : rows) {
            const QString given = row.value(1).mid(1);
            const QString passage = row.value(11);
            const int at = passage.indexOf(given.at(0));
            QVERIFY2(at >= 0 && passage.indexOf(given.at(1), at + 1) > at,
                     qPrintable(row.join('|')));
            QVERIFY(row.value(9).startsWith(QStringLiteral("诗经")) ||
                    row.value(9).startsWith(QStringLiteral("楚辞")));
        }
        page->exportButton()->click();
        const std::filesystem::path file =
            m_exportFolder.path().toStdString() + "/" + kCanonExportFile;
        const QList<QByteArray> lines = ReadFile(file).split('\n');
        QVERIFY(widgets::FromGbk(lines[0].toStdString())
                    .endsWith(QStringLiteral("出处    作者    原句\r")));
        QCOMPARE(size_t(lines.size()), rows.size() + 2);
    }

    void typicalRequestOnTheNameDatabase() {
        SqliteDatabase names;
        if (!OpenNameDatabase(names)) QSKIP("data/namedata.db has not been built");
        NamingWindow w(names, m_exportFolder.path().toStdString());
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        w.controller->observer()->SetBatchHook([released](int batch) {
            if (batch == 2) released.wait_for(std::chrono::seconds(10));
        });
        w.Choose(GenerationMode::HighScore, QStringLiteral("李"));
        w.pages.modeSelection->sex()->setCurrentIndex(0);
        w.pages.modeSelection->startButton()->click();
        QPushButton* pause = w.pages.highScore->pauseButton();
        QTRY_VERIFY_WITH_TIMEOUT(pause->isEnabled(), 60000);
        pause->click();
        release.set_value();
        w.runs.WaitUntilHeldOrFinished();
        QVERIFY(w.runs.IsHeld());
        QCoreApplication::processEvents();
        const auto& rows = w.Rows(w.pages.highScore->list());
        const size_t rowsSoFar = rows.size();
        QVERIFY(rowsSoFar > 0 && rowsSoFar < 10000);
        QVERIFY(w.pages.highScore->exportButton()->isEnabled());

        w.pages.highScore->exportButton()->click();
        const std::filesystem::path file = m_exportFolder.path().toStdString() + "/NameList.txt";
        const QList<QByteArray> lines = ReadFile(file).split('\n');
        QCOMPARE(size_t(lines.size()),
                 rowsSoFar + 2);  // header, rows, nothing after the last CR LF
        QCOMPARE(
            widgets::FromGbk(lines[0].toStdString()),
            QStringLiteral(
                "编号    姓名    简体笔划    繁体笔划    五行    五格    三才    评分    寓意\r"));
        // The list ends with what each name means, as the review and the dictionary say it.
        widgets::ResultListModel* model = w.pages.highScore->list()->model();
        QCOMPARE(model->headerData(8, Qt::Horizontal).toString(), QStringLiteral("寓意"));
        QVERIFY(!model->data(model->index(0, 8)).toString().isEmpty());
        QCOMPARE(widgets::FromGbk(lines[1].toStdString()),
                 rows[0].join(QStringLiteral("    ")) + QLatin1Char('\r'));
        QCOMPARE(w.opened.back(), file);

        pause->click();
        QCOMPARE(pause->text(), QStringLiteral("暂停"));
        QVERIFY(w.WaitForRunEnd());
        QCOMPARE(rows.size(), size_t(10000));
        QVERIFY(IsFinishedList(rows));
        for (const QStringList& row : rows) QVERIFY(row.value(7).toInt() >= 90);
    }

    // 只用常用字 on the 高分 page keeps every rare character out of the list, which still fills.
    void commonCharactersOnlyOnTheNameDatabase() {
        SqliteDatabase names;
        if (!OpenNameDatabase(names)) QSKIP("data/namedata.db has not been built");
        NamingWindow w(names, m_exportFolder.path().toStdString());
        QVERIFY(!w.pages.highScore->commonOnly()->isChecked());
        w.pages.highScore->commonOnly()->setChecked(true);
        w.Choose(GenerationMode::HighScore, QStringLiteral("李"));
        QVERIFY(w.RunFrom(w.pages.modeSelection->startButton()));
        const auto& rows = w.Rows(w.pages.highScore->list());
        QCOMPARE(rows.size(), size_t(10000));
        QSet<QString> characters;
        for (const QStringList& row : rows)
            for (QChar character : row.value(1).mid(1)) characters.insert(character);
        for (const QString& character : characters) {
            // The database layer takes GBK, and this file's literals are UTF-8.
            Statement level = names.Prepare(
                widgets::ToGbk(QStringLiteral("select 级别 from NB_字级 where 汉字=?")),
                {SqlValue::Text(widgets::ToGbk(character))});
            const bool found = level.Next();
            QVERIFY2(found && level.Int(0) == 1,
                     qPrintable(character + QLatin1Char(' ') + widgets::FromGbk(level.ErrorText()) +
                                QLatin1Char(' ') + QString::number(level.Int(0))));
        }
    }

  private:
    SqliteDatabase m_db;
    SqliteDatabase m_luckyDb;
    QTemporaryDir m_exportFolder;
    std::unique_ptr<NamingWindow> m_window;
    QList<QStringList> m_messages;
};

QTEST_MAIN(NamingControllerTest)
#include "NamingControllerTest.moc"
