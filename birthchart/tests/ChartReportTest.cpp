#include <gtest/gtest.h>

#include <string>

#include "birthchart/BirthChartQuery.h"
#include "birthchart/ChartReport.h"
#include "birthchart/LunarCalendar.h"
#include "birthchart/ZodiacAdvice.h"

namespace birthchart {
namespace {

ChartDateTexts Date(const char* year, const char* month, const char* day, const char* hour) {
    return {year, month, day, hour};
}

std::string Report(const ChartDateTexts& date) {
    ChartState state;
    ChartQueryResult result = queryBirthChart(date, state);
    EXPECT_TRUE(result.ok) << result.message;
    return state.report;
}

TEST(ChartReport, FullReportsByteForByte) {
    const std::string dragon =
        "生肖属相：龙。\r\n\r\n龙年出生的人取名偏旁部首：\r\n\r\n"
        "宜：水、金、玉、白、赤、月、鱼、酉、人、氵、钅等部首为吉。\r\n\r\n"
        "忌：土、田、木、禾、示、心、日、石、艹、力、刀、纟、犭、火等部首。";
    EXPECT_EQ(Report(Date("2013", "1", "1", "0")),
              "公历日期：2013年1月1日0时\r\n\r\n"
              "农历日期：壬辰年    冬月  二十日  庚子时\r\n\r\n"
              "八字四柱：壬辰年  壬子月  丁卯日  庚子时\r\n\r\n"
              "八字五行：水,土,水,水,火,木,金,水, ( 五行不缺 ) \r\n\r\n"
              "五行纳音：长流水  桑柘木  炉中火  壁上土\r\n\r\n" +
                  dragon);

    const std::string rabbit =
        "生肖属相：兔。\r\n\r\n兔年出生的人取名偏旁部首：\r\n\r\n"
        "宜：月、艹、山、田、人、禾、木、宀、金、白、玉、豆、钅等部首为吉。\r\n\r\n"
        "忌：马、车、石、刀、力、皮、水、川等部首。";
    EXPECT_EQ(Report(Date("2000", "1", "1", "0")),
              "公历日期：2000年1月1日0时\r\n\r\n"
              "农历日期：己卯年    冬月  廿五日  壬子时\r\n\r\n"
              "八字四柱：己卯年  丙子月  戊午日  壬子时\r\n\r\n"
              "八字五行：土,木,火,水,土,火,水,水, ( 五行缺：金 ) \r\n\r\n"
              "五行纳音：城头土  涧下水  天上火  桑柘木\r\n\r\n" +
                  rabbit);
}

TEST(ChartReport, StateAfterAQuery) {
    ChartState state;
    ASSERT_TRUE(queryBirthChart(Date("2000", "1", "1", "0"), state).ok);
    EXPECT_EQ(state.pillarsLine, "己卯年  丙子月  戊午日  壬子时");
    EXPECT_EQ(state.elementsLabel, "土,木,火,水,土,火,水,水,");
    EXPECT_EQ(state.missingLabel, "金");
    EXPECT_EQ(state.soundElements[kHourPillar], "桑柘木");
}

// The year pillar and so the animal change at 立春 (2014: 02-04 06:03:10), not at the lunar new
// year (2014-01-31); the snake's and the horse's texts end with a blank.
TEST(ChartReport, ZodiacFollowsTheYearPillar) {
    struct Case {
        ChartDateTexts date;
        const char* animalLine;
        const char* lunarLine;
    };
    const Case cases[] = {
        {Date("2014", "1", "31", "12"), "生肖属相：蛇。",
         "农历日期：癸巳年    正月  初一日  丙午时"},
        {Date("2014", "2", "4", "6"), "生肖属相：蛇。", "农历日期：癸巳年    正月  初五日  辛卯时"},
        {Date("2014", "2", "4", "7"), "生肖属相：马。", "农历日期：甲午年    正月  初五日  壬辰时"},
    };
    for (const Case& c : cases) {
        std::string report = Report(c.date);
        EXPECT_NE(report.find(c.animalLine), std::string::npos) << c.date.day << " " << c.date.hour;
        EXPECT_NE(report.find(std::string(c.lunarLine) + "\r\n\r\n"), std::string::npos)
            << c.date.day << " " << c.date.hour;
        EXPECT_EQ(report.substr(report.size() - 3), "。 ");
    }
}

TEST(ChartReport, HourTwentyThreeShowsTheChosenDayWithTheNextDaysPillar) {
    std::string report = Report(Date("1984", "2", "4", "23"));
    EXPECT_EQ(report.find("公历日期：1984年2月4日23时\r\n\r\n"), 0u);
    EXPECT_NE(report.find("八字四柱：癸亥年  乙丑月  己巳日  甲子时\r\n\r\n"), std::string::npos);
}

TEST(ChartReport, ADayTheMonthDoesNotHaveKeepsTheLastReport) {
    ChartState state;
    ASSERT_TRUE(queryBirthChart(Date("2013", "1", "1", "0"), state).ok);
    const ChartState before = state;
    struct Case {
        ChartDateTexts date;
        const char* message;
    };
    const Case cases[] = {
        {Date("2013", "2", "30", "0"), "日期无效：2013年2月30日0时"},
        {Date("2013", "4", "31", "5"), "日期无效：2013年4月31日5时"},
        {Date("", "", "", ""), "日期无效：年月日时"},
        {Date("1900", "6", "1", "0"), "日期超出范围：1900年6月1日0时"},
        {Date("2049", "1", "1", "0"), "日期超出范围：2049年1月1日0时"},
    };
    for (const Case& c : cases) {
        ChartQueryResult result = queryBirthChart(c.date, state);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(state.report, before.report);
        EXPECT_EQ(state.pillars, before.pillars);
        EXPECT_EQ(state.missingLabel, before.missingLabel);
    }
}

TEST(ChartReport, ElementPairsAndSoundElements) {
    EXPECT_EQ(ElementPair(1), "木,水,");
    EXPECT_EQ(ElementPair(2), "木,土,");
    EXPECT_EQ(ElementPair(59), "水,土,");
    EXPECT_EQ(ElementPair(60), "水,水,");
    EXPECT_EQ(ElementPair(0), "");
    EXPECT_EQ(SoundElement(1), "海中金");
    EXPECT_EQ(SoundElement(2), "海中金");
    EXPECT_EQ(SoundElement(31), "砂石金");
    EXPECT_EQ(SoundElement(42), "灯头火");
    EXPECT_EQ(SoundElement(60), "大海水");
    EXPECT_EQ(SoundElement(61), "");
}

TEST(MissingElements, PhraseAndLabel) {
    struct Case {
        const char* elements;
        const char* phrase;
        const char* label;
    };
    const Case cases[] = {
        {"土,木,火,水,土,火,水,水,", "五行缺：金", "金"},
        {"水,土,水,水,火,木,金,水,", "五行不缺", ""},
        {"金,土,水,水,金,土,水,金,", "五行缺：木火", "木火"},
        {"", "五行缺：金木水火土", "金木水火土"},
    };
    for (const Case& c : cases) {
        ChartState state;
        state.elementsLabel = c.elements;
        state.missingLabel = "stale";
        EXPECT_EQ(missingElementsPhrase(state), c.phrase) << c.elements;
        EXPECT_EQ(state.missingLabel, c.label) << c.elements;
    }
}

TEST(ZodiacAdvice, Texts) {
    EXPECT_EQ(ZodiacAdvice(1),
              "生肖属相：鼠。\r\n\r\n鼠年出生的人取名偏旁部首：\r\n\r\n"
              "宜：宀、米、豆、鱼、艹、金、玉、人、木、月、田、钅等部首为吉。\r\n\r\n"
              "忌：山、刀、力、弓、土、穴、心、石、皮、氵、马、酉、才、火、车等部首。");
    EXPECT_EQ(ZodiacAdvice(12),
              "生肖属相：猪。\r\n\r\n猪年出生的人取名偏旁部首：\r\n\r\n"
              "宜：豆、米、鱼、水、金、玉、月、木、人、山、土、艹、氵等部首为吉。\r\n\r\n"
              "忌：纟、石、刀、力、血、弓、几、皮、父等部首。");
    for (int branch = 1; branch <= 12; ++branch) {
        std::string text = ZodiacAdvice(branch);
        bool trailingBlank = branch == 6 || branch == 7;
        EXPECT_EQ(text.substr(text.size() - (trailingBlank ? 3 : 2)), trailingBlank ? "。 " : "。")
            << branch;
    }
    EXPECT_EQ(ZodiacAdvice(0), "");

    ChartState state;
    state.report = "R";
    appendZodiacAdvice(state);  // no year pillar yet
    EXPECT_EQ(state.report, "R");
}

}  // namespace
}  // namespace birthchart
