// The birth chart runs once at start-up and on every query; these show what it costs.
#include <benchmark/benchmark.h>

#include "birthchart/BirthChartQuery.h"
#include "birthchart/LunarCalendar.h"

namespace {

using birthchart::CalendarMoment;

// Late in each month, after its terms, and at 23:30, where the day pillar moves on.
void BM_ComputeFourPillars(benchmark::State& state) {
    int month = 1;
    for (auto _ : state) {
        birthchart::FourPillars pillars;
        CalendarMoment moment{2030, month, 28, 23, 30, 0};
        benchmark::DoNotOptimize(birthchart::computeFourPillars(moment, pillars));
        month = month % 12 + 1;
    }
}
BENCHMARK(BM_ComputeFourPillars);

// 2048 is the far end of the table: the conversion walks through every lunar year before it.
void BM_GregorianToLunar(benchmark::State& state) {
    int year = static_cast<int>(state.range(0));
    for (auto _ : state) {
        birthchart::LunarDate lunar;
        benchmark::DoNotOptimize(birthchart::gregorianToLunar(year, 12, 31, lunar));
    }
}
BENCHMARK(BM_GregorianToLunar)->Arg(1902)->Arg(2048);

void BM_QueryBirthChart(benchmark::State& state) {
    birthchart::ChartState chart;
    for (auto _ : state) {
        auto result = birthchart::queryBirthChart({"2048", "12", "31", "23"}, chart);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_QueryBirthChart);

}  // namespace

BENCHMARK_MAIN();
