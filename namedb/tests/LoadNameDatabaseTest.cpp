#include <gtest/gtest.h>

#include <cstdlib>

#include "namedb/CharacterRow.h"
#include "namedb/LoadNameDatabase.h"
#include "namedb/NameDatabaseSchema.h"
#include "namedb/OpenNameDatabaseFile.h"
#include "namedb/tests/FixtureDatabase.h"

namespace {

// The name database the build made, in the source tree's data folder; empty when the test was
// started without BABYNAME_SOURCE_DIR.
std::filesystem::path BuiltDatabaseFile() {
    const char* source = std::getenv("BABYNAME_SOURCE_DIR");
    return source ? std::filesystem::path(source) / "data" / "namedata.db"
                  : std::filesystem::path();
}

class RecordingSink : public LoadFailureSink {
  public:
    void ShowLoadFailure(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

// Writes a database file with every table, one of them missing or a column short.
// emptyTable is left without rows.
std::filesystem::path WriteFixture(const fixture::TempDir& dir, const std::string& skip = "",
                                   const std::string& shortTable = "",
                                   const std::string& emptyTable = "") {
    auto file = dir.path() / "namedata.db";
    SqliteDatabase db;
    EXPECT_TRUE(db.Open(file, true));
    fixture::CreateNameTables(db, skip, shortTable);
    if (emptyTable != "NB_CNWord") {
        EXPECT_TRUE(fixture::InsertCharacter(db, "李", "李", 7, 7, "木", "li", "l"));
    }
    if (emptyTable != "NB_八一灵动数") {
        EXPECT_TRUE(
            fixture::InsertRow(db, "NB_八一灵动数", {SqlValue::Int(1), SqlValue::Text("大吉")}));
    }
    if (emptyTable != "NB_三才配置") {
        EXPECT_TRUE(fixture::InsertRow(
            db, "NB_三才配置", {SqlValue::Int(1), SqlValue::Text("木木木"), SqlValue::Text("吉")}));
    }
    db.Close();
    return file;
}

TEST(LoadNameDatabase, CopiesAllTablesAndIndexes) {
    fixture::TempDir dir;
    auto file = WriteFixture(dir);
    SqliteDatabase db;
    RecordingSink sink;
    ASSERT_TRUE(LoadNameDatabase(db, file, sink));
    EXPECT_TRUE(sink.messages.empty());

    auto count = [&](const char* sql) {
        Statement statement = db.Prepare(sql);
        EXPECT_TRUE(statement.Next()) << sql;
        return statement.Int(0);
    };
    EXPECT_EQ(count("select count(*) from sqlite_master where type='table'"), 9);
    EXPECT_EQ(count("select count(*) from sqlite_master where type='index'"), 3);
    std::optional<CharacterRow> li = FetchCharacterRow(db, "李");
    ASSERT_TRUE(li);
    EXPECT_EQ(li->traditionalStrokes, 7);
    EXPECT_EQ(li->element, "木");
    EXPECT_FALSE(FetchCharacterRow(db, "无"));
    EXPECT_EQ(count("select count(*) from pragma_database_list"), 1);  // the file is detached
}

// A newer file's tables beside the nine come along with their indexes; the older file above
// loaded without them.
TEST(LoadNameDatabase, CopiesTheOptionalTablesTheFileHas) {
    fixture::TempDir dir;
    auto file = WriteFixture(dir);
    {
        SqliteDatabase writer;
        ASSERT_TRUE(writer.Open(file));
        ASSERT_TRUE(writer.Execute(
            "create table NB_字级 (Id Integer(10), 汉字 VarChar(2), 级别 Integer(10))"));
        ASSERT_TRUE(writer.Execute("insert into NB_字级 values (1, '李', 1)"));
    }
    SqliteDatabase db;
    RecordingSink sink;
    ASSERT_TRUE(LoadNameDatabase(db, file, sink));
    Statement level = db.Prepare("select 级别 from NB_字级 where 汉字=?1", {SqlValue::Text("李")});
    ASSERT_TRUE(level.Next());
    EXPECT_EQ(level.Int(0), 1);
    Statement indexes =
        db.Prepare("select count(*) from sqlite_master where type='index' and tbl_name='NB_字级'");
    ASSERT_TRUE(indexes.Next());
    EXPECT_EQ(indexes.Int(0), 1);
    Statement others = db.Prepare("select count(*) from sqlite_master where name='NB_诗句索引'");
    ASSERT_TRUE(others.Next());
    EXPECT_EQ(others.Int(0), 0);
}

TEST(OpenNameDatabaseFile, ReadsTheFileInPlace) {
    fixture::TempDir dir;
    auto file = WriteFixture(dir);
    SqliteDatabase db;
    RecordingSink sink;
    ASSERT_TRUE(OpenNameDatabaseFile(db, file, sink));
    EXPECT_TRUE(sink.messages.empty());
    std::optional<CharacterRow> li = FetchCharacterRow(db, "李");
    ASSERT_TRUE(li);
    EXPECT_EQ(li->traditionalStrokes, 7);
    EXPECT_FALSE(db.Execute("delete from NB_CNWord"));  // read-only: the file stays as built
}

// Both ways of opening the database refuse a damaged file with one message, leave the database
// closed and never create a missing file.
TEST(NameDatabaseOpening, DamagedFilesAreRefused) {
    using Opener = bool (*)(SqliteDatabase&, const std::filesystem::path&, LoadFailureSink&);
    struct Case {
        const char* name;
        Opener open;
        const char* skip;
        const char* shortTable;
        const char* emptyTable;
        bool fileExists;
        const char* messageStart;
    };
    const Case cases[] = {
        {"load: missing file", LoadNameDatabase, "", "", "", false,
         "将磁盘数据库附加到内存数据库失败！"},
        {"load: missing table", LoadNameDatabase, "NB_百家姓", "", "", true,
         "no such table: new_db.NB_百家姓"},
        {"load: column short", LoadNameDatabase, "", "NB_EName", "", true,
         "table NB_EName has 10 columns but 9 values were supplied"},
        {"load: empty character table", LoadNameDatabase, "", "", "NB_CNWord", true,
         "名字数据库的表 NB_CNWord 是空的"},
        {"load: empty number table", LoadNameDatabase, "", "", "NB_八一灵动数", true,
         "名字数据库的表 NB_八一灵动数 是空的"},
        {"in place: missing file", OpenNameDatabaseFile, "", "", "", false,
         "无法打开名字数据库文件: "},
        {"in place: missing table", OpenNameDatabaseFile, "NB_百家姓", "", "", true,
         "no such table: NB_百家姓"},
        {"in place: column short", OpenNameDatabaseFile, "", "NB_EName", "", true,
         "table NB_EName has 9 columns but 10 were expected"},
        {"in place: empty three-talent table", OpenNameDatabaseFile, "", "", "NB_三才配置", true,
         "名字数据库的表 NB_三才配置 是空的"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fixture::TempDir dir;
        auto file = c.fileExists ? WriteFixture(dir, c.skip, c.shortTable, c.emptyTable)
                                 : dir.path() / "none.db";
        SqliteDatabase db;
        RecordingSink sink;
        EXPECT_FALSE(c.open(db, file, sink));
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].substr(0, std::string(c.messageStart).size()), c.messageStart);
        EXPECT_FALSE(db.IsOpen());
        EXPECT_EQ(std::filesystem::exists(file), c.fileExists);
    }
}

// The builder writes the nine tables in Python, the program reads them by column position: the
// built file must have the program's column names in the program's order (a swapped pair such as
// 拼音1/拼音2 would otherwise read every reading from the wrong column).
TEST(NameDatabaseSchema, TheBuiltDatabaseHasTheProgramsLayout) {
    const auto file = BuiltDatabaseFile();
    ASSERT_FALSE(file.empty()) << "BABYNAME_SOURCE_DIR is not set";
    SqliteDatabase db;
    ASSERT_TRUE(db.OpenReadOnly(file)) << file << " is missing; scripts/setup.sh builds it";
    for (const TableSchema& table : NameDatabaseTables()) {
        SCOPED_TRACE(table.name);
        Statement columns = db.Prepare("select name from pragma_table_info(?) order by cid",
                                       {SqlValue::Text(table.name)});
        std::vector<std::string> built;
        while (columns.Next()) built.push_back(columns.Text(0));
        ASSERT_FALSE(columns.Failed()) << columns.ErrorText();
        std::vector<std::string> expected;
        for (const FieldDef& field : table.fields) expected.push_back(field.name);
        EXPECT_EQ(built, expected);
    }
}

// The command line reads what a run needs of each character from the summary table NB_字要 of
// the file, the window from NB_CNWord copied into memory: both must give every character the same
// strokes, element and reading, and the summary the level of its first row in NB_字级.
TEST(NameDatabaseSummary, GivesWhatTheCharacterAndLevelTablesGive) {
    const auto file = BuiltDatabaseFile();
    ASSERT_FALSE(file.empty()) << "BABYNAME_SOURCE_DIR is not set";
    SqliteDatabase onDisk;
    ASSERT_TRUE(onDisk.OpenReadOnly(file)) << file << " is missing; scripts/setup.sh builds it";
    SqliteDatabase inMemory;
    RecordingSink sink;
    ASSERT_TRUE(LoadNameDatabase(inMemory, file, sink));

    std::vector<std::string> characters;
    Statement all = onDisk.Prepare("select distinct 汉字 from NB_CNWord where 汉字 is not null");
    while (all.NextOrThrow()) characters.push_back(all.Text(0));
    ASSERT_GT(characters.size(), 20000u);
    const auto summary = FetchCharacterEssentials(onDisk, characters);
    const auto table = FetchCharacterEssentials(inMemory, characters);
    ASSERT_EQ(summary.size(), table.size());
    for (const auto& [character, expected] : table) {
        SCOPED_TRACE(character);
        const auto found = summary.find(character);
        ASSERT_NE(found, summary.end());
        const CharacterEssentials& read = found->second;
        EXPECT_EQ(read.simplifiedStrokes, expected.simplifiedStrokes);
        EXPECT_EQ(read.traditionalStrokes, expected.traditionalStrokes);
        EXPECT_EQ(read.element, expected.element);
        EXPECT_EQ(read.reading, expected.reading);
        EXPECT_FALSE(expected.level.has_value());
        Statement level =
            inMemory.Prepare("select 级别 from NB_字级 where 汉字=? order by rowid limit 1",
                             {SqlValue::Text(character)});
        const int expectedLevel = level.NextOrThrow() ? level.Int(0) : 0;
        ASSERT_TRUE(read.level.has_value());
        EXPECT_EQ(*read.level, expectedLevel);
    }
}

}  // namespace
