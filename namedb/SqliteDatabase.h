#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// A prepared statement owned by whoever received it from Query; released with Finalize.
// nullptr means "no statement": every reader then answers false, "" or 0.
using Statement = sqlite3_stmt*;

// One column of a table to be created by CreateTable.
struct FieldDef {
    std::string name;
    int type = 0;        // see SqliteDatabase::TypeName
    int length = 0;      // written in parentheses after the type; 0 = none
    int attributes = 0;  // see SqliteDatabase::AttributeText
    std::string defaultValue;
};

// A value bound to a "?" parameter of a query. Texts are GBK like every text of the core and are
// bound as SQLite text, so they compare equal to the stored UTF-8 columns; binding (instead of
// quoting into the SQL) keeps a double quote in user input from breaking or changing a query.
class SqlValue {
  public:
    static SqlValue Text(std::string gbk) { return SqlValue(Kind::Text, std::move(gbk), 0); }
    static SqlValue Int(std::int64_t value) { return SqlValue(Kind::Int, {}, value); }

    enum class Kind { Text, Int };
    Kind kind() const { return m_kind; }
    const std::string& text() const { return m_text; }
    std::int64_t integer() const { return m_integer; }

  private:
    SqlValue(Kind kind, std::string text, std::int64_t integer)
        : m_kind(kind), m_text(std::move(text)), m_integer(integer) {}
    Kind m_kind;
    std::string m_text;
    std::int64_t m_integer;
};

// The program's one gateway to SQLite. All texts that cross it are GBK on this side and UTF-8 in
// the engine. The connection is opened in serialized mode, so the window thread, the loading
// thread and the generation worker may use one instance at the same time; each caller owns its
// own statements.
class SqliteDatabase {
  public:
    SqliteDatabase() = default;
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    // Opens fileName (GBK), or the in-memory database ":memory:" when it is empty. Without create
    // a missing file is not created. A password is handed to sqlite3_key when the engine has one.
    bool Open(const std::string& fileName = "", const std::string& password = "",
              bool create = false);
    // Opens an existing database file for reading only, as a tool that reads it in place does.
    bool OpenReadOnly(const std::filesystem::path& file);
    bool Close();
    bool IsOpen() const { return m_connection != nullptr; }

    // Runs SQL that returns no rows; errorText receives the engine's message ("" on success).
    bool Execute(const std::string& sql, std::string* errorText = nullptr);

    // Prepares one statement, binds up to five byte strings as blobs to ?1..?5, advances it once
    // and returns it on its first row (or past the end). nullptr when preparation fails.
    Statement Query(const std::string& sql, std::initializer_list<std::string_view> blobs = {});
    // The same with values bound as text or integer parameters; what every lookup uses.
    Statement QueryBound(const std::string& sql, std::initializer_list<SqlValue> values);
    Statement QueryBound(const std::string& sql, const std::vector<SqlValue>& values);

    // Runs one statement with bound values that returns no rows (an insert, say).
    bool ExecuteBound(const std::string& sql, const std::vector<SqlValue>& values,
                      std::string* errorText = nullptr);

    static bool Step(Statement statement);
    static bool Finalize(Statement statement);
    static std::string ColumnText(Statement statement, int column);
    static int ColumnInt(Statement statement, int column);
    static int ColumnBytes(Statement statement, int column);
    static int ColumnCount(Statement statement);

    bool CreateTable(const std::string& tableName, const std::vector<FieldDef>& fields,
                     std::string* errorText = nullptr);
    static std::string TypeName(int code);
    static std::string AttributeText(int flags);

    bool Begin();
    bool Commit();
    bool Rollback();

    // The file is bound as a parameter, so a quote in a path cannot break the statement.
    bool AttachDatabase(const std::filesystem::path& file, const std::string& alias,
                        std::string* errorText = nullptr);
    bool DetachDatabase(const std::string& alias, std::string* errorText = nullptr);

    std::string ErrorMessage() const;

  private:
    Statement Prepare(const std::string& sql);
    static bool Bind(Statement statement, const std::vector<SqlValue>& values);
    sqlite3* m_connection = nullptr;
};

// Finalizes a statement when it goes out of scope, for callers that may return early.
class StatementGuard {
  public:
    explicit StatementGuard(Statement statement) : m_statement(statement) {}
    ~StatementGuard() { SqliteDatabase::Finalize(m_statement); }
    StatementGuard(const StatementGuard&) = delete;
    StatementGuard& operator=(const StatementGuard&) = delete;
    Statement get() const { return m_statement; }
    operator Statement() const { return m_statement; }

  private:
    Statement m_statement;
};
