// babyname-cli's argument handling: any arguments give an exit code of 0, 1 or 2 and never a
// crash. The input is cut at zero bytes into arguments after the program name. Every command
// runs on a small database written once; file arguments stay inside the scratch folder the fuzz
// script runs in.
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "cli/CommandLine.h"
#include "fuzz/FuzzInput.h"
#include "namedb/tests/FixtureDatabase.h"
#include "numerology/tests/NumerologyFixture.h"

namespace {

std::string WriteDatabase() {
    const auto file = std::filesystem::current_path() / "fuzz-namedata.db";
    std::filesystem::remove(file);
    SqliteDatabase db;
    fixture::OpenEmptyNameDatabase(db);
    for (const char* character : {"李", "明", "华", "王", "欧", "阳"})
        fixture::InsertCharacter(db, character, character, 7, 9, "木", "li", "l");
    for (int number = 1; number <= 81; ++number)
        numerology_fixture::InsertNumber(db, number, number % 3 ? "吉" : "凶");
    numerology_fixture::InsertThreeTalents(db, "木木木", "大吉");
    if (!db.ExecuteBound("VACUUM INTO ?", {SqlValue::Text(file.string())})) std::abort();
    return file.string();
}

// Keeps a fuzzed file name inside the current folder.
bool IsSafeArgument(const std::string& argument) {
    return argument.empty() || (argument[0] != '/' && argument.find("..") == std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string database = WriteDatabase();
    std::vector<std::string> arguments = {"babyname-cli", "--db", database};
    for (std::string& piece : SplitFuzzInput(data, size, 16)) {
        if (!IsSafeArgument(piece)) return 0;
        arguments.push_back(std::move(piece));
    }
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    const int code = cli::RunMain(static_cast<int>(arguments.size()), argv.data());
    if (code < 0 || code > 2) std::abort();
    return 0;
}
