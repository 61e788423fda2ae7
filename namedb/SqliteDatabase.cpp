#include "namedb/SqliteDatabase.h"

#include <sqlite3.h>

#include "text/Gbk.h"

using text::GbkToUtf8;
using text::Utf8ToGbk;

SqliteDatabase::~SqliteDatabase() { Close(); }

bool SqliteDatabase::Open(const std::string& fileName, const std::string& password, bool create) {
    std::string name = fileName.empty() ? std::string(":memory:") : GbkToUtf8(fileName);
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX;
    if (create) flags |= SQLITE_OPEN_CREATE;
    sqlite3* connection = nullptr;
    if (sqlite3_open_v2(name.c_str(), &connection, flags, nullptr) != SQLITE_OK) {
        sqlite3_close(connection);
        return false;
    }
    m_connection = connection;
    // This engine build has no encryption (sqlite3_key); the database opens without a key.
    (void)password;
    return true;
}

bool SqliteDatabase::OpenReadOnly(const std::filesystem::path& file) {
    auto u8 = file.u8string();
    std::string utf8(reinterpret_cast<const char*>(u8.data()), u8.size());
    sqlite3* connection = nullptr;
    if (sqlite3_open_v2(utf8.c_str(), &connection, SQLITE_OPEN_READONLY | SQLITE_OPEN_FULLMUTEX,
                        nullptr) != SQLITE_OK) {
        sqlite3_close(connection);
        return false;
    }
    m_connection = connection;
    return true;
}

bool SqliteDatabase::Close() {
    if (!m_connection) return false;
    int result = sqlite3_close_v2(m_connection);
    m_connection = nullptr;
    return result == SQLITE_OK;
}

bool SqliteDatabase::Execute(const std::string& sql, std::string* errorText) {
    if (!m_connection) {
        if (errorText) *errorText = "";
        return false;
    }
    char* message = nullptr;
    int result = sqlite3_exec(m_connection, GbkToUtf8(sql).c_str(), nullptr, nullptr, &message);
    if (errorText) *errorText = message ? Utf8ToGbk(message) : std::string();
    sqlite3_free(message);
    return result == SQLITE_OK;
}

Statement SqliteDatabase::Prepare(const std::string& sql) {
    if (!m_connection) return nullptr;
    std::string utf8 = GbkToUtf8(sql);
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_connection, utf8.c_str(), int(utf8.size()) + 1, &statement, nullptr) !=
        SQLITE_OK) {
        sqlite3_finalize(statement);
        return nullptr;
    }
    return statement;
}

Statement SqliteDatabase::Query(const std::string& sql,
                                std::initializer_list<std::string_view> blobs) {
    Statement statement = Prepare(sql);
    if (!statement) return nullptr;
    int position = 1;
    for (std::string_view blob : blobs) {
        if (position > 5) break;
        if (sqlite3_bind_blob(statement, position++, blob.data(), int(blob.size()),
                              SQLITE_TRANSIENT) != SQLITE_OK)
            return statement;
    }
    sqlite3_step(statement);
    return statement;
}

Statement SqliteDatabase::QueryBound(const std::string& sql,
                                     std::initializer_list<SqlValue> values) {
    return QueryBound(sql, std::vector<SqlValue>(values));
}

bool SqliteDatabase::Bind(Statement statement, const std::vector<SqlValue>& values) {
    int position = 1;
    for (const SqlValue& value : values) {
        int result;
        if (value.kind() == SqlValue::Kind::Text) {
            std::string utf8 = GbkToUtf8(value.text());
            result = sqlite3_bind_text(statement, position, utf8.data(), int(utf8.size()),
                                       SQLITE_TRANSIENT);
        } else {
            result = sqlite3_bind_int64(statement, position, value.integer());
        }
        if (result != SQLITE_OK) return false;
        ++position;
    }
    return true;
}

Statement SqliteDatabase::QueryBound(const std::string& sql, const std::vector<SqlValue>& values) {
    Statement statement = Prepare(sql);
    if (!statement) return nullptr;
    if (!Bind(statement, values)) return statement;
    sqlite3_step(statement);
    return statement;
}

bool SqliteDatabase::ExecuteBound(const std::string& sql, const std::vector<SqlValue>& values,
                                  std::string* errorText) {
    if (errorText) *errorText = "";
    Statement statement = Prepare(sql);
    bool ok = statement && Bind(statement, values) && sqlite3_step(statement) == SQLITE_DONE;
    if (!ok && errorText) *errorText = ErrorMessage();
    sqlite3_finalize(statement);
    return ok;
}

bool SqliteDatabase::Step(Statement statement) {
    return statement && sqlite3_step(statement) == SQLITE_ROW;
}

bool SqliteDatabase::Finalize(Statement statement) {
    return statement && sqlite3_finalize(statement) == SQLITE_OK;
}

std::string SqliteDatabase::ColumnText(Statement statement, int column) {
    if (!statement) return {};
    auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    if (!bytes) return {};
    return Utf8ToGbk(std::string_view(bytes, size_t(ColumnBytes(statement, column))));
}

int SqliteDatabase::ColumnInt(Statement statement, int column) {
    return statement ? sqlite3_column_int(statement, column) : 0;
}

int SqliteDatabase::ColumnBytes(Statement statement, int column) {
    return statement ? sqlite3_column_bytes(statement, column) : 0;
}

int SqliteDatabase::ColumnCount(Statement statement) {
    return statement ? sqlite3_column_count(statement) : 0;
}

std::string SqliteDatabase::TypeName(int code) {
    switch (code) {
        case 1:
            return "Byte";
        case 2:
            return "Smallint";
        case 3:
            return "Integer";
        case 4:
            return "BigInt";
        case 5:
            return "Decimal";
        case 6:
            return "Double";
        case 7:
            return "Bit";
        case 8:
            return "DateTime";
        case 10:
            return "VarChar";
        case 11:
            return "Blob";
        case 12:
            return "Text";
        default:
            return "";
    }
}

std::string SqliteDatabase::AttributeText(int flags) {
    std::string text;
    if (flags & 1) text += "Primary Key";
    if (flags & 2) text += " AutoIncrement";
    if (flags & 4) text += " Not Null";
    return text;
}

bool SqliteDatabase::CreateTable(const std::string& tableName, const std::vector<FieldDef>& fields,
                                 std::string* errorText) {
    std::string sql = "create table " + tableName;
    if (!fields.empty()) sql += " (";
    for (size_t i = 0; i < fields.size(); ++i) {
        const FieldDef& field = fields[i];
        sql += field.name + " " + TypeName(field.type);
        if (field.length != 0) sql += "(" + std::to_string(field.length) + ")";
        if (field.attributes != 0) sql += " " + AttributeText(field.attributes);
        if (!field.defaultValue.empty()) sql += " Default " + field.defaultValue;
        if (i + 1 < fields.size()) sql += ",";
    }
    if (!fields.empty()) sql += ")";
    return Execute(sql, errorText);
}

bool SqliteDatabase::Begin() { return Execute("BEGIN"); }
bool SqliteDatabase::Commit() { return Execute("COMMIT"); }
bool SqliteDatabase::Rollback() { return Execute("ROLLBACK"); }

bool SqliteDatabase::AttachDatabase(const std::filesystem::path& file, const std::string& alias,
                                    std::string* errorText) {
    if (errorText) *errorText = "";
    if (!m_connection) return false;
    // ATTACH takes its file name as an expression, so it can be bound; the alias is an identifier.
    Statement statement = Prepare("Attach Database ? as " + alias);
    if (!statement) {
        if (errorText) *errorText = ErrorMessage();
        return false;
    }
    auto u8 = file.u8string();
    std::string utf8(reinterpret_cast<const char*>(u8.data()), u8.size());
    sqlite3_bind_text(statement, 1, utf8.data(), int(utf8.size()), SQLITE_TRANSIENT);
    bool ok = sqlite3_step(statement) == SQLITE_DONE;
    if (!ok && errorText) *errorText = ErrorMessage();
    sqlite3_finalize(statement);
    return ok;
}

bool SqliteDatabase::DetachDatabase(const std::string& alias, std::string* errorText) {
    return Execute("Detach Database " + alias, errorText);
}

std::string SqliteDatabase::ErrorMessage() const {
    return m_connection ? Utf8ToGbk(sqlite3_errmsg(m_connection)) : std::string();
}
