// cli_damaged_database IN OUT damage NAME | empty TABLE
// Copies the database IN to OUT, then either overwrites every page of the table or index NAME
// but its root page with 0xFF bytes (a damaged disk: the schema still reads, the rows do not),
// or deletes every row of TABLE.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/CliSupport.h"
#include "files/Utf8Path.h"
#include "namedb/SqliteDatabase.h"
#include "text/Gbk.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: cli_damaged_database IN OUT damage|empty NAME\n");
        return 2;
    }
    const std::vector<std::string> arguments = cli::Utf8Arguments(argc, argv);
    const std::filesystem::path in = files::PathFromUtf8(arguments[1]),
                                out = files::PathFromUtf8(arguments[2]);
    // The core speaks GBK; the table name arrives as UTF-8.
    const std::string mode = arguments[3], name = text::Utf8ToGbk(arguments[4]);
    // Removed first: MinGW's copy_file refuses to overwrite even when asked to.
    std::filesystem::remove(out);
    std::filesystem::copy_file(in, out);
    SqliteDatabase db;
    if (!db.Open(out)) return 1;
    if (mode == "empty") {
        std::string error;
        if (!db.Execute("delete from " + name, &error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        return 0;
    }
    Statement size = db.Prepare("pragma page_size");
    if (!size.Next()) return 1;
    const long long pageSize = size.Int64(0);
    // The pages of one table or index, as the engine's page statistics list them.
    Statement pages = db.Prepare(
        "select pageno from dbstat where name=? and "
        "pageno<>(select rootpage from sqlite_master where name=?)",
        {SqlValue::Text(name), SqlValue::Text(name)});
    std::vector<long long> numbers;
    while (pages.Next()) numbers.push_back(pages.Int64(0));
    if (pages.Failed() || numbers.empty()) {
        std::fprintf(stderr, "no pages of %s: %s\n", name.c_str(), pages.ErrorText().c_str());
        return 1;
    }
    db.Close();
    std::fstream file(out, std::ios::in | std::ios::out | std::ios::binary);
    const std::string garbage(static_cast<size_t>(pageSize), '\xff');
    for (long long number : numbers) {
        file.seekp((number - 1) * pageSize);
        file.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
    }
    return file ? 0 : 1;
}
