#include "namedb/tests/FixtureDatabase.h"

#include <atomic>
#include <chrono>
#include <stdexcept>

#include "namedb/NameDatabaseSchema.h"

namespace fixture {

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    m_path = std::filesystem::temp_directory_path() /
             ("babyname-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(m_path);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void CreateNameTables(SqliteDatabase& db, const std::string& skipTable,
                      const std::string& shortTable) {
    for (const TableSchema& table : NameDatabaseTables()) {
        if (table.name == skipTable) continue;
        std::vector<FieldDef> fields = table.fields;
        if (table.name == shortTable) fields.pop_back();
        std::string error;
        if (!db.CreateTable(table.name, fields, &error))
            throw std::runtime_error("fixture table: " + error);
    }
}

bool InsertRow(SqliteDatabase& db, const std::string& table, const std::vector<SqlValue>& values) {
    size_t columns = 0;
    for (const TableSchema& schema : NameDatabaseTables())
        if (schema.name == table) columns = schema.fields.size();
    if (columns == 0 || values.size() > columns) return false;
    std::string sql = "insert into " + table + " values (";
    for (size_t i = 0; i < columns; ++i) {
        sql += i < values.size() ? "?" : "NULL";
        if (i + 1 < columns) sql += ",";
    }
    sql += ")";
    return db.ExecuteBound(sql, values);
}

bool AddPackedList(SqliteDatabase& db, const std::string& name, const std::string& gbkText) {
    return db.Execute("create table if not exists NB_用字名单 (名单 VarChar(8), 内容 Blob)") &&
           db.ExecuteBound("insert into NB_用字名单 values (?1, ?2)",
                           {SqlValue::Text(name), SqlValue::Bytes(gbkText)});
}

bool InsertCharacter(SqliteDatabase& db, const std::string& character,
                     const std::string& traditional, int simplifiedStrokes, int traditionalStrokes,
                     const std::string& element, const std::string& pinyin1,
                     const std::string& initial) {
    static std::atomic<int> id{1};
    return InsertRow(
        db, "NB_CNWord",
        {SqlValue::Int(id++), SqlValue::Int(0), SqlValue::Text(character),
         SqlValue::Text(character), SqlValue::Text(traditional), SqlValue::Int(simplifiedStrokes),
         SqlValue::Int(traditionalStrokes), SqlValue::Text(pinyin1), SqlValue::Text(pinyin1),
         SqlValue::Text(initial), SqlValue::Text(""), SqlValue::Text(""), SqlValue::Text(element),
         SqlValue::Text(""), SqlValue::Text(""), SqlValue::Text("")});
}

void OpenEmptyNameDatabase(SqliteDatabase& db) {
    if (!db.Open()) throw std::runtime_error("fixture: cannot open an in-memory database");
    CreateNameTables(db);
}

bool RunEndlessQuery(SqliteDatabase& db, std::string& error) {
    return db.Execute(
        "with recursive n(i) as (select 1 union all select i + 1 from n) select count(*) from n",
        &error);
}

}  // namespace fixture
