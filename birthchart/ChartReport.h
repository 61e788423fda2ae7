#pragma once

#include <string>

#include "birthchart/ChartState.h"
#include "birthchart/LunarCalendar.h"

namespace birthchart {

// The elements of a sexagenary number's stem and branch, each followed by a comma ("木,水," for
// 甲子); empty outside 1–60.
std::string ElementPair(int number);
// The sound element (纳音) shared by numbers 2k − 1 and 2k; empty outside 1–60.
std::string SoundElement(int number);

// The selector texts of a query, shown unpadded in the report's Gregorian line.
struct ChartDateTexts {
    std::string year;
    std::string month;
    std::string day;
    std::string hour;
};

// Sets the pillars line, the element pairs, sound elements and both element labels from the
// pillars in state, and replaces the report by the text up to the sound-element line (without the
// zodiac advice). birthMoment is the moment the pillars were computed for.
void buildChartReport(const ChartDateTexts& date, const CalendarMoment& birthMoment,
                      ChartState& state);

}  // namespace birthchart
