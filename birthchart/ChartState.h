#pragma once

#include <array>
#include <string>

namespace birthchart {

enum PillarIndex { kYearPillar, kMonthPillar, kDayPillar, kHourPillar, kPillarCount };

// What the birth-chart page keeps from one query to the next (GBK texts, empty at start).
struct ChartState {
    std::array<std::string, kPillarCount> pillars;  // sexagenary names, e.g. 壬辰
    std::string pillarsLine;                        // 壬辰年  壬子月  丁卯日  庚子时
    std::array<std::string, kPillarCount> elementPairs;   // e.g. 水,土,
    std::array<std::string, kPillarCount> soundElements;  // e.g. 长流水
    std::string elementsLabel;                            // the joined element pairs
    std::string missingLabel;                             // the missing elements, e.g. 金火
    std::string report;                                   // the whole report text
};

}  // namespace birthchart
