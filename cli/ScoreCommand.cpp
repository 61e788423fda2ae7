#include <filesystem>
#include <string>

#include "cli/Commands.h"
#include "files/WriteFileAtomically.h"
#include "namedb/SqliteDatabase.h"
#include "numerology/CharacterLookup.h"
#include "numerology/DetailedEvaluation.h"
#include "numerology/ReportPages.h"

namespace {

// The characters of a surname or given name: one or two Chinese characters, as the score page
// expects, spaces dropped. A Latin letter, a full-width letter, or a sign that GBK lacks and that
// became "?", has no stroke count and would only score as a missing character, so such a part
// is refused.
bool CutNamePart(const std::string& text, std::string& joined) {
    joined.clear();
    for (const std::string& piece : SplitCharacters(text)) joined += piece;
    return cli::IsOneOrTwoChineseCharacters(joined);
}

}  // namespace

int RunScoreCommand(const CliContext& context) {
    std::vector<std::string> names;
    std::filesystem::path reportFile;
    bool wantsReport = false;
    for (std::size_t i = 0; i < context.args.size(); ++i) {
        const std::string& arg = context.args[i];
        if (arg == "--report") {
            if (i + 1 >= context.args.size() ||
                !cli::FileArgument(context.nativeArgs[i + 1], reportFile))
                return cli::UsageError("score: --report 需要一个文件路径");
            wantsReport = true;
            ++i;
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

    SqliteDatabase db;
    if (!cli::LoadDatabase(context, db)) return cli::kExitFailure;

    NameEvaluation evaluation;
    int score = EvaluateInDetail(db, surname, givenName, evaluation);

    auto number = [](int value) { return std::to_string(value); };
    cli::Print(surname + givenName + "\t" + number(evaluation.simplifiedTotal) + "\t" +
               number(evaluation.totalGrid) + "\t" + evaluation.elementText + "\t" +
               number(evaluation.heavenGrid) + "," + number(evaluation.personGrid) + "," +
               number(evaluation.earthGrid) + "," + number(evaluation.totalGrid) + "," +
               number(evaluation.outerGrid) + "\t" + evaluation.threeTalents + "\t" +
               number(score));

    if (wantsReport) {
        const files::WriteFileResult written =
            files::WriteFileAtomically(reportFile, FillScoreReport(evaluation));
        if (!written) {
            cli::PrintErrorUtf8("score: " + written.Message());
            return cli::kExitFailure;
        }
    }
    return cli::kExitOk;
}
