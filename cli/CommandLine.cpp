#include "cli/CommandLine.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <new>
#include <string>

#include "cli/Commands.h"
#include "files/ProgramFolder.h"
#include "namedb/SqliteDatabase.h"

namespace {

const char kUsage[] =
    "用法: babyname-cli [--db 数据库文件] 命令 参数...\n"
    "      babyname-cli --version | --help\n"
    "命令:\n"
    "  score 姓氏 名字 [--report 文件]      给一个姓名评分\n"
    "  generate --mode 模式 --surname 姓氏 [--sex 男|女] [--length 1|2] [选项]  起名\n"
    "  pillars \"YYYY-MM-DD HH:MM[:SS]\"      四柱\n"
    "  lunar YYYY-MM-DD                     农历日期\n"
    "  bazi \"YYYY-MM-DD HH\"                 生辰八字报告\n"
    "  elements \"YYYY-MM-DD HH\"             八字五行强弱、日主、身强身弱与喜用\n"
    "  quality 姓氏 名字                    名字品质: 字级、用字、平仄、谐音、出处";

struct CommandEntry {
    const char* name;
    int (*run)(const CliContext&);
};

const CommandEntry kCommands[] = {
    {"score", RunScoreCommand},     {"generate", RunGenerateCommand},
    {"pillars", RunPillarsCommand}, {"lunar", RunLunarCommand},
    {"bazi", RunBaziCommand},       {"elements", RunElementsCommand},
    {"quality", RunQualityCommand},
};

int RunCommands(int argc, char** argv) {
    CliContext context;
    // The name database is the window program's own: data/ beside the program in the build tree,
    // ../share/babyname/data once installed.
    context.databaseFile =
        files::ReadOnlyRoot(files::ExecutableFolder(argv[0])) / "data" / "namedata.db";

    int index = 1;
    while (index < argc && argv[index][0] == '-') {
        std::string option = argv[index];
        if (option == "--help" || option == "-h") {
            cli::Print(kUsage);
            return cli::kExitOk;
        }
        if (option == "--version") {
            cli::Print("babyname-cli " BABYNAME_VERSION);
            return cli::kExitOk;
        }
        if (option == "--db") {
            if (index + 1 >= argc || !cli::FileArgument(argv[index + 1], context.databaseFile))
                return cli::UsageError("--db 需要一个数据库文件路径");
            index += 2;
            continue;
        }
        return cli::UsageError("未知选项: " + cli::ToGbk(option));
    }
    if (index >= argc) return cli::UsageError("缺少命令; 用 --help 查看用法");

    std::string command = argv[index++];
    for (; index < argc; ++index) {
        context.args.push_back(cli::ToGbk(argv[index]));
        context.nativeArgs.push_back(argv[index]);
    }
    for (const CommandEntry& entry : kCommands)
        if (command == entry.name) return entry.run(context);
    return cli::UsageError("未知命令: " + cli::ToGbk(command));
}

}  // namespace

namespace cli {

int RunMain(int argc, char** argv) {
    int exitCode;
    try {
        exitCode = RunCommands(argc, argv);
    } catch (const DatabaseError& error) {
        PrintError(std::string("无法读取名字数据库: ") + error.what());
        exitCode = kExitFailure;
    } catch (const std::bad_alloc&) {
        PrintError("内存不足");
        exitCode = kExitFailure;
    } catch (const std::exception& error) {
        PrintError(error.what());
        exitCode = kExitFailure;
    }
    // Output that never reached its file is a failure, not a success with nothing printed.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        PrintError("无法写入标准输出");
        std::clearerr(stdout);
        if (exitCode != kExitUsage) exitCode = kExitFailure;
    }
    return exitCode;
}

}  // namespace cli
