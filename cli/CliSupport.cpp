#include "cli/CliSupport.h"

#include <cstdio>

#include "namedb/OpenNameDatabaseFile.h"
#include "numerology/CharacterLookup.h"
#include "text/Gbk.h"

namespace cli {

std::string ToGbk(const std::string& utf8) { return text::Utf8ToGbk(utf8); }

void Print(const std::string& gbk, bool newline) {
    std::string utf8 = text::GbkToUtf8(gbk);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    if (newline) std::fputc('\n', stdout);
}

void PrintError(const std::string& gbk) { PrintErrorUtf8(text::GbkToUtf8(gbk)); }

void PrintErrorUtf8(const std::string& utf8) { std::fprintf(stderr, "%s\n", utf8.c_str()); }

int UsageError(const std::string& gbk) {
    PrintError(gbk);
    return kExitUsage;
}

bool IsChineseCharacter(unsigned char lead, unsigned char trail) {
    return ::IsChineseCharacter(lead, trail);
}

bool IsOneOrTwoChineseCharacters(std::string_view gbk) {
    return ::IsOneOrTwoChineseCharacters(gbk);
}

bool FileArgument(const std::string& native, std::filesystem::path& file) {
    if (native.empty()) return false;
    file = std::filesystem::path(native);
    return true;
}

namespace {
class StderrSink : public LoadFailureSink {
  public:
    void ShowLoadFailure(const std::string& gbkText) override { PrintError(gbkText); }
};
}  // namespace

bool LoadDatabase(const CliContext& context, SqliteDatabase& db) {
    StderrSink sink;
    return OpenNameDatabaseFile(db, context.databaseFile, sink);
}

}  // namespace cli
