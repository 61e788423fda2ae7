// The name-quality findings at the speeds the window needs them: all four for one name when its
// detail window opens, and a whole 高分 run (男, 二字, 李) with the reordering of equal scores,
// with and without 只用常用字, beside the reordering of its 10000 rows alone. Reads the built name
// database beside the program (or BABYNAME_DB), copied into memory as the program does.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "generation/QualityOrder.h"
#include "generation/RunGeneration.h"
#include "generation/tests/QuietObserver.h"
#include "namedb/LoadNameDatabase.h"
#include "quality/NameQuality.h"

namespace {

class SilentSink : public LoadFailureSink {
  public:
    void ShowLoadFailure(const std::string&) override {}
};

// Keeps the finished list, as a window would.
class KeepingObserver : public QuietObserver {
  public:
    void ListFinished(ResultList, const std::vector<ResultRow>& list) override { rows = list; }
    std::vector<ResultRow> rows;
};

SqliteDatabase* Database() {
    static SqliteDatabase db;
    static bool loaded = [] {
        const char* fromEnvironment = std::getenv("BABYNAME_DB");
        std::filesystem::path file = fromEnvironment ? fromEnvironment : BABYNAME_DEFAULT_DATABASE;
        SilentSink sink;
        return std::filesystem::exists(file) && LoadNameDatabase(db, file, sink);
    }();
    return loaded ? &db : nullptr;
}

// One name as the detail window asks for it: levels, readings, tones, sounds and the poem line,
// each name with a new checker (nothing kept from the name before).
void BM_QualityOfOneName(benchmark::State& state) {
    SqliteDatabase* db = Database();
    if (!db) return state.SkipWithError("no name database; build data/namedata.db");
    const std::pair<const char*, const char*> names[] = {
        {"李", "明月"}, {"杜", "子腾"}, {"李", "勐渗"}, {"欧阳", "清风"}, {"张", "思远"}};
    size_t next = 0;
    for (auto _ : state) {
        const auto& [surname, given] = names[next++ % std::size(names)];
        benchmark::DoNotOptimize(quality::EvaluateNameQuality(*db, surname, given));
    }
}
BENCHMARK(BM_QualityOfOneName)->Unit(benchmark::kMicrosecond);

GenerationInputs LiBoy(bool commonOnly) {
    GenerationInputs inputs;
    inputs.mode = GenerationMode::HighScore;
    inputs.surname = std::string("李");
    inputs.sex = Sex::Male;
    inputs.commonOnly = commonOnly;
    return inputs;
}

void RunHighScore(benchmark::State& state, bool commonOnly) {
    SqliteDatabase* db = Database();
    if (!db) return state.SkipWithError("no name database; build data/namedata.db");
    GenerationInputs inputs = LiBoy(commonOnly);
    std::uint64_t seed = 1;
    size_t rows = 0;
    for (auto _ : state) {
        inputs.shuffleSeed = seed++;
        KeepingObserver observer;
        RunControl control;
        RunGeneration(inputs, observer, *db, control).Execute();
        rows = observer.rows.size();
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void BM_HighScoreRunReordered(benchmark::State& state) { RunHighScore(state, false); }
BENCHMARK(BM_HighScoreRunReordered)->Unit(benchmark::kMillisecond);

void BM_HighScoreRunCommonOnly(benchmark::State& state) { RunHighScore(state, true); }
BENCHMARK(BM_HighScoreRunCommonOnly)->Unit(benchmark::kMillisecond);

// The reordering alone, on a finished 高分 list, with a fresh checker as each run makes one.
void BM_ReorderTenThousandRows(benchmark::State& state) {
    SqliteDatabase* db = Database();
    if (!db) return state.SkipWithError("no name database; build data/namedata.db");
    KeepingObserver observer;
    RunControl control;
    GenerationInputs inputs = LiBoy(false);
    inputs.shuffleSeed = 1;
    RunGeneration(inputs, observer, *db, control).Execute();
    for (auto _ : state) {
        std::vector<ResultRow> rows = observer.rows;
        quality::NameQualityChecker checker(*db, "李");
        OrderByNameQuality(rows, "李", checker);
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["rows"] = static_cast<double>(observer.rows.size());
}
BENCHMARK(BM_ReorderTenThousandRows)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
