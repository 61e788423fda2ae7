#include "birthchart/LunarCalendar.h"

#include <bit>
#include <cstdint>
#include <string>

#include "birthchart/CalendarTables.h"

namespace birthchart {

namespace {

// Each text holds two-byte GBK characters, so character i starts at byte 2 (i − 1).
constexpr std::string_view kStems = "甲乙丙丁戊己庚辛壬癸";
constexpr std::string_view kBranches = "子丑寅卯辰巳午未申酉戌亥";
constexpr std::string_view kAnimals = "鼠牛虎兔龙蛇马羊猴鸡狗猪";
constexpr std::string_view kMonthDigits = "正二三四五六七八九十";
constexpr std::string_view kDayDigits = "一二三四五六七八九十";
constexpr std::string_view kDefaultPattern = "%Y年(%S)%M%D %y-%m-%d";

std::string characterAt(std::string_view text, int index) {
    return std::string(text.substr(2 * static_cast<std::size_t>(index - 1), 2));
}

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 1970-01-01 in the proleptic Gregorian calendar (H. Hinnant's days_from_civil).
long long daysFromCivil(int year, int month, int day) {
    long long y = year - (month <= 2 ? 1 : 0);
    long long era = (y >= 0 ? y : y - 399) / 400;
    long long yearOfEra = y - era * 400;
    long long dayOfYear = (153LL * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// Days from 1901-01-01, the calendar's day zero.
long long dayCount(int year, int month, int day) {
    static const long long kDayZero = daysFromCivil(1901, 1, 1);
    return daysFromCivil(year, month, day) - kDayZero;
}

int compareDates(int year, int month, int day, int otherYear, int otherMonth, int otherDay) {
    long long a = (static_cast<long long>(year) * 100 + month) * 100 + day;
    long long b = (static_cast<long long>(otherYear) * 100 + otherMonth) * 100 + otherDay;
    return a < b ? -1 : (a > b ? 1 : 0);
}

bool insideLunarRange(int year, int month, int day) {
    return compareDates(year, month, day, 1901, 2, 19) >= 0 &&
           compareDates(year, month, day, 2048, 12, 31) <= 0;
}

// How many terms of the moment's year have begun by that moment. A term begins at its exact
// second, so a birth at that second already belongs to it.
int currentTerm(const CalendarMoment& moment) {
    const std::uint8_t* row = SolarTermTable[moment.year - kSolarTermFirstYear];
    int term = 0;
    for (int t = 1; t <= kSolarTermsPerYear; ++t) {
        const std::uint8_t* entry = row + (t - 1) * kSolarTermEntryBytes;
        int date = entry[0] * 100 + entry[1];
        int momentDate = moment.month * 100 + moment.day;
        if (date > momentDate) break;
        if (date == momentDate) {
            int termTime = (entry[2] * 60 + entry[3]) * 60 + entry[4];
            int momentTime = (moment.hour * 60 + moment.minute) * 60 + moment.second;
            if (termTime > momentTime) break;
        }
        term = t;
    }
    return term;
}

int wrap(int value, int modulus) { return ((value - 1) % modulus + modulus) % modulus + 1; }

int leapMonthOf(int lunarYear) {
    int index = lunarYear - kLunarFirstYear;
    std::uint8_t packed = LunarYearTable.leapMonths[index / 2];
    return index % 2 == 0 ? packed >> 4 : packed & 0x0F;
}

// Month k of the year (1-based, leap month counted in its place).
int monthLength(int lunarYear, int k) {
    return (LunarYearTable.monthLengthMasks[lunarYear - kLunarFirstYear] >> (16 - k)) & 1 ? 30 : 29;
}

int lunarYearLength(int lunarYear) {
    int months = leapMonthOf(lunarYear) == 0 ? 12 : 13;
    unsigned mask = LunarYearTable.monthLengthMasks[lunarYear - kLunarFirstYear];
    unsigned used = mask & (0xFFFFu << (16 - months)) & 0xFFFFu;
    return 29 * months + std::popcount(used);
}

void replaceAll(std::string& text, std::string_view placeholder, const std::string& value) {
    std::size_t position = 0;
    while ((position = text.find(placeholder, position)) != std::string::npos) {
        text.replace(position, placeholder.size(), value);
        position += value.size();
    }
}

}  // namespace

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

bool IsValidMoment(const CalendarMoment& moment) {
    return IsValidDate(moment.year, moment.month, moment.day) && moment.hour >= 0 &&
           moment.hour <= 23 && moment.minute >= 0 && moment.minute <= 59 && moment.second >= 0 &&
           moment.second <= 59;
}

int StemOf(int number) { return (number - 1) % 10 + 1; }

int BranchOf(int number) { return (number - 1) % 12 + 1; }

int SexagenaryNumber(int stem, int branch) {
    if (stem < 1 || stem > 10 || branch < 1 || branch > 12) return 0;
    for (int number = stem; number <= 60; number += 10)
        if (BranchOf(number) == branch) return number;
    return 0;
}

std::string sexagenaryName(int number) {
    if (number < 1 || number > 60) return {};
    return characterAt(kStems, StemOf(number)) + characterAt(kBranches, BranchOf(number));
}

int SexagenaryNumberOfName(std::string_view name) {
    if (name.size() != 4) return 0;
    auto indexIn = [](std::string_view characters, std::string_view character) {
        for (std::size_t i = 0; i < characters.size(); i += 2)
            if (characters.substr(i, 2) == character) return static_cast<int>(i / 2) + 1;
        return 0;
    };
    return SexagenaryNumber(indexIn(kStems, name.substr(0, 2)),
                            indexIn(kBranches, name.substr(2, 2)));
}

std::string ZodiacAnimal(int branch) {
    if (branch < 1 || branch > 12) return {};
    return characterAt(kAnimals, branch);
}

bool computeFourPillars(const CalendarMoment& moment, FourPillars& pillars) {
    if (!IsValidMoment(moment) || moment.year <= 1900) return false;
    if (!insideLunarRange(moment.year, moment.month, moment.day)) {
        pillars = FourPillars{};
        return true;
    }

    int yearNumber = wrap(moment.year - 1901 + 38, 60);
    int term = currentTerm(moment);
    // Before 立春 (term 3) the moment still belongs to the previous year.
    if (term < 3) yearNumber = wrap(yearNumber - 1, 60);

    int termOrLast = term == 0 ? 24 : term;
    int monthBranch = wrap((termOrLast - 1) / 2 + 2, 12);
    // The 寅 month of a 甲 or 己 year is 丙寅; each further month moves the stem by one.
    int tigerMonthStem = wrap(2 * (StemOf(yearNumber) - 1) + 3, 10);
    int monthsSinceTiger = (monthBranch - 3 + 12) % 12;
    int monthStem = wrap(tigerMonthStem + monthsSinceTiger, 10);
    int monthNumber = SexagenaryNumber(monthStem, monthBranch);

    // From 23:00 the day pillar is already the next day's.
    int dayNumber =
        wrap(static_cast<int>(dayCount(moment.year, moment.month, moment.day) % 60) + 16, 60);
    if (moment.hour == 23) dayNumber = wrap(dayNumber + 1, 60);

    int hourBranch = moment.hour == 23 || moment.hour == 0 ? 1 : (moment.hour - 1) / 2 + 2;
    // The 子 hour of a 甲 or 己 day is 甲子; each further double hour moves the stem by one.
    int ratHourStem = wrap(2 * (StemOf(dayNumber) - 1) + 1, 10);
    int hourNumber = SexagenaryNumber(wrap(ratHourStem + hourBranch - 1, 10), hourBranch);

    pillars.year = yearNumber;
    pillars.month = monthNumber;
    pillars.day = dayNumber;
    pillars.hour = hourNumber;
    pillars.yearName = sexagenaryName(yearNumber);
    pillars.monthName = sexagenaryName(monthNumber);
    pillars.dayName = sexagenaryName(dayNumber);
    pillars.hourName = sexagenaryName(hourNumber);
    return true;
}

bool gregorianToLunar(int year, int month, int day, LunarDate& lunar) {
    if (!IsValidDate(year, month, day) || !insideLunarRange(year, month, day)) return false;

    long long remaining = dayCount(year, month, day) - dayCount(1901, 2, 19);
    int lunarYear = kLunarFirstYear;
    while (remaining >= lunarYearLength(lunarYear)) {
        remaining -= lunarYearLength(lunarYear);
        ++lunarYear;
    }

    int leapMonth = leapMonthOf(lunarYear);
    int k = 1;
    for (int lunarMonth = 1; lunarMonth <= 12; ++lunarMonth) {
        int length = monthLength(lunarYear, k++);
        if (remaining < length) {
            lunar = {lunarYear, lunarMonth, static_cast<int>(remaining) + 1, false};
            return true;
        }
        remaining -= length;
        if (lunarMonth == leapMonth) {
            int leapLength = monthLength(lunarYear, k++);
            if (remaining < leapLength) {
                lunar = {lunarYear, lunarMonth, static_cast<int>(remaining) + 1, true};
                return true;
            }
            remaining -= leapLength;
        }
    }
    return false;  // unreachable while the year lengths add up
}

std::string LunarMonthName(int month, bool leap) {
    if (month < 1 || month > 12) return {};
    std::string name = leap ? "闰" : "";
    if (month == 11) return name + "冬月";
    if (month == 12) return name + "腊月";
    return name + characterAt(kMonthDigits, month) + "月";
}

std::string LunarDayName(int day) {
    if (day < 1 || day > 30) return {};
    if (day <= 10) return "初" + characterAt(kDayDigits, day);
    if (day < 20) return "十" + characterAt(kDayDigits, day - 10);
    if (day == 20) return "二十";
    if (day < 30) return "廿" + characterAt(kDayDigits, day - 20);
    return "三十";
}

std::string formatLunarDate(const CalendarMoment& moment, std::string_view pattern) {
    if (!IsValidMoment(moment)) return {};

    LunarDate lunar;
    bool hasLunarDate = gregorianToLunar(moment.year, moment.month, moment.day, lunar);
    FourPillars pillars;
    computeFourPillars(moment, pillars);

    std::string text(pattern.empty() ? kDefaultPattern : pattern);
    replaceAll(text, "%Y", pillars.yearName);
    replaceAll(text, "%S",
               pillars.year == 0 ? std::string() : ZodiacAnimal(BranchOf(pillars.year)));
    replaceAll(text, "%M", hasLunarDate ? LunarMonthName(lunar.month, lunar.leap) : std::string());
    replaceAll(text, "%D", hasLunarDate ? LunarDayName(lunar.day) : std::string());
    replaceAll(text, "%y", std::to_string(moment.year));
    replaceAll(text, "%m", std::to_string(moment.month));
    replaceAll(text, "%d", std::to_string(moment.day));
    return text;
}

}  // namespace birthchart
