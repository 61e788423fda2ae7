#include <cstring>
#include <filesystem>
#include <string>

#include "cli/Commands.h"
#include "namedb/ProgramPaths.h"

namespace {

const char kUsage[] =
    "用法: babyname-cli [--db 数据库文件] 命令 参数...\n"
    "命令:\n"
    "  score 姓氏 名字 [--report 文件]      给一个姓名评分\n"
    "  generate --mode 模式 --surname 姓氏 [--sex 男|女] [--length 1|2] [选项]  起名\n"
    "  pillars \"YYYY-MM-DD HH:MM[:SS]\"      四柱\n"
    "  lunar YYYY-MM-DD                     农历日期\n"
    "  bazi \"YYYY-MM-DD HH\"                 生辰八字报告";

struct CommandEntry {
    const char* name;
    int (*run)(const CliContext&);
};

const CommandEntry kCommands[] = {
    {"score", RunScoreCommand}, {"generate", RunGenerateCommand}, {"pillars", RunPillarsCommand},
    {"lunar", RunLunarCommand}, {"bazi", RunBaziCommand},
};

std::filesystem::path ExecutableDirectory(const char* argv0) {
    std::error_code error;
    std::filesystem::path self = std::filesystem::canonical("/proc/self/exe", error);
    if (error) self = std::filesystem::absolute(argv0, error);
    return self.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
    SetProgramDirectory(ExecutableDirectory(argv[0]));
    CliContext context;
    context.databaseFile = DataDirectory() / "namedata.db";

    int index = 1;
    while (index < argc && argv[index][0] == '-') {
        std::string option = argv[index];
        if (option == "--help" || option == "-h") {
            cli::Print(kUsage);
            return cli::kExitOk;
        }
        if (option == "--db") {
            if (index + 1 >= argc) return cli::UsageError("--db 需要一个数据库文件路径");
            context.databaseFile = std::filesystem::u8path(argv[index + 1]);
            index += 2;
            continue;
        }
        return cli::UsageError("未知选项: " + cli::ToGbk(option));
    }
    if (index >= argc) return cli::UsageError("缺少命令; 用 --help 查看用法");

    std::string command = argv[index++];
    for (; index < argc; ++index) context.args.push_back(cli::ToGbk(argv[index]));
    for (const CommandEntry& entry : kCommands)
        if (command == entry.name) return entry.run(context);
    return cli::UsageError("未知命令: " + cli::ToGbk(command));
}
