// The naming pages under a run, as a parent meets them: the time from 开始起名 to the whole 高分
// list on screen, and for 超吉 (100000 rows) what filing the rows costs the window thread and the
// longest the window went without answering. Runs offscreen on the built name database (or the
// file BABYNAME_DB names).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "generation/RunController.h"
#include "generation/ui/CanonPage.h"
#include "generation/ui/ClassicPage.h"
#include "generation/ui/CombinationPage.h"
#include "generation/ui/EnglishNamePage.h"
#include "generation/ui/HighScorePage.h"
#include "generation/ui/ModeSelectionPage.h"
#include "generation/ui/NamingController.h"
#include "generation/ui/NamingModes.h"
#include "generation/ui/NicknamePage.h"
#include "generation/ui/PoemNamingPage.h"
#include "generation/ui/SuperLuckyPage.h"
#include "namedb/LoadNameDatabase.h"

using namespace generation_ui;

namespace {

SqliteDatabase* Database() {
    static SqliteDatabase db;
    static const bool loaded = [] {
        struct Quiet : LoadFailureSink {
            void ShowLoadFailure(const std::string&) override {}
        } sink;
        const char* fromEnvironment = std::getenv("BABYNAME_DB");
        const std::filesystem::path file =
            fromEnvironment ? fromEnvironment : BABYNAME_DEFAULT_DATABASE;
        return LoadNameDatabase(db, file, sink);
    }();
    return loaded ? &db : nullptr;
}

// The naming pages in their tab host with their controller, as the main window places them.
struct NamingWindow {
    explicit NamingWindow(SqliteDatabase& db) {
        pages = {new ModeSelectionPage, new HighScorePage,
                 new SuperLuckyPage,    new PoemNamingPage,
                 new CombinationPage,   new NicknamePage,
                 new EnglishNamePage,   new ClassicPage,
                 new CanonPage,         &tabs};
        for (QWidget* page : std::initializer_list<QWidget*>{
                 pages.modeSelection, pages.highScore, pages.poem, pages.combination,
                 pages.nickname, pages.english, pages.superLucky, pages.classic, pages.canon})
            tabs.addTab(page, page->metaObject()->className());
        controller = std::make_unique<NamingController>(
            pages, NamingServices{&runs, [&db] { return &db; }, {}, &tabs});
        pages.modeSelection->surname()->setText(QStringLiteral("李"));
        pages.modeSelection->nameLength()->setCurrentIndex(1);
        tabs.show();
    }
    ~NamingWindow() {
        controller->ShutDown();
        runs.ShutDown();
    }
    bool WaitForRunEnd() {
        return QTest::qWaitFor(
            [this] { return controller->runState().phase == RunState::Phase::Ended; }, 120000);
    }

    QTabWidget tabs;
    NamingPages pages;
    RunController runs;
    std::unique_ptr<NamingController> controller;
};

void ChooseMode(NamingWindow& window, GenerationMode mode) {
    const auto& modes = NamingModes();
    for (size_t i = 0; i < modes.size(); ++i)
        if (modes[i].mode == mode) window.pages.modeSelection->modeButtons()[int(i)]->click();
}

void HighScoreListAfterTheClick(benchmark::State& state) {
    SqliteDatabase* db = Database();
    if (!db) {
        state.SkipWithError("the name database has not been built");
        return;
    }
    NamingWindow window(*db);
    bool other = false;
    for (auto _ : state) {
        // A new surname each time: the same one would only show the page again.
        other = !other;
        window.pages.modeSelection->surname()->setText(other ? QStringLiteral("王")
                                                             : QStringLiteral("李"));
        ChooseMode(window, GenerationMode::HighScore);
        window.pages.modeSelection->startButton()->click();
        if (window.controller->runState().phase == RunState::Phase::Ended)
            state.SkipWithError("the click started no run");
        if (!window.WaitForRunEnd()) state.SkipWithError("the run did not end");
    }
    state.counters["rows"] = double(window.pages.highScore->list()->model()->rowCount());
}
BENCHMARK(HighScoreListAfterTheClick)->Unit(benchmark::kMillisecond)->UseRealTime();

void SuperLuckyWindowThread(benchmark::State& state) {
    SqliteDatabase* db = Database();
    if (!db) {
        state.SkipWithError("the name database has not been built");
        return;
    }
    NamingWindow window(*db);
    SuperLuckyPage* page = window.pages.superLucky;
    page->master(SuperLuckyPage::MustHave)->click();  // no element ticked: all five
    qint64 longestStall = 0;
    double filingMs = 0;
    for (auto _ : state) {
        QElapsedTimer beat;
        QTimer heart;
        QObject::connect(&heart, &QTimer::timeout,
                         [&] { longestStall = std::max(longestStall, beat.restart()); });
        const qint64 filedBefore = window.controller->rowFilingNanoseconds();
        beat.start();
        heart.start(5);
        page->generateButton()->click();
        if (!window.WaitForRunEnd()) state.SkipWithError("the run did not end");
        heart.stop();
        filingMs += double(window.controller->rowFilingNanoseconds() - filedBefore) / 1e6;
    }
    state.counters["rows"] = double(page->list()->model()->rowCount());
    state.counters["filing_ms"] = benchmark::Counter(filingMs, benchmark::Counter::kAvgIterations);
    state.counters["longest_stall_ms"] = double(longestStall);
}
BENCHMARK(SuperLuckyWindowThread)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
