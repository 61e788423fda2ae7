#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "birthchart/CalendarTables.h"
#include "birthchart/LunarCalendar.h"

namespace birthchart {
namespace {

CalendarMoment At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return {year, month, day, hour, minute, second};
}

std::string TermText(int year, int term) {
    const std::uint8_t* e = SolarTermTable[year - kSolarTermFirstYear] + (term - 1) * 5;
    char text[32];
    std::snprintf(text, sizeof text, "%02d-%02d %02d:%02d:%02d", e[0], e[1], e[2], e[3], e[4]);
    return text;
}

TEST(SolarTermTable, PublishedMomentsAgreeToTheSecond) {
    struct Case {
        int year;
        int term;
        const char* moment;
    };
    const Case cases[] = {
        {1901, 1, "01-06 07:53:30"}, {1901, 3, "02-04 19:39:59"}, {1984, 3, "02-04 23:18:46"},
        {2000, 1, "01-06 09:00:41"}, {2000, 3, "02-04 20:40:23"}, {2000, 24, "12-21 21:37:25"},
        {2013, 1, "01-05 12:33:33"}, {2013, 3, "02-04 00:13:20"}, {2014, 3, "02-04 06:03:10"},
        {2024, 3, "02-04 16:26:47"}, {2048, 3, "02-04 12:03:45"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TermText(c.year, c.term), c.moment) << c.year << " term " << c.term;
}

TEST(SolarTermTable, EveryYearHasTwentyFourTermsInCalendarOrder) {
    for (int year = kSolarTermFirstYear; year <= kSolarTermLastYear; ++year) {
        const std::uint8_t* row = SolarTermTable[year - kSolarTermFirstYear];
        EXPECT_EQ(row[0], 1) << year;        // 小寒 in January
        EXPECT_EQ(row[23 * 5], 12) << year;  // 冬至 in December
        for (int term = 2; term <= 24; ++term) {
            const std::uint8_t* previous = row + (term - 2) * 5;
            const std::uint8_t* entry = row + (term - 1) * 5;
            EXPECT_GT(entry[0] * 100 + entry[1], previous[0] * 100 + previous[1]) << year;
            EXPECT_LT(entry[2], 24);
            EXPECT_LT(entry[3], 60);
            EXPECT_LT(entry[4], 60);
        }
    }
}

TEST(LunarYearTable, PublishedRowsAgree) {
    struct Case {
        int year;
        unsigned mask;
        int leapMonth;
    };
    const Case cases[] = {
        {1901, 0x4AE0, 0}, {1903, 0x5268, 5}, {1984, 0xB258, 10}, {2000, 0xC960, 0},
        {2017, 0x52B8, 6}, {2020, 0x74A8, 4}, {2023, 0x4DA8, 2},  {2033, 0x4AE8, 11},
        {2048, 0x6D20, 0}, {2049, 0xADA0, 0},
    };
    for (const Case& c : cases) {
        int index = c.year - kLunarFirstYear;
        std::uint8_t packed = LunarYearTable.leapMonths[index / 2];
        EXPECT_EQ(index % 2 == 0 ? packed >> 4 : packed & 0x0F, c.leapMonth) << c.year;
        EXPECT_EQ(LunarYearTable.monthLengthMasks[index], c.mask) << c.year;
    }
}

TEST(Sexagenary, NamesAndNumbers) {
    EXPECT_EQ(sexagenaryName(1), "甲子");
    EXPECT_EQ(sexagenaryName(38), "辛丑");
    EXPECT_EQ(sexagenaryName(60), "癸亥");
    EXPECT_EQ(sexagenaryName(0), "");
    EXPECT_EQ(sexagenaryName(61), "");
    for (int number = 1; number <= 60; ++number) {
        EXPECT_EQ(SexagenaryNumber(StemOf(number), BranchOf(number)), number);
        EXPECT_EQ(SexagenaryNumberOfName(sexagenaryName(number)), number);
    }
    EXPECT_EQ(SexagenaryNumber(1, 2), 0);  // 甲丑 does not exist
    EXPECT_EQ(SexagenaryNumberOfName(""), 0);
    EXPECT_EQ(ZodiacAnimal(1), "鼠");
    EXPECT_EQ(ZodiacAnimal(12), "猪");
}

std::string Names(const FourPillars& p) {
    return p.yearName + " " + p.monthName + " " + p.dayName + " " + p.hourName;
}

TEST(FourPillars, Cases) {
    struct Case {
        CalendarMoment moment;
        const char* pillars;
    };
    const Case cases[] = {
        // Before 小寒: still the previous year and the 子 month.
        {At(2000, 1, 1), "己卯 丙子 戊午 壬子"},
        // 小寒 that day is at 12:33:33.
        {At(2013, 1, 5, 12), "壬辰 壬子 辛未 甲午"},
        {At(2013, 1, 5, 12, 33, 32), "壬辰 壬子 辛未 甲午"},
        {At(2013, 1, 5, 12, 33, 33), "壬辰 癸丑 辛未 甲午"},
        // 立春 that day is at 23:18:46; 23:00 moves only the day pillar on.
        {At(1984, 2, 4, 22), "癸亥 乙丑 戊辰 癸亥"},
        {At(1984, 2, 4, 23), "癸亥 乙丑 己巳 甲子"},
        {At(1984, 2, 4, 23, 18, 45), "癸亥 乙丑 己巳 甲子"},
        {At(1984, 2, 4, 23, 18, 46), "甲子 丙寅 己巳 甲子"},
        // 立春 2014 is at 06:03:10, after the lunar new year (2014-01-31).
        {At(2014, 1, 31, 12), "癸巳 乙丑 壬寅 丙午"},
        {At(2014, 2, 4, 6, 3, 9), "癸巳 乙丑 丙午 辛卯"},
        {At(2014, 2, 4, 6, 3, 10), "甲午 丙寅 丙午 辛卯"},
        // After 冬至 the 子 month carries over into January until 小寒 (2001: 14:49:15).
        {At(2000, 12, 31, 12), "庚辰 戊子 癸亥 戊午"},
        {At(2001, 1, 5, 12), "庚辰 戊子 戊辰 戊午"},
        // The ends of the range.
        {At(1901, 2, 19), "辛丑 庚寅 戊辰 壬子"},
        {At(2048, 12, 31, 23), "戊辰 甲子 丙子 戊子"},
        {At(2048, 12, 31, 23, 59, 59), "戊辰 甲子 丙子 戊子"},
    };
    for (const Case& c : cases) {
        FourPillars pillars;
        ASSERT_TRUE(computeFourPillars(c.moment, pillars));
        EXPECT_EQ(Names(pillars), c.pillars)
            << c.moment.year << "-" << c.moment.month << "-" << c.moment.day << " " << c.moment.hour
            << ":" << c.moment.minute << ":" << c.moment.second;
    }
}

TEST(FourPillars, OutsideTheLunarRangeGivesTheZeroResult) {
    for (CalendarMoment moment : {At(1901, 1, 1), At(1901, 2, 18, 23, 59, 59), At(2049, 1, 1)}) {
        FourPillars pillars{1, 2, 3, 4, "x", "x", "x", "x"};
        ASSERT_TRUE(computeFourPillars(moment, pillars));
        EXPECT_EQ(pillars.year + pillars.month + pillars.day + pillars.hour, 0);
        EXPECT_EQ(Names(pillars), "   ");
    }
}

TEST(FourPillars, FailureLeavesThePillarsUntouched) {
    for (CalendarMoment moment : {At(1900, 12, 31, 23), At(0, 0, 0), At(2013, 2, 30),
                                  At(2013, 13, 1), At(2013, 1, 1, 24), At(2013, 1, 1, 0, 60)}) {
        FourPillars pillars;
        ASSERT_TRUE(computeFourPillars(At(2000, 1, 1), pillars));
        EXPECT_FALSE(computeFourPillars(moment, pillars));
        EXPECT_EQ(Names(pillars), "己卯 丙子 戊午 壬子");
    }
}

TEST(GregorianToLunar, Cases) {
    struct Case {
        int year, month, day;
        LunarDate lunar;
    };
    const Case cases[] = {
        {1901, 2, 19, {1901, 1, 1, false}},  {2000, 1, 1, {1999, 11, 25, false}},
        {2014, 1, 31, {2014, 1, 1, false}},  {2020, 5, 22, {2020, 4, 30, false}},
        {2020, 5, 23, {2020, 4, 1, true}},   {2020, 6, 21, {2020, 5, 1, false}},
        {2023, 3, 22, {2023, 2, 1, true}},   {2033, 12, 22, {2033, 11, 1, true}},
        {2034, 1, 20, {2033, 12, 1, false}}, {2048, 12, 31, {2048, 11, 27, false}},
    };
    for (const Case& c : cases) {
        LunarDate lunar;
        ASSERT_TRUE(gregorianToLunar(c.year, c.month, c.day, lunar)) << c.year << "-" << c.month;
        EXPECT_EQ(lunar.year, c.lunar.year) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(lunar.month, c.lunar.month) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(lunar.day, c.lunar.day) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(lunar.leap, c.lunar.leap) << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(GregorianToLunar, FailsOutsideTheRangeAndForDaysThatDoNotExist) {
    struct Case {
        int year, month, day;
    };
    for (Case c : {Case{1901, 2, 18}, Case{2049, 1, 1}, Case{2013, 2, 30}, Case{2013, 13, 1},
                   Case{2013, 0, 1}, Case{2013, 4, 31}}) {
        LunarDate lunar{7, 7, 7, true};
        EXPECT_FALSE(gregorianToLunar(c.year, c.month, c.day, lunar)) << c.year << "-" << c.month;
        EXPECT_EQ(lunar.year, 7);
    }
}

TEST(FormatLunarDate, Cases) {
    struct Case {
        CalendarMoment moment;
        const char* pattern;
        const char* text;
    };
    const Case cases[] = {
        {At(2013, 1, 1), "%Y年    %M  %D日  ", "壬辰年    冬月  二十日  "},
        {At(2014, 1, 31, 12), "", "癸巳年(蛇)正月初一 2014-1-31"},
        {At(2014, 2, 4, 7), "%Y(%S)", "甲午(马)"},
        {At(2033, 12, 22), "%M", "闰冬月"},
        {At(2020, 5, 23), "%M%D", "闰四月初一"},
        {At(2034, 1, 20), "%M", "腊月"},
        {At(2000, 1, 1), "%D %D", "廿五 廿五"},
        // No lunar date before the calendar's first day: the lunar names stay empty.
        {At(1901, 1, 1), "", "年() 1901-1-1"},
        {At(2013, 2, 30), "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatLunarDate(c.moment, c.pattern), c.text) << c.pattern;
}

TEST(FormatLunarDate, MonthAndDayNames) {
    const char* days[] = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八",
                          "初九", "初十", "十一", "十二", "十三", "十四", "十五", "十六",
                          "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三", "廿四",
                          "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
    for (int day = 1; day <= 30; ++day) EXPECT_EQ(LunarDayName(day), days[day - 1]);
    const char* months[] = {"正月", "二月", "三月", "四月", "五月", "六月",
                            "七月", "八月", "九月", "十月", "冬月", "腊月"};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(LunarMonthName(month, false), months[month - 1]);
    EXPECT_EQ(LunarMonthName(11, true), "闰冬月");
}

}  // namespace
}  // namespace birthchart
