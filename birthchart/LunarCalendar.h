#pragma once

#include <string>
#include <string_view>

// The Chinese calendar from 1901 to 2048: the four pillars of a moment, the sexagenary cycle and
// the lunar date. Every moment is a clock reading in China Standard Time (UTC+8), the zone of the
// solar-term table; dates are proleptic Gregorian. Texts are GBK.
namespace birthchart {

// A clock reading as the caller has it; nothing guarantees that it is a real date and time.
struct CalendarMoment {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

bool IsValidMoment(const CalendarMoment& moment);
bool IsValidDate(int year, int month, int day);

// Sexagenary numbers run 1–60, 1 = 甲子; stems 1–10 = 甲…癸, branches 1–12 = 子…亥.
int StemOf(int number);
int BranchOf(int number);
// The number with this stem and branch, 0 when none has both (their parities differ).
int SexagenaryNumber(int stem, int branch);
// 甲子 for 1 … 癸亥 for 60; empty outside 1–60.
std::string sexagenaryName(int number);
// The number whose name this is, 0 for any other text.
int SexagenaryNumberOfName(std::string_view name);
// 鼠 for branch 1 (子) … 猪 for 12 (亥); empty outside 1–12.
std::string ZodiacAnimal(int branch);

struct FourPillars {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    std::string yearName;
    std::string monthName;
    std::string dayName;
    std::string hourName;
};

// Fails, leaving pillars untouched, for a moment that is no real date and time or lies in 1900 or
// earlier. From 1901-01-01 to 1901-02-18 and after 2048-12-31 it succeeds with every number 0 and
// every name empty, since the calendar has no lunar year there.
bool computeFourPillars(const CalendarMoment& moment, FourPillars& pillars);

struct LunarDate {
    int year = 0;
    int month = 0;  // 1–12
    int day = 0;    // 1–30
    bool leap = false;
};

// Fails for a date that does not exist or lies outside 1901-02-19 … 2048-12-31.
bool gregorianToLunar(int year, int month, int day, LunarDate& lunar);

// Replaces %Y (year pillar, which follows 立春), %S (its zodiac animal), %M (lunar month name),
// %D (lunar day name), %y %m %d (Gregorian numbers without leading zeros). An empty pattern means
// the default "%Y年(%S)%M%D %y-%m-%d". Empty for a moment that is no real date and time; outside
// the calendar's range the names of the lunar year, month and day are empty.
std::string formatLunarDate(const CalendarMoment& moment, std::string_view pattern = {});

std::string LunarMonthName(int month, bool leap);
std::string LunarDayName(int day);

}  // namespace birthchart
