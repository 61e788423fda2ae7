#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "birthchart/BirthChartQuery.h"
#include "birthchart/ElementStrength.h"
#include "birthchart/LunarCalendar.h"
#include "cli/Commands.h"

namespace {

// Reads numbers joined by the given separators, e.g. "2013-1-1 0" with separators "- " gives
// 2013 1 1 0. The year has four digits; every later field one or two, so that "2013-01-01 0" and
// "2013-1-1 00" mean the same while nothing ambiguous gets through.
bool ReadNumbers(std::string_view text, std::string_view separators, std::vector<int>& numbers) {
    numbers.clear();
    std::size_t position = 0;
    for (std::size_t field = 0; field <= separators.size(); ++field) {
        int value = 0;
        std::size_t digits = 0;
        // A run longer than four digits is refused before its value could overflow.
        for (; position < text.size() && text[position] >= '0' && text[position] <= '9'; ++position)
            if (++digits <= 4) value = value * 10 + (text[position] - '0');
        if (field == 0 ? digits != 4 : (digits < 1 || digits > 2)) return false;
        numbers.push_back(value);
        if (field < separators.size()) {
            if (position >= text.size() || text[position] != separators[field]) return false;
            ++position;
        }
    }
    return position == text.size();
}

// The date and the time may come as one quoted argument or as two.
std::string JoinedArguments(const CliContext& context) {
    if (context.args.size() == 1) return context.args[0];
    if (context.args.size() == 2) return context.args[0] + " " + context.args[1];
    return {};
}

}  // namespace

int RunPillarsCommand(const CliContext& context) {
    std::string argument = JoinedArguments(context);
    std::vector<int> n;
    // Seconds may be left out; they are then 0.
    if (!ReadNumbers(argument, "-- ::", n) && !ReadNumbers(argument, "-- :", n))
        return cli::UsageError("pillars: 用法 pillars \"YYYY-MM-DD HH:MM[:SS]\"");
    n.resize(6);
    birthchart::FourPillars pillars;
    if (!birthchart::computeFourPillars({n[0], n[1], n[2], n[3], n[4], n[5]}, pillars)) {
        cli::PrintError("pillars: 日期时间无效或不晚于1900年: " + argument);
        return cli::kExitFailure;
    }
    // Before 1901-02-19 and after 2048-12-31 the calendar answers with empty names: a date it
    // cannot answer, as lunar and bazi report it.
    if (pillars.year == 0) {
        cli::PrintError("pillars: 日期超出范围（1901-02-19至2048-12-31）: " + argument);
        return cli::kExitFailure;
    }
    cli::Print(pillars.yearName + " " + pillars.monthName + " " + pillars.dayName + " " +
               pillars.hourName);
    return cli::kExitOk;
}

int RunLunarCommand(const CliContext& context) {
    std::vector<int> n;
    if (context.args.size() != 1 || !ReadNumbers(context.args[0], "--", n))
        return cli::UsageError("lunar: 用法 lunar YYYY-MM-DD");
    birthchart::LunarDate lunar;
    if (!birthchart::gregorianToLunar(n[0], n[1], n[2], lunar)) {
        cli::PrintError("lunar: 日期无效或不在1901-02-19至2048-12-31之间: " + context.args[0]);
        return cli::kExitFailure;
    }
    cli::Print(std::to_string(lunar.year) + " " + std::to_string(lunar.month) + " " +
               std::to_string(lunar.day) + " " + (lunar.leap ? "1" : "0"));
    return cli::kExitOk;
}

namespace {

// The chart of a "YYYY-MM-DD HH" argument, as bazi and elements read it; the exit code when
// there is none.
std::optional<int> ChartOf(const CliContext& context, const std::string& command,
                           birthchart::ChartState& state) {
    std::vector<int> n;
    if (!ReadNumbers(JoinedArguments(context), "-- ", n))
        return cli::UsageError(command + ": 用法 " + command +
                               " \"YYYY-MM-DD HH\"（时为 0 至 23）");
    // The page's selectors hold their numbers without leading zeros, and the report shows them so.
    birthchart::ChartDateTexts date{std::to_string(n[0]), std::to_string(n[1]),
                                    std::to_string(n[2]), std::to_string(n[3])};
    birthchart::ChartQueryResult result = birthchart::queryBirthChart(date, state);
    // A well-formed date the calendar cannot chart (2月30日, outside its years) is a failure of
    // the query, not of the command line.
    if (!result.ok) {
        cli::PrintError(command + ": " + result.message);
        return cli::kExitFailure;
    }
    return std::nullopt;
}

}  // namespace

int RunBaziCommand(const CliContext& context) {
    birthchart::ChartState state;
    if (std::optional<int> failed = ChartOf(context, "bazi", state)) return *failed;
    cli::Print(state.report);
    return cli::kExitOk;
}

int RunElementsCommand(const CliContext& context) {
    birthchart::ChartState state;
    if (std::optional<int> failed = ChartOf(context, "elements", state)) return *failed;
    const std::optional<birthchart::ElementStrength> strength =
        birthchart::weighElements(state.pillars);
    if (!strength) {
        cli::PrintError("elements: 四柱无法计算五行");
        return cli::kExitFailure;
    }
    cli::Print(birthchart::elementStrengthLine(*strength));
    return cli::kExitOk;
}
