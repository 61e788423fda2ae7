#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>

#include "namedb/SqliteDatabase.h"
#include "namedb/tests/FixtureDatabase.h"
#include "text/Gbk.h"

namespace {

class SqliteDatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(db.Open());
        ASSERT_TRUE(
            db.Execute("create table T (Id Integer(10), 汉字 VarChar(2), 说明 VarChar(20))"));
        ASSERT_TRUE(db.Execute("insert into T values (1, '李', NULL)"));
        // Written as UTF-8 by the engine itself, as another tool would have stored it.
        ASSERT_TRUE(db.Execute("insert into T values (2, char(0x6D9B), 'a\"b')"));
    }
    SqliteDatabase db;
};

TEST_F(SqliteDatabaseTest, ReadsRowsAndEdgeCases) {
    struct Case {
        const char* name;
        const char* sql;
        bool failed;             // whether the statement reports an error instead of rows
        const char* firstText;   // column 1 of the first row
        int firstInt;            // column 0 of the first row
        const char* nullColumn;  // column 2 of the first row
        bool more;               // whether Next finds a second row
    };
    const Case cases[] = {
        {"two rows", "select * from T order by Id", false, "李", 1, "", true},
        {"no row", "select * from T where Id=9", false, "", 0, "", false},
        {"invalid SQL", "selec * frm T", true, "", 0, "", false},
        {"Chinese written by the engine", "select * from T where Id=2", false, "涛", 2, "a\"b",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Statement statement = db.Prepare(c.sql);
        EXPECT_EQ(statement.Failed(), c.failed);
        const bool first = statement.Next();
        EXPECT_EQ(first, !c.failed && c.firstInt != 0);
        EXPECT_EQ(statement.Text(1), c.firstText);
        EXPECT_EQ(statement.Int(0), c.firstInt);
        EXPECT_EQ(statement.Int64(0), c.firstInt);
        EXPECT_EQ(statement.Text(2), c.nullColumn);
        EXPECT_EQ(statement.IsNull(2), c.nullColumn[0] == 0);
        EXPECT_EQ(statement.Int(2), 0);
        EXPECT_EQ(statement.Next(), c.more);
        EXPECT_EQ(statement.Failed(), c.failed);
        EXPECT_EQ(statement.ErrorText().empty(), !c.failed);
    }
}

// A statement is owned: moving hands it over, the moved-from one reads as no statement, and a
// finished result stays finished.
TEST_F(SqliteDatabaseTest, StatementsMoveAndEndOnce) {
    Statement first = db.Prepare("select Id from T order by Id");
    ASSERT_TRUE(first.Next());
    Statement moved = std::move(first);
    EXPECT_TRUE(first.Failed());
    EXPECT_FALSE(first.Next());
    EXPECT_EQ(moved.Int(0), 1);
    EXPECT_TRUE(moved.Next());
    EXPECT_FALSE(moved.Next());
    EXPECT_TRUE(moved.Done());
    EXPECT_FALSE(moved.Next());
    EXPECT_FALSE(moved.Failed());
    moved = db.Prepare("select 7");
    ASSERT_TRUE(moved.Next());
    EXPECT_EQ(moved.Int(0), 7);
    Statement none;
    EXPECT_THROW(none.NextOrThrow(), DatabaseError);
}

// Binding never drops a value: a count that does not match the parameters is an error of the
// statement, not a silently different query; six and more values bind like one.
TEST_F(SqliteDatabaseTest, BindingFailuresAreReported) {
    auto text = [](const char* value) { return SqlValue::Text(value); };
    const std::string bytes("\0\xff", 2);
    struct Case {
        const char* name;
        const char* sql;
        std::vector<SqlValue> values;
        const char* result;  // nullptr: the statement fails
    };
    const Case cases[] = {
        {"six values",
         "select ?1||?2||?3||?4||?5||?6",
         {text("a"), text("b"), text("c"), text("d"), text("e"), text("f")},
         "abcdef"},
        {"a value too many", "select ?", {text("a"), text("b")}, nullptr},
        {"a value too few", "select ?, ?", {text("a")}, nullptr},
        {"bytes kept as they are", "select ?", {SqlValue::Bytes(bytes)}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Statement statement = db.Prepare(c.sql, c.values);
        EXPECT_EQ(statement.Failed(), c.result == nullptr) << statement.ErrorText();
        EXPECT_EQ(statement.Next(), c.result != nullptr);
        if (c.result) {
            EXPECT_EQ(*c.result ? statement.Text(0) : statement.Bytes(0),
                      *c.result ? std::string(c.result) : bytes);
        }
    }
}

TEST_F(SqliteDatabaseTest, BoundValuesFindTheirRowsAndNeverChangeTheQuery) {
    Statement quoted = db.Prepare("select * from T where 说明=?", {SqlValue::Text("a\"b")});
    ASSERT_TRUE(quoted.Next());
    EXPECT_EQ(quoted.Int(0), 2);

    Statement chinese = db.Prepare("select * from T where 汉字=?", {SqlValue::Text("涛")});
    ASSERT_TRUE(chinese.Next());
    EXPECT_EQ(chinese.Int(0), 2);

    Statement number = db.Prepare("select * from T where Id=?", {SqlValue::Int(1)});
    ASSERT_TRUE(number.Next());
    EXPECT_EQ(number.Text(1), "李");

    // Quoted into the SQL text the same value breaks the statement; bound it is only a value.
    EXPECT_TRUE(db.Prepare("select * from T where 说明=\"a\"b\"").Failed());
    Statement injection =
        db.Prepare("select * from T where 汉字=?", {SqlValue::Text("\" or 1=1 or \"")});
    EXPECT_FALSE(injection.Next());
    EXPECT_FALSE(injection.Failed());
}

TEST_F(SqliteDatabaseTest, ExecuteReportsTheEnginesMessage) {
    std::string error = "stale";
    EXPECT_TRUE(db.Execute("insert into T values (3, '王', NULL)", &error));
    EXPECT_EQ(error, "");
    EXPECT_FALSE(db.Execute("insert into 无此表 values (1)", &error));
    EXPECT_EQ(error, "no such table: 无此表");

    EXPECT_FALSE(db.CreateTable("Empty", {}, &error));
    EXPECT_NE(error, "");
}

TEST_F(SqliteDatabaseTest, CreateTableWritesTheColumnList) {
    std::string error;
    ASSERT_TRUE(db.CreateTable("T2",
                               {{"Id", 3, 10, 0, ""},
                                {"汉字", 10, 2, 0, ""},
                                {"K", 3, 0, 1 | 2 | 4, ""},
                                {"D", 12, 0, 0, "'x'"}},
                               &error))
        << error;
    Statement sql = db.Prepare("select sql from sqlite_master where name='T2'");
    ASSERT_TRUE(sql.Next());
    EXPECT_EQ(sql.Text(0),
              "CREATE TABLE T2 (Id Integer(10),汉字 VarChar(2),K Integer Primary Key AutoIncrement "
              "Not Null,D Text Default 'x')");
}

TEST(SqliteDatabaseNames, TypeAndAttributeWords) {
    const std::pair<int, const char*> types[] = {{1, "Byte"}, {3, "Integer"},  {8, "DateTime"},
                                                 {9, ""},     {10, "VarChar"}, {12, "Text"},
                                                 {13, ""}};
    for (auto [code, word] : types) EXPECT_EQ(SqliteDatabase::TypeName(code), word) << code;
    EXPECT_EQ(SqliteDatabase::AttributeText(0), "");
    EXPECT_EQ(SqliteDatabase::AttributeText(4), " Not Null");
    EXPECT_EQ(SqliteDatabase::AttributeText(3), "Primary Key AutoIncrement");
}

TEST(SqliteDatabaseLifecycle, CloseTwiceAndUseAfterClose) {
    SqliteDatabase db;
    EXPECT_FALSE(db.Close());
    ASSERT_TRUE(db.Open());
    EXPECT_TRUE(db.Close());
    EXPECT_FALSE(db.Close());
    EXPECT_FALSE(db.Execute("select 1"));
    Statement afterClose = db.Prepare("select 1");
    EXPECT_FALSE(afterClose.Next());
    EXPECT_TRUE(afterClose.Failed());
}

// Open on an open database closes the first connection: its in-memory table is gone.
TEST(SqliteDatabaseLifecycle, OpenClosesAnOpenConnectionFirst) {
    SqliteDatabase db;
    ASSERT_TRUE(db.Open());
    ASSERT_TRUE(db.Execute("create table Old (x)"));
    ASSERT_TRUE(db.Open());
    EXPECT_FALSE(db.Execute("select * from Old"));
}

TEST(SqliteDatabaseLifecycle, OpenWithoutCreateFailsOnMissingFile) {
    SqliteDatabase db;
    EXPECT_FALSE(db.Open("/nonexistent-folder/none.db"));
    EXPECT_FALSE(db.IsOpen());
}

// A relative name that begins with "file:" is a file of that name, never an SQLite URI.
TEST(SqliteDatabaseLifecycle, FileNamesAreNeverUris) {
    EXPECT_EQ(EngineFileName("file:x.db?mode=memory"), "./file:x.db?mode=memory");
    EXPECT_EQ(EngineFileName("FILE:x.db"), "./FILE:x.db");
    EXPECT_EQ(EngineFileName("/tmp/file:x.db"), "/tmp/file:x.db");
    EXPECT_EQ(EngineFileName("names.db"), "names.db");
}

// Read errors reach the caller as errors: rows read before a damaged page are followed by a
// failure with the engine's message, never by a quiet end of the result.
TEST(SqliteDatabaseReadErrors, DamagedPagesAndLocksAreFailures) {
    fixture::TempDir dir;
    const auto file = dir.path() / "pages.db";
    {
        SqliteDatabase writer;
        ASSERT_TRUE(writer.Open(file, true));
        ASSERT_TRUE(writer.Execute("pragma page_size=1024; create table R (n, t)"));
        ASSERT_TRUE(writer.Execute(
            "with recursive k(n) as (select 1 union all select n+1 from k where n<2000) "
            "insert into R select n, printf('%0100d', n) from k"));
    }
    const auto size = std::filesystem::file_size(file);
    ASSERT_GT(size, 100u * 1024);
    struct Case {
        const char* name;
        std::uintmax_t from;  // damaged bytes, a fraction of the file
        int code;
    };
    const Case cases[] = {
        {"the second half of the pages", size / 2, SQLITE_CORRUPT},
        {"the last pages", size - 8 * 1024, SQLITE_CORRUPT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto damaged = dir.path() / "damaged.db";
        // Removed first: MinGW's copy_file refuses to overwrite even when asked to.
        std::filesystem::remove(damaged);
        std::filesystem::copy_file(file, damaged);
        {
            std::fstream bytes(damaged, std::ios::in | std::ios::out | std::ios::binary);
            bytes.seekp(static_cast<std::streamoff>(c.from));
            const std::string garbage(size - c.from, '\xff');
            bytes.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
        }
        SqliteDatabase db;
        ASSERT_TRUE(db.OpenReadOnly(damaged));
        Statement rows = db.Prepare("select n from R");
        int read = 0;
        while (rows.Next()) ++read;
        EXPECT_LT(read, 2000);
        EXPECT_TRUE(rows.Failed());
        EXPECT_EQ(rows.ErrorCode(), c.code);
        EXPECT_NE(rows.ErrorText(), "");
        Statement again = db.Prepare("select count(*) from R");
        EXPECT_THROW(again.NextOrThrow(), DatabaseError);
    }

    // Another connection holds the file past the busy timeout.
    SqliteDatabase holder;
    ASSERT_TRUE(holder.Open(file));
    ASSERT_TRUE(holder.Execute("begin exclusive; update R set t='x' where n=1"));
    SqliteDatabase reader;
    ASSERT_TRUE(reader.OpenReadOnly(file));
    reader.SetBusyTimeout(50);
    Statement locked = reader.Prepare("select count(*) from R");
    EXPECT_FALSE(locked.Next());
    EXPECT_TRUE(locked.Failed());
    EXPECT_EQ(locked.ErrorCode(), SQLITE_BUSY);
    EXPECT_EQ(locked.ErrorText(), "database is locked");
    ASSERT_TRUE(holder.Execute("rollback"));
    Statement released = reader.Prepare("select count(*) from R");
    ASSERT_TRUE(released.Next());
    EXPECT_EQ(released.Int(0), 2000);
}

}  // namespace
