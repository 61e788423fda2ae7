#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "namedb/LoadNameDatabase.h"
#include "namedb/SqliteDatabase.h"

namespace {

class ErrorToState : public LoadFailureSink {
  public:
    explicit ErrorToState(benchmark::State& state) : m_state(state) {}
    void ShowLoadFailure(const std::string& gbkText) override { m_state.SkipWithError(gbkText.c_str()); }

  private:
    benchmark::State& m_state;
};

// The start-up copy of the built name database into memory, with its indexes.
void BM_LoadNameDatabase(benchmark::State& state) {
    const std::filesystem::path file = BABYNAME_NAME_DATABASE;
    if (!std::filesystem::exists(file)) {
        state.SkipWithError("data/namedata.db is missing: run tools/namedb/prepare.sh");
        return;
    }
    ErrorToState sink(state);
    for (auto _ : state) {
        SqliteDatabase db;
        if (!LoadNameDatabase(db, file, sink)) break;
        benchmark::DoNotOptimize(db);
        db.Close();
    }
}
BENCHMARK(BM_LoadNameDatabase)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
