#include <string>
#include <vector>

#include "cli/Commands.h"
#include "namedb/SqliteDatabase.h"
#include "numerology/CharacterLookup.h"
#include "quality/NameQuality.h"
#include "quality/NameQualityReport.h"

int RunQualityCommand(const CliContext& context) {
    if (context.args.size() != 2) return cli::UsageError("quality: 用法 quality 姓氏 名字");
    std::string parts[2];
    for (int i = 0; i < 2; ++i)
        for (const std::string& piece : SplitCharacters(context.args[i])) parts[i] += piece;
    if (!cli::IsOneOrTwoChineseCharacters(parts[0]))
        return cli::UsageError("quality: 姓氏应为一到两个汉字");
    if (!cli::IsOneOrTwoChineseCharacters(parts[1]))
        return cli::UsageError("quality: 名字应为一到两个汉字");

    SqliteDatabase db;
    if (!cli::LoadDatabase(context, db)) return cli::kExitFailure;
    const quality::NameQuality result = quality::EvaluateNameQuality(db, parts[0], parts[1]);
    for (const std::string& line : quality::NameQualityLines(result)) cli::Print(line);
    return cli::kExitOk;
}
