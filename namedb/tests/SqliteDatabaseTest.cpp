#include <gtest/gtest.h>

#include "namedb/SqliteDatabase.h"
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
        bool statement;          // whether Query gives a statement
        const char* firstText;   // column 1 of the first row
        int firstInt;            // column 0 of the first row
        const char* nullColumn;  // column 2 of the first row
        bool more;               // whether Step finds a second row
    };
    const Case cases[] = {
        {"two rows", "select * from T order by Id", true, "李", 1, "", true},
        {"no row", "select * from T where Id=9", true, "", 0, "", false},
        {"invalid SQL", "selec * frm T", false, "", 0, "", false},
        {"Chinese written by the engine", "select * from T where Id=2", true, "涛", 2, "a\"b",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Statement statement = db.Query(c.sql);
        EXPECT_EQ(statement != nullptr, c.statement);
        EXPECT_EQ(SqliteDatabase::ColumnText(statement, 1), c.firstText);
        EXPECT_EQ(SqliteDatabase::ColumnInt(statement, 0), c.firstInt);
        EXPECT_EQ(SqliteDatabase::ColumnText(statement, 2), c.nullColumn);
        EXPECT_EQ(SqliteDatabase::ColumnInt(statement, 2), 0);
        EXPECT_EQ(SqliteDatabase::Step(statement), c.more);
        EXPECT_EQ(SqliteDatabase::Finalize(statement), c.statement);
    }
}

TEST_F(SqliteDatabaseTest, BoundValuesFindTheirRowsAndNeverChangeTheQuery) {
    StatementGuard quoted(db.QueryBound("select * from T where 说明=?", {SqlValue::Text("a\"b")}));
    EXPECT_EQ(SqliteDatabase::ColumnInt(quoted, 0), 2);

    StatementGuard chinese(db.QueryBound("select * from T where 汉字=?", {SqlValue::Text("涛")}));
    EXPECT_EQ(SqliteDatabase::ColumnInt(chinese, 0), 2);

    StatementGuard number(db.QueryBound("select * from T where Id=?", {SqlValue::Int(1)}));
    EXPECT_EQ(SqliteDatabase::ColumnText(number, 1), "李");

    // Quoted into the SQL text the same value breaks the statement; bound it is only a value.
    EXPECT_EQ(db.Query("select * from T where 说明=\"a\"b\""), nullptr);
    StatementGuard injection(
        db.QueryBound("select * from T where 汉字=?", {SqlValue::Text("\" or 1=1 or \"")}));
    EXPECT_FALSE(SqliteDatabase::ColumnInt(injection, 0));
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
    StatementGuard sql(db.Query("select sql from sqlite_master where name='T2'"));
    EXPECT_EQ(SqliteDatabase::ColumnText(sql, 0),
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
    EXPECT_EQ(db.Query("select 1"), nullptr);
}

TEST(SqliteDatabaseLifecycle, OpenWithoutCreateFailsOnMissingFile) {
    SqliteDatabase db;
    EXPECT_FALSE(db.Open("/nonexistent-folder/none.db"));
    EXPECT_FALSE(db.IsOpen());
    EXPECT_TRUE(db.Open("", "secret"));  // no encryption in this engine: opens without a key
}

}  // namespace
