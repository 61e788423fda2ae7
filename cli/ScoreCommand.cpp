#include <filesystem>
#include <string>

#include "cli/Commands.h"
#include "namedb/NameDb.h"
#include "numerology/CharacterLookup.h"
#include "numerology/DetailedEvaluation.h"
#include "numerology/ReportPages.h"
#include "text/Gbk.h"

namespace {

// The characters of a surname or given name: one or two Chinese characters, as the score page
// expects. A Latin letter, or a sign that GBK lacks and that became "?", has no stroke count and
// would only score as a missing character, so such a part is refused.
bool CutNamePart(const std::string& text, std::string& joined) {
    std::vector<std::string> pieces = SplitCharacters(text);
    if (pieces.empty() || pieces.size() > 2) return false;
    joined.clear();
    for (const std::string& piece : pieces) {
        if (piece.size() != 2 || static_cast<unsigned char>(piece[0]) < 0x81) return false;
        joined += piece;
    }
    return true;
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
    std::string surname, givenName;
    if (!CutNamePart(names[0], surname)) return cli::UsageError("score: 姓氏应为一到两个汉字");
    if (!CutNamePart(names[1], givenName)) return cli::UsageError("score: 名字应为一到两个汉字");

    if (!cli::LoadDatabase(context)) return cli::kExitFailure;

    NameEvaluation evaluation;
    int score = EvaluateInDetail(NameDb(), surname, givenName, evaluation);

    auto number = [](int value) { return std::to_string(value); };
    cli::Print(surname + givenName + "\t" + number(evaluation.simplifiedTotal) + "\t" +
               number(evaluation.totalGrid) + "\t" + evaluation.elementText + "\t" +
               number(evaluation.heavenGrid) + "," + number(evaluation.personGrid) + "," +
               number(evaluation.earthGrid) + "," + number(evaluation.totalGrid) + "," +
               number(evaluation.outerGrid) + "\t" + evaluation.threeTalents + "\t" +
               number(score));

    if (wantsReport && !WritePageFile(std::filesystem::u8path(text::GbkToUtf8(reportFile)),
                                      FillScoreReport(evaluation))) {
        cli::PrintError("score: 无法写入 " + reportFile);
        return cli::kExitFailure;
    }
    return cli::kExitOk;
}
