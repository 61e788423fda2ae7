// Compares the calendar with an independent one (lunar-javascript), whose answers
// tools/calendar/generate-fixtures.js keeps in tests/data.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "birthchart/LunarCalendar.h"

namespace birthchart {
namespace {

std::filesystem::path FixtureFile(const char* name) {
    const char* root = std::getenv("BABYNAME_SOURCE_DIR");
    return std::filesystem::path(root ? root : ".") / "birthchart" / "tests" / "data" / name;
}

std::vector<std::string> FixtureLines(const char* name) {
    std::ifstream in(FixtureFile(name));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

struct CivilDay {
    int year, month, day;
};

bool operator==(const CivilDay& a, const CivilDay& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

CivilDay NextDay(CivilDay d) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    int length = d.month == 2 && leap ? 29 : kDays[d.month - 1];
    if (++d.day > length) {
        d.day = 1;
        if (++d.month > 12) {
            d.month = 1;
            ++d.year;
        }
    }
    return d;
}

struct MonthStart {
    CivilDay first;
    LunarDate lunar;
};

TEST(CalendarCrossCheck, LunarDateOfEveryDayFrom1901To2048) {
    std::vector<MonthStart> starts;
    for (const std::string& line : FixtureLines("lunar-month-starts.txt")) {
        MonthStart start{};
        int leap = 0;
        ASSERT_EQ(
            std::sscanf(line.c_str(), "%d-%d-%d %d %d %d", &start.first.year, &start.first.month,
                        &start.first.day, &start.lunar.year, &start.lunar.month, &leap),
            6)
            << line;
        start.lunar.leap = leap != 0;
        starts.push_back(start);
    }
    ASSERT_GT(starts.size(), 1800u) << FixtureFile("lunar-month-starts.txt");
    ASSERT_TRUE((starts.front().first == CivilDay{1901, 2, 19}));

    std::size_t index = 0;
    int dayOfMonth = 0;
    int days = 0;
    int mismatches = 0;
    for (CivilDay day{1901, 2, 19}; !(day == CivilDay{2049, 1, 1}); day = NextDay(day), ++days) {
        if (index + 1 < starts.size() && starts[index + 1].first == day) {
            ++index;
            dayOfMonth = 0;
        }
        ++dayOfMonth;
        const LunarDate& expected = starts[index].lunar;
        LunarDate lunar;
        bool ok = gregorianToLunar(day.year, day.month, day.day, lunar);
        if (!ok || lunar.year != expected.year || lunar.month != expected.month ||
            lunar.day != dayOfMonth || lunar.leap != expected.leap) {
            if (++mismatches <= 10)
                ADD_FAILURE() << day.year << "-" << day.month << "-" << day.day << ": "
                              << lunar.year << " " << lunar.month << " " << lunar.day << " "
                              << lunar.leap << ", expected " << expected.year << " "
                              << expected.month << " " << dayOfMonth << " " << expected.leap;
        }
    }
    EXPECT_EQ(index + 1, starts.size());
    EXPECT_EQ(days, 54008);
    EXPECT_EQ(mismatches, 0);
}

TEST(CalendarCrossCheck, FourPillarsOfMomentsAwayFromSolarTerms) {
    std::vector<std::string> lines = FixtureLines("pillar-moments.txt");
    ASSERT_GT(lines.size(), 3000u) << FixtureFile("pillar-moments.txt");
    int mismatches = 0;
    for (const std::string& line : lines) {
        CalendarMoment moment;
        int expected[4] = {};
        ASSERT_EQ(
            std::sscanf(line.c_str(), "%d-%d-%d %d:%d:%d %d %d %d %d", &moment.year, &moment.month,
                        &moment.day, &moment.hour, &moment.minute, &moment.second, &expected[0],
                        &expected[1], &expected[2], &expected[3]),
            10)
            << line;
        FourPillars pillars;
        ASSERT_TRUE(computeFourPillars(moment, pillars)) << line;
        if (pillars.year != expected[0] || pillars.month != expected[1] ||
            pillars.day != expected[2] || pillars.hour != expected[3]) {
            if (++mismatches <= 10)
                ADD_FAILURE() << line << ": " << pillars.year << " " << pillars.month << " "
                              << pillars.day << " " << pillars.hour;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace birthchart
