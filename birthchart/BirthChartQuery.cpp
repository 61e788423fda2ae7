#include "birthchart/BirthChartQuery.h"

#include "birthchart/LunarCalendar.h"
#include "birthchart/ZodiacAdvice.h"

namespace birthchart {

namespace {

// A selector text is a plain decimal number; anything else (an empty selector too) reads as -1.
int selectorNumber(const std::string& text) {
    if (text.empty() || text.size() > 4) return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string dateText(const ChartDateTexts& date) {
    return date.year + "年" + date.month + "月" + date.day + "日" + date.hour + "时";
}

}  // namespace

ChartQueryResult queryBirthChart(const ChartDateTexts& date, ChartState& state) {
    CalendarMoment moment{selectorNumber(date.year),
                          selectorNumber(date.month),
                          selectorNumber(date.day),
                          selectorNumber(date.hour),
                          0,
                          0};
    // A day the month does not have (2月30日) has no pillars; the page keeps its last report.
    if (!IsValidMoment(moment)) return {false, "日期无效：" + dateText(date)};

    FourPillars pillars;
    // Outside the calendar's range there are no pillars to report, only empty names.
    if (!computeFourPillars(moment, pillars) || pillars.year == 0)
        return {false, "日期超出范围：" + dateText(date)};

    state.pillars = {pillars.yearName, pillars.monthName, pillars.dayName, pillars.hourName};
    buildChartReport(date, moment, state);
    appendZodiacAdvice(state);
    return {true, {}};
}

}  // namespace birthchart
