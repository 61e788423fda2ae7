#include <gtest/gtest.h>

#include "namedb/LoadNameDatabase.h"
#include "namedb/NameDatabaseSchema.h"
#include "namedb/OpenNameDatabaseFile.h"
#include "namedb/tests/FixtureDatabase.h"

namespace {

class RecordingSink : public LoadFailureSink {
  public:
    void ShowLoadFailure(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

// Writes a database file with every table, one of them missing or a column short.
std::filesystem::path WriteFixture(const fixture::TempDir& dir, const std::string& skip = "",
                                   const std::string& shortTable = "") {
    auto file = dir.path() / "namedata.db";
    SqliteDatabase db;
    EXPECT_TRUE(db.Open(file.string(), "", true));
    fixture::CreateNameTables(db, skip, shortTable);
    EXPECT_TRUE(fixture::InsertCharacter(db, "李", "李", 7, 7, "木", "li", "l"));
    EXPECT_TRUE(
        fixture::InsertRow(db, "NB_八一灵动数", {SqlValue::Int(1), SqlValue::Text("大吉")}));
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

    StatementGuard tables(db.Query("select count(*) from sqlite_master where type='table'"));
    EXPECT_EQ(SqliteDatabase::ColumnInt(tables, 0), 9);
    StatementGuard indexes(db.Query("select count(*) from sqlite_master where type='index'"));
    EXPECT_EQ(SqliteDatabase::ColumnInt(indexes, 0), 3);
    StatementGuard li(
        db.QueryBound("select * from NB_CNWord where 汉字=?", {SqlValue::Text("李")}));
    EXPECT_EQ(SqliteDatabase::ColumnInt(li, 6), 7);
    EXPECT_EQ(SqliteDatabase::ColumnText(li, 12), "木");
    StatementGuard missing(
        db.QueryBound("select * from NB_CNWord where 汉字=?", {SqlValue::Text("无")}));
    EXPECT_EQ(SqliteDatabase::ColumnText(missing, 2), "");
    EXPECT_EQ(SqliteDatabase::ColumnInt(missing, 5), 0);
    StatementGuard attached(db.Query("select count(*) from pragma_database_list"));
    EXPECT_EQ(SqliteDatabase::ColumnInt(attached, 0), 1);  // the file is detached again
}

TEST(OpenNameDatabaseFile, ReadsTheFileInPlace) {
    fixture::TempDir dir;
    auto file = WriteFixture(dir);
    SqliteDatabase db;
    RecordingSink sink;
    ASSERT_TRUE(OpenNameDatabaseFile(db, file, sink));
    EXPECT_TRUE(sink.messages.empty());
    StatementGuard li(
        db.QueryBound("select * from NB_CNWord where 汉字=?", {SqlValue::Text("李")}));
    EXPECT_EQ(SqliteDatabase::ColumnInt(li, 6), 7);
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
        bool fileExists;
        const char* messageStart;
    };
    const Case cases[] = {
        {"load: missing file", LoadNameDatabase, "", "", false,
         "将磁盘数据库附加到内存数据库失败！"},
        {"load: missing table", LoadNameDatabase, "NB_百家姓", "", true,
         "no such table: new_db.NB_百家姓"},
        {"load: column short", LoadNameDatabase, "", "NB_EName", true,
         "table NB_EName has 10 columns but 9 values were supplied"},
        {"in place: missing file", OpenNameDatabaseFile, "", "", false, "无法打开名字数据库文件: "},
        {"in place: missing table", OpenNameDatabaseFile, "NB_百家姓", "", true,
         "no such table: NB_百家姓"},
        {"in place: column short", OpenNameDatabaseFile, "", "NB_EName", true,
         "table NB_EName has 9 columns but 10 were expected"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fixture::TempDir dir;
        auto file = c.fileExists ? WriteFixture(dir, c.skip, c.shortTable) : dir.path() / "none.db";
        SqliteDatabase db;
        RecordingSink sink;
        EXPECT_FALSE(c.open(db, file, sink));
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].substr(0, std::string(c.messageStart).size()), c.messageStart);
        EXPECT_FALSE(db.IsOpen());
        EXPECT_EQ(std::filesystem::exists(file), c.fileExists);
    }
}

}  // namespace
