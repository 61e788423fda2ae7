#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class SqliteDatabase;

// What every command of babyname-cli shares: the arguments, the database path, and printing GBK
// texts as UTF-8 on the terminal.
struct CliContext {
    std::vector<std::string> args;  // GBK, the command's own arguments (after the command name)
    // The same arguments in UTF-8, never converted to GBK: file names are taken from these, so a
    // name with a character GBK lacks still names its own file.
    std::vector<std::string> nativeArgs;
    std::filesystem::path databaseFile;
};

namespace cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

std::string ToGbk(const std::string& utf8);
// The program's arguments in UTF-8: argv itself where the system gives UTF-8 (or any bytes), the
// wide command line converted on Windows.
std::vector<std::string> Utf8Arguments(int argc, char** argv);
// Writes a GBK text as UTF-8, followed by a newline unless newline is false.
void Print(const std::string& gbk, bool newline = true);
void PrintError(const std::string& gbk);
void PrintErrorUtf8(const std::string& utf8);
// Prints the one-line message of a usage error and returns the usage exit code.
int UsageError(const std::string& gbk);

// Whether text is one or two Chinese characters and nothing else, as a surname, a given name or
// a generation character must be. Full-width letters, digits and symbols are not characters of
// a name, and neither is a sign GBK lacks (it arrives as "?").
bool IsOneOrTwoChineseCharacters(std::string_view gbk);
// Whether two bytes are a Chinese character of GBK (GB 2312's character rows or the GBK
// extensions), as opposed to its punctuation, full-width letters and private areas.
bool IsChineseCharacter(unsigned char lead, unsigned char trail);

// A file name given on the command line in UTF-8 (never converted to GBK and back); false for an
// empty argument, which names no file.
bool FileArgument(const std::string& native, std::filesystem::path& file);

// Opens the name database file into db (read in place: a command runs once, so the copy into
// memory that the window program makes would only cost time); prints the failure and returns
// false when it cannot.
bool LoadDatabase(const CliContext& context, SqliteDatabase& db);

}  // namespace cli
