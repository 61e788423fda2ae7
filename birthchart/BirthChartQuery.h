#pragma once

#include <string>

#include "birthchart/ChartReport.h"
#include "birthchart/ChartState.h"

namespace birthchart {

struct ChartQueryResult {
    bool ok = false;
    std::string message;  // when !ok: the text to show instead of a report (GBK)
};

// Runs the birth-chart query for the selector texts of a date and hour (minute and second 0):
// the four pillars, the report and the zodiac advice. When the texts give no moment inside the
// calendar's range, state keeps the last report and the result carries a message instead.
ChartQueryResult queryBirthChart(const ChartDateTexts& date, ChartState& state);

}  // namespace birthchart
