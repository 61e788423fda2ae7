#include "namedb/SqliteDatabase.h"

#include <sqlite3.h>

#include <utility>

#include "text/Gbk.h"

using text::GbkToUtf8;
using text::Utf8ToGbk;

// ---- Statement ------------------------------------------------------------------------------

Statement::Statement() : m_errorCode(SQLITE_MISUSE), m_errorText("no statement") {}

Statement::Statement(sqlite3_stmt* statement, sqlite3* connection)
    : m_statement(statement), m_connection(connection) {}

Statement::~Statement() { sqlite3_finalize(m_statement); }

Statement::Statement(Statement&& other) noexcept
    : m_statement(std::exchange(other.m_statement, nullptr)),
      m_connection(std::exchange(other.m_connection, nullptr)),
      m_errorCode(other.m_errorCode),
      m_errorText(std::move(other.m_errorText)),
      m_onRow(std::exchange(other.m_onRow, false)),
      m_done(other.m_done) {
    other.m_errorCode = SQLITE_MISUSE;
    other.m_errorText = "no statement";
}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        Statement moved(std::move(other));
        std::swap(m_statement, moved.m_statement);
        std::swap(m_connection, moved.m_connection);
        std::swap(m_errorCode, moved.m_errorCode);
        std::swap(m_errorText, moved.m_errorText);
        std::swap(m_onRow, moved.m_onRow);
        std::swap(m_done, moved.m_done);
    }
    return *this;
}

void Statement::Fail(int code, std::string text) {
    m_errorCode = code == SQLITE_OK ? SQLITE_ERROR : code;
    m_errorText = text.empty() ? std::string("SQLite error ") + std::to_string(code) : text;
    m_onRow = false;
}

bool Statement::Next() {
    m_onRow = false;
    if (Failed() || m_done || !m_statement) return false;
    // The connection's mutex is held from the step to the reading of its message, so another
    // thread's statement on the same connection cannot replace the message in between.
    sqlite3_mutex* mutex = m_connection ? sqlite3_db_mutex(m_connection) : nullptr;
    if (mutex) sqlite3_mutex_enter(mutex);
    const int result = sqlite3_step(m_statement);
    std::string message;
    if (result != SQLITE_ROW && result != SQLITE_DONE)
        message = m_connection ? sqlite3_errmsg(m_connection) : sqlite3_errstr(result);
    if (mutex) sqlite3_mutex_leave(mutex);
    if (result == SQLITE_ROW) {
        m_onRow = true;
        return true;
    }
    if (result == SQLITE_DONE) {
        m_done = true;
        return false;
    }
    Fail(result, Utf8ToGbk(message));
    return false;
}

bool Statement::NextOrThrow() {
    if (Next()) return true;
    if (Failed()) throw DatabaseError(m_errorText);
    return false;
}

bool Statement::Run() {
    while (Next()) {
    }
    return !Failed();
}

bool Statement::Rebind(const std::vector<SqlValue>& values) {
    if (!m_statement) return false;
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    m_errorCode = 0;
    m_errorText.clear();
    m_onRow = false;
    m_done = false;
    return Bind(values);
}

bool Statement::Bind(const std::vector<SqlValue>& values) {
    const int parameters = sqlite3_bind_parameter_count(m_statement);
    if (parameters != static_cast<int>(values.size())) {
        Fail(SQLITE_RANGE, "the statement has " + std::to_string(parameters) + " parameters but " +
                               std::to_string(values.size()) + " values were bound");
        return false;
    }
    int position = 1;
    for (const SqlValue& value : values) {
        int bound;
        if (value.kind() == SqlValue::Kind::Text) {
            std::string text = GbkToUtf8(value.text());
            bound = sqlite3_bind_text(m_statement, position, text.data(),
                                      static_cast<int>(text.size()), SQLITE_TRANSIENT);
        } else if (value.kind() == SqlValue::Kind::Bytes) {
            bound = sqlite3_bind_blob(m_statement, position, value.text().data(),
                                      static_cast<int>(value.text().size()), SQLITE_TRANSIENT);
        } else {
            bound = sqlite3_bind_int64(m_statement, position, value.integer());
        }
        if (bound != SQLITE_OK) {
            std::string message;
            if (m_connection) {
                sqlite3_mutex* mutex = sqlite3_db_mutex(m_connection);
                if (mutex) sqlite3_mutex_enter(mutex);
                message = sqlite3_errmsg(m_connection);
                if (mutex) sqlite3_mutex_leave(mutex);
            }
            Fail(bound, "binding parameter " + std::to_string(position) +
                            " failed: " + Utf8ToGbk(message));
            return false;
        }
        ++position;
    }
    return true;
}

int Statement::ColumnCount() const { return m_statement ? sqlite3_column_count(m_statement) : 0; }

std::string Statement::ColumnName(int column) const {
    const char* name = m_statement ? sqlite3_column_name(m_statement, column) : nullptr;
    return name ? Utf8ToGbk(name) : std::string();
}

bool Statement::IsNull(int column) const {
    return !HasRow() || sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

std::string Statement::Text(int column) const {
    if (!HasRow()) return {};
    auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    if (!bytes) return {};
    return Utf8ToGbk(
        std::string_view(bytes, static_cast<size_t>(sqlite3_column_bytes(m_statement, column))));
}

int Statement::Int(int column) const {
    return HasRow() ? sqlite3_column_int(m_statement, column) : 0;
}

std::int64_t Statement::Int64(int column) const {
    return HasRow() ? sqlite3_column_int64(m_statement, column) : 0;
}

std::string Statement::Bytes(int column) const {
    if (!HasRow()) return {};
    const void* bytes = sqlite3_column_blob(m_statement, column);
    if (!bytes) return {};
    return std::string(static_cast<const char*>(bytes),
                       static_cast<size_t>(sqlite3_column_bytes(m_statement, column)));
}

// ---- SqliteDatabase -------------------------------------------------------------------------

std::string EngineFileName(const std::filesystem::path& file) {
    auto u8 = file.u8string();
    std::string name(reinterpret_cast<const char*>(u8.data()), u8.size());
    if (name.size() >= 5 && file.is_relative()) {
        std::string scheme = name.substr(0, 5);
        for (char& c : scheme)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (scheme == "file:") name = "./" + name;
    }
    return name;
}

SqliteDatabase::~SqliteDatabase() { Close(); }

bool SqliteDatabase::OpenConnection(const std::filesystem::path& file, int flags) {
    Close();
    const std::string name = file.empty() ? std::string(":memory:") : EngineFileName(file);
    sqlite3* connection = nullptr;
    // SQLITE_OPEN_URI stays off, and EngineFileName keeps a "file:" name from reading as one
    // where the engine was built to accept URIs anyway: a path is always a path.
    if (sqlite3_open_v2(name.c_str(), &connection, flags | SQLITE_OPEN_FULLMUTEX, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(connection);
        return false;
    }
    sqlite3_busy_timeout(connection, kDefaultBusyTimeoutMs);
    sqlite3_extended_result_codes(connection, 0);
    // The engine asks every thousand steps whether to go on; a stop request ends the statement
    // with SQLITE_INTERRUPT. Unlike sqlite3_interrupt this never touches a closing connection.
    sqlite3_progress_handler(
        connection, 1000,
        [](void* stop) { return static_cast<std::atomic<bool>*>(stop)->load() ? 1 : 0; },
        &m_stopRequested);
    m_connection = connection;
    return true;
}

bool SqliteDatabase::Open(const std::filesystem::path& file, bool create) {
    int flags = SQLITE_OPEN_READWRITE;
    if (create) flags |= SQLITE_OPEN_CREATE;
    return OpenConnection(file, flags);
}

bool SqliteDatabase::OpenReadOnly(const std::filesystem::path& file) {
    if (!OpenConnection(file, SQLITE_OPEN_READONLY)) return false;
    // A file read in place is read mostly once per row: a small cache of pages that are reused
    // costs fewer fresh pages of memory than the engine's default of two megabytes.
    sqlite3_exec(m_connection, "PRAGMA cache_size=-256", nullptr, nullptr, nullptr);
    return true;
}

bool SqliteDatabase::Close() {
    if (!m_connection) return false;
    int result = sqlite3_close_v2(m_connection);
    m_connection = nullptr;
    return result == SQLITE_OK;
}

void SqliteDatabase::SetBusyTimeout(int milliseconds) {
    if (m_connection) sqlite3_busy_timeout(m_connection, milliseconds);
}

int SqliteDatabase::ParameterLimit() const {
    return m_connection ? sqlite3_limit(m_connection, SQLITE_LIMIT_VARIABLE_NUMBER, -1) : 0;
}

bool SqliteDatabase::Execute(const std::string& sql, std::string* errorText) {
    if (!m_connection) {
        if (errorText) *errorText = "no database is open";
        return false;
    }
    char* message = nullptr;
    int result = sqlite3_exec(m_connection, GbkToUtf8(sql).c_str(), nullptr, nullptr, &message);
    if (errorText) *errorText = message ? Utf8ToGbk(message) : std::string();
    sqlite3_free(message);
    return result == SQLITE_OK;
}

Statement SqliteDatabase::Prepare(const std::string& sql, const std::vector<SqlValue>& values) {
    if (!m_connection) {
        Statement none;
        none.Fail(SQLITE_MISUSE, "no database is open");
        return none;
    }
    std::string utf8 = GbkToUtf8(sql);
    sqlite3_stmt* prepared = nullptr;
    // As in Next: the message is copied under the connection's mutex, so another thread's call
    // can neither replace it nor free it while it is read.
    sqlite3_mutex* mutex = sqlite3_db_mutex(m_connection);
    if (mutex) sqlite3_mutex_enter(mutex);
    const int result = sqlite3_prepare_v2(m_connection, utf8.c_str(),
                                          static_cast<int>(utf8.size()) + 1, &prepared, nullptr);
    const std::string message = result != SQLITE_OK ? sqlite3_errmsg(m_connection) : "";
    if (mutex) sqlite3_mutex_leave(mutex);
    Statement statement(prepared, m_connection);
    if (result != SQLITE_OK || !prepared) {
        statement.Fail(result,
                       result != SQLITE_OK ? Utf8ToGbk(message) : std::string("empty statement"));
        return statement;
    }
    statement.Bind(values);
    return statement;
}

bool SqliteDatabase::ExecuteBound(const std::string& sql, const std::vector<SqlValue>& values,
                                  std::string* errorText) {
    Statement statement = Prepare(sql, values);
    const bool ok = statement.Run();
    if (errorText) *errorText = statement.ErrorText();
    return ok;
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

bool SqliteDatabase::InTransaction() const {
    return m_connection && sqlite3_get_autocommit(m_connection) == 0;
}
bool SqliteDatabase::Commit() { return Execute("COMMIT"); }

bool SqliteDatabase::AttachDatabase(const std::filesystem::path& file, const std::string& alias,
                                    std::string* errorText) {
    // ATTACH takes its file name as an expression, so it can be bound; the alias is an identifier.
    Statement statement =
        Prepare("Attach Database ? as " + alias, {SqlValue::Bytes(EngineFileName(file))});
    const bool ok = statement.Run();
    if (errorText) *errorText = statement.ErrorText();
    return ok;
}

bool SqliteDatabase::DetachDatabase(const std::string& alias, std::string* errorText) {
    return Execute("Detach Database " + alias, errorText);
}

std::string SqliteDatabase::ErrorMessage() const {
    if (!m_connection) return std::string();
    sqlite3_mutex* mutex = sqlite3_db_mutex(m_connection);
    if (mutex) sqlite3_mutex_enter(mutex);
    const std::string message = sqlite3_errmsg(m_connection);
    if (mutex) sqlite3_mutex_leave(mutex);
    return Utf8ToGbk(message);
}
