#include <gtest/gtest.h>

#include <numeric>
#include <string>

#include "birthchart/ElementStrength.h"

namespace birthchart {
namespace {

struct ChartCase {
    const char* label;
    std::array<std::string, kPillarCount> pillars;
    const char* line;
};

// Each line worked out by hand from the stated method.
const ChartCase kCharts[] = {
    {"weak day master: 2013-01-01 0时",
     {"壬辰", "壬子", "丁卯", "庚子"},
     "金 1.0 木 1.3 水 5.1 火 1.0 土 0.6\t日主 丁火\t同类 2.3 异类 6.7\t身弱\t喜用 木火"},
    {"strong day master, 金 and 水 absent",
     {"甲寅", "丙寅", "甲寅", "丙寅"},
     "金 0.0 木 5.0 水 0.0 火 3.5 土 0.5\t日主 甲木\t同类 5.0 异类 4.0\t身强\t喜用 金土"},
    {"strong, 土 and 金 tie at 0: the controlled element comes first",
     {"甲子", "丙子", "甲子", "丙子"},
     "金 0.0 木 2.0 水 5.0 火 2.0 土 0.0\t日主 甲木\t同类 7.0 异类 2.0\t身强\t喜用 土金"},
    {"weak 金 day master",
     {"戊午", "丙午", "庚申", "壬子"},
     "金 1.6 木 0.0 水 2.3 火 3.1 土 2.0\t日主 庚金\t同类 3.6 异类 5.4\t身弱\t喜用 土金"},
    {"同类 of exactly 4.5 is strong",
     {"甲子", "丙寅", "甲午", "辛丑"},
     "金 1.1 木 3.2 水 1.3 火 2.3 土 1.1\t日主 甲木\t同类 4.5 异类 4.5\t身强\t喜用 土金"},
};

TEST(ElementStrength, ChartsAsWorkedOutByHand) {
    for (const ChartCase& chart : kCharts) {
        SCOPED_TRACE(chart.label);
        const std::optional<ElementStrength> strength = weighElements(chart.pillars);
        ASSERT_TRUE(strength);
        EXPECT_EQ(elementStrengthLine(*strength), chart.line);
        EXPECT_EQ(std::accumulate(strength->tenths.begin(), strength->tenths.end(), 0), 90);
        EXPECT_EQ(strength->sameKindTenths + strength->otherKindTenths, 90);
    }
}

TEST(ElementStrength, EverySexagenaryChartAddsUpToNine) {
    const char* stems[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
    const char* branches[] = {"子", "丑", "寅", "卯", "辰", "巳",
                              "午", "未", "申", "酉", "戌", "亥"};
    for (int i = 0; i < 60; ++i) {
        const std::string name = std::string(stems[i % 10]) + branches[i % 12];
        const std::optional<ElementStrength> strength = weighElements({name, name, name, name});
        ASSERT_TRUE(strength) << i;
        EXPECT_EQ(std::accumulate(strength->tenths.begin(), strength->tenths.end(), 0), 90) << i;
    }
}

TEST(ElementStrength, SummaryAndMalformedPillars) {
    const std::optional<ElementStrength> weak = weighElements({"壬辰", "壬子", "丁卯", "庚子"});
    ASSERT_TRUE(weak);
    EXPECT_EQ(favourableSummary(*weak), "八字身弱，喜木火");
    EXPECT_FALSE(weighElements({"", "", "", ""}));
    EXPECT_FALSE(weighElements({"壬辰", "壬子", "丁卯", "庚"}));
    EXPECT_FALSE(weighElements({"辰壬", "壬子", "丁卯", "庚子"}));
}

}  // namespace
}  // namespace birthchart
