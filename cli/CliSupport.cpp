#include "cli/CliSupport.h"

#include <cstdio>

#include "namedb/NameDb.h"
#include "namedb/OpenNameDatabaseFile.h"
#include "text/Gbk.h"

namespace cli {

std::string ToGbk(const std::string& utf8) { return text::Utf8ToGbk(utf8); }

void Print(const std::string& gbk, bool newline) {
    std::string utf8 = text::GbkToUtf8(gbk);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    if (newline) std::fputc('\n', stdout);
}

void PrintError(const std::string& gbk) {
    std::string utf8 = text::GbkToUtf8(gbk);
    std::fprintf(stderr, "%s\n", utf8.c_str());
}

int UsageError(const std::string& gbk) {
    PrintError(gbk);
    return kExitUsage;
}

namespace {
class StderrSink : public LoadFailureSink {
  public:
    void ShowLoadFailure(const std::string& gbkText) override { PrintError(gbkText); }
};
}  // namespace

bool LoadDatabase(const CliContext& context) {
    StderrSink sink;
    return OpenNameDatabaseFile(NameDb(), context.databaseFile, sink);
}

}  // namespace cli
