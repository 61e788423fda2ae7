#include <string>
#include <vector>

#include "birthchart/BirthChartQuery.h"
#include "birthchart/LunarCalendar.h"
#include "cli/Commands.h"

namespace {

// Reads text laid out like layout, where each 'd' stands for one digit and every other character
// must appear as it is; the digit runs become numbers in order.
bool ReadNumbers(const std::string& text, const std::string& layout, std::vector<int>& numbers) {
    if (text.size() != layout.size()) return false;
    numbers.clear();
    bool inNumber = false;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        if (layout[i] != 'd') {
            if (text[i] != layout[i]) return false;
            inNumber = false;
            continue;
        }
        if (text[i] < '0' || text[i] > '9') return false;
        if (!inNumber) numbers.push_back(0);
        numbers.back() = numbers.back() * 10 + (text[i] - '0');
        inNumber = true;
    }
    return true;
}

bool ReadSingleArgument(const CliContext& context, const std::string& layout,
                        std::vector<int>& numbers) {
    return context.args.size() == 1 && ReadNumbers(context.args[0], layout, numbers);
}

}  // namespace

int RunPillarsCommand(const CliContext& context) {
    std::vector<int> n;
    if (!ReadSingleArgument(context, "dddd-dd-dd dd:dd:dd", n))
        return cli::UsageError("pillars: 用法 pillars \"YYYY-MM-DD HH:MM:SS\"");
    birthchart::FourPillars pillars;
    if (!birthchart::computeFourPillars({n[0], n[1], n[2], n[3], n[4], n[5]}, pillars)) {
        cli::PrintError("pillars: 日期无效或不晚于1900年: " + context.args[0]);
        return cli::kExitFailure;
    }
    // Outside 1901-02-19 … 2048-12-31 the names are empty and the line stays empty.
    if (pillars.year == 0) {
        cli::Print("");
        return cli::kExitOk;
    }
    cli::Print(pillars.yearName + " " + pillars.monthName + " " + pillars.dayName + " " +
               pillars.hourName);
    return cli::kExitOk;
}

int RunLunarCommand(const CliContext& context) {
    std::vector<int> n;
    if (!ReadSingleArgument(context, "dddd-dd-dd", n))
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

int RunBaziCommand(const CliContext& context) {
    std::vector<int> n;
    if (!ReadSingleArgument(context, "dddd-dd-dd dd", n))
        return cli::UsageError("bazi: 用法 bazi \"YYYY-MM-DD HH\"");
    // The page's selectors hold their numbers without leading zeros, and the report shows them so.
    birthchart::ChartDateTexts date{std::to_string(n[0]), std::to_string(n[1]),
                                    std::to_string(n[2]), std::to_string(n[3])};
    birthchart::ChartState state;
    birthchart::ChartQueryResult result = birthchart::queryBirthChart(date, state);
    if (!result.ok) {
        cli::PrintError("bazi: " + result.message);
        return cli::kExitFailure;
    }
    cli::Print(state.report);
    return cli::kExitOk;
}
