#pragma once

#include <filesystem>
#include <string>
#include <vector>

// What every command of babyname-cli shares: the arguments as GBK, the database path, and
// printing GBK texts as UTF-8 on the terminal.
struct CliContext {
    std::vector<std::string> args;  // GBK, the command's own arguments (after the command name)
    std::filesystem::path databaseFile;
};

namespace cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

std::string ToGbk(const std::string& utf8);
// Writes a GBK text as UTF-8, followed by a newline unless newline is false.
void Print(const std::string& gbk, bool newline = true);
void PrintError(const std::string& gbk);
// Prints the one-line message of a usage error and returns the usage exit code.
int UsageError(const std::string& gbk);

// Opens the name database file for NameDb() (read in place: a command runs once, so the copy
// into memory that the window program makes would only cost time); prints the failure and
// returns false when it cannot.
bool LoadDatabase(const CliContext& context);

}  // namespace cli
