#include <filesystem>
#include <string>

#include "cli/Commands.h"
#include "namedb/NameDb.h"
#include "numerology/CharacterLookup.h"
#include "numerology/DetailedEvaluation.h"
#include "numerology/ReportPages.h"
#include "text/Gbk.h"

namespace {

// A surname or given name must cut into one or two characters, as on the score page.
bool IsNamePart(const std::string& text) {
    std::size_t count = SplitCharacters(text).size();
    return count == 1 || count == 2;
}

std::string JoinedCharacters(const std::string& text) {
    std::string joined;
    for (const std::string& piece : SplitCharacters(text)) joined += piece;
    return joined;
}

}  // namespace

int RunScoreCommand(const CliContext& context) {
    std::vector<std::string> names;
    std::string reportFile;
    bool wantsReport = false;
    for (std::size_t i = 0; i < context.args.size(); ++i) {
        const std::string& arg = context.args[i];
        if (arg == "--report") {
            if (i + 1 >= context.args.size() || context.args[i + 1].empty())
                return cli::UsageError("score: --report 需要一个文件路径");
            wantsReport = true;
            reportFile = context.args[++i];
        } else if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            return cli::UsageError("score: 未知选项 " + arg);
        } else {
            names.push_back(arg);
        }
    }
    if (names.size() != 2) return cli::UsageError("score: 用法 score 姓氏 名字 [--report 文件]");
    if (!IsNamePart(names[0])) return cli::UsageError("score: 姓氏应为一到两个字");
    if (!IsNamePart(names[1])) return cli::UsageError("score: 名字应为一到两个字");

    if (!cli::LoadDatabase(context)) return cli::kExitFailure;

    NameEvaluation evaluation;
    int score = EvaluateInDetail(NameDb(), names[0], names[1], evaluation);

    auto number = [](int value) { return std::to_string(value); };
    cli::Print(JoinedCharacters(names[0]) + JoinedCharacters(names[1]) + "\t" +
               number(evaluation.simplifiedTotal) + "\t" + number(evaluation.totalGrid) + "\t" +
               evaluation.elementText + "\t" + number(evaluation.heavenGrid) + "," +
               number(evaluation.personGrid) + "," + number(evaluation.earthGrid) + "," +
               number(evaluation.totalGrid) + "," + number(evaluation.outerGrid) + "\t" +
               evaluation.threeTalents + "\t" + number(score));

    if (wantsReport && !WritePageFile(std::filesystem::u8path(text::GbkToUtf8(reportFile)),
                                      FillScoreReport(evaluation))) {
        cli::PrintError("score: 无法写入 " + reportFile);
        return cli::kExitFailure;
    }
    return cli::kExitOk;
}
