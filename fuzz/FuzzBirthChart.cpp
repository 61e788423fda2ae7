// The birth-chart query on arbitrary selector texts: a report or a message, never a crash.
#include "birthchart/BirthChartQuery.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> parts = SplitFuzzInput(data, size, 4);
    parts.resize(4);
    birthchart::ChartDateTexts date{parts[0], parts[1], parts[2], parts[3]};
    birthchart::ChartState state;
    birthchart::queryBirthChart(date, state);
    return 0;
}
