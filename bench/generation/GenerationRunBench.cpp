// Whole generation runs as a user starts them: 高分 (男, 二字, 李), 超吉 over the full male pool
// with every element required of every character (about 3.4 million candidates), and 典籍. With the
// name database beside the program (or BABYNAME_DB) the runs read it; otherwise a stand-in database
// that holds every pool character with made-up stroke counts and elements.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "generation/RunGeneration.h"
#include "generation/tests/GenerationFixture.h"
#include "generation/tests/QuietObserver.h"
#include "namedb/LoadNameDatabase.h"

namespace {

class SilentSink : public LoadFailureSink {
  public:
    void ShowLoadFailure(const std::string&) override {}
};

// Keeps what a window would show, so the run does all the work it does for a window.
class CountingObserver : public QuietObserver {
  public:
    void RowsReady(ResultList, std::span<const ResultRow> rows) override { written += rows.size(); }
    void ListFinished(ResultList, const std::vector<ResultRow>& rows) override {
        finished = rows.size();
    }
    size_t written = 0;
    size_t finished = 0;
};

SqliteDatabase& Database(std::string& source) {
    static SqliteDatabase db;
    static std::string loadedFrom;
    if (loadedFrom.empty()) {
        const char* fromEnvironment = std::getenv("BABYNAME_DB");
        std::filesystem::path file = fromEnvironment ? fromEnvironment : BABYNAME_DEFAULT_DATABASE;
        SilentSink sink;
        if (std::filesystem::exists(file) && LoadNameDatabase(db, file, sink)) {
            loadedFrom = file.string();
        } else {
            generation_fixture::BuildFullPoolDatabase(db);
            loadedFrom = "stand-in database of the full pools";
        }
    }
    source = loadedFrom;
    return db;
}

void RunMode(benchmark::State& state, const GenerationInputs& base) {
    std::string source;
    SqliteDatabase& db = Database(source);
    state.SetLabel(source);
    GenerationInputs inputs = base;
    std::uint64_t seed = 1;
    size_t rows = 0;
    size_t candidates = 0;
    for (auto _ : state) {
        inputs.shuffleSeed = seed++;
        CountingObserver observer;
        RunControl control;
        RunGeneration run(inputs, observer, db, control);
        run.Execute();
        rows = observer.finished;
        state.PauseTiming();
        candidates = run.CandidateTexts().size();
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["candidates"] = static_cast<double>(candidates);
}

GenerationInputs LiBoy(GenerationMode mode) {
    GenerationInputs inputs;
    inputs.mode = mode;
    inputs.surname = std::string("李");
    inputs.sex = Sex::Male;
    return inputs;
}

void BM_HighScoreRun(benchmark::State& state) { RunMode(state, LiBoy(GenerationMode::HighScore)); }
BENCHMARK(BM_HighScoreRun)->Unit(benchmark::kMillisecond);

void BM_SuperLuckyRun(benchmark::State& state) {
    GenerationInputs inputs = LiBoy(GenerationMode::SuperLucky);
    inputs.superLuckyFilters.mustHave = {true, "金木水火土"};
    RunMode(state, inputs);
}
BENCHMARK(BM_SuperLuckyRun)->Unit(benchmark::kMillisecond)->Iterations(3);

// 典籍起名 for a girl, from 诗经 and 楚辞 (the default) or from every collection; the stand-in
// database has no passages and lists nothing.
void BM_CanonRun(benchmark::State& state) {
    GenerationInputs inputs = LiBoy(GenerationMode::Canon);
    inputs.sex = Sex::Female;
    if (state.range(0) == 1)
        inputs.canonCollections = {"诗经", "楚辞", "论语", "孟子", "大学", "中庸", "唐诗", "宋词"};
    RunMode(state, inputs);
}
BENCHMARK(BM_CanonRun)->Arg(0)->Arg(1)->ArgNames({"all"})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
