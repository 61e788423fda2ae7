#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// One column of a table to be created by CreateTable.
struct FieldDef {
    std::string name;
    int type = 0;        // see SqliteDatabase::TypeName
    int length = 0;      // written in parentheses after the type; 0 = none
    int attributes = 0;  // see SqliteDatabase::AttributeText
    std::string defaultValue;
};

// A value bound to a "?" parameter of a statement. Texts are GBK like every text of the core and
// are bound as SQLite text, so they compare equal to the stored UTF-8 columns; bytes are bound as
// a blob, unchanged. Binding (instead of quoting into the SQL) keeps a double quote in user input
// from breaking or changing a query.
class SqlValue {
  public:
    static SqlValue Text(std::string gbk) { return SqlValue(Kind::Text, std::move(gbk), 0); }
    static SqlValue Int(std::int64_t value) { return SqlValue(Kind::Int, {}, value); }
    static SqlValue Bytes(std::string bytes) { return SqlValue(Kind::Bytes, std::move(bytes), 0); }

    enum class Kind { Text, Int, Bytes };
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

// A database that could not be read where an answer was needed: a damaged page, an I/O error, a
// lock held past the busy timeout. what() is the engine's message as GBK. Lookups deep inside a
// computation throw it so that a half-read answer can never pass for a complete one; the front
// ends catch it where they can tell the user.
class DatabaseError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A prepared statement, owned: moving hands it over, destruction finalizes it. It is not stepped
// until the first Next, and every step's result is checked: Next answers true on a row and false
// both at the end and on an error, and Failed() tells the two apart. A statement whose SQL did
// not prepare or whose values did not bind is failed from the start, so its Next is false and
// Failed() says why; nothing is dropped silently. The column readers are only meaningful after
// Next returned true; otherwise they answer "" or 0.
class Statement {
  public:
    Statement();  // no statement: failed, "no statement"
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Steps to the next row. False at the end of the result or on an error (see Failed).
    bool Next();
    // The same, but an error throws DatabaseError instead of reading as the end of the result.
    bool NextOrThrow();
    // Runs a statement that returns no rows to its end; true when it completed.
    bool Run();
    // Starts the statement again with other values for its parameters, so that one prepared
    // statement serves many look-ups; false (and Failed) when they cannot be bound.
    bool Rebind(const std::vector<SqlValue>& values);

    bool Failed() const { return !m_errorText.empty(); }
    bool Done() const { return m_done; }  // the end of the result was reached without an error
    // The engine's message (GBK) when Failed(); "" otherwise.
    const std::string& ErrorText() const { return m_errorText; }
    // The engine's result code of the failure (SQLITE_CORRUPT, SQLITE_BUSY ...); 0 when none.
    int ErrorCode() const { return m_errorCode; }

    int ColumnCount() const;
    std::string ColumnName(int column) const;  // GBK
    bool IsNull(int column) const;
    std::string Text(int column) const;  // GBK; "" for NULL
    int Int(int column) const;
    std::int64_t Int64(int column) const;
    std::string Bytes(int column) const;  // the stored bytes, unconverted

  private:
    friend class SqliteDatabase;
    Statement(sqlite3_stmt* statement, sqlite3* connection);
    void Fail(int code, std::string text);
    bool Bind(const std::vector<SqlValue>& values);
    bool HasRow() const { return m_statement && m_onRow; }

    sqlite3_stmt* m_statement = nullptr;
    sqlite3* m_connection = nullptr;
    int m_errorCode = 0;
    std::string m_errorText;
    bool m_onRow = false;
    bool m_done = false;
};

// The program's one gateway to SQLite. All texts that cross it are GBK on this side and UTF-8 in
// the engine; file names are std::filesystem paths, handed to the engine as the system's own file
// names and never read as SQLite URIs. The connection is opened in serialized mode, so several
// threads may use one instance at the same time once it is open; opening and closing are not
// synchronised (LoadingNameDatabase guards that). Each caller owns its own statements.
class SqliteDatabase {
  public:
    // How long a statement waits for a lock held by another connection before it fails with
    // SQLITE_BUSY; long enough to ride out another program's short write, short enough that a
    // stuck lock is reported instead of hanging a run.
    static constexpr int kDefaultBusyTimeoutMs = 5000;

    SqliteDatabase() = default;
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    // Opens file, or the in-memory database ":memory:" when it is empty, closing a connection
    // that is open first. Without create a missing file is not created.
    bool Open(const std::filesystem::path& file = {}, bool create = false);
    // Opens an existing database file for reading only, as a tool that reads it in place does.
    bool OpenReadOnly(const std::filesystem::path& file);
    bool Close();
    bool IsOpen() const { return m_connection != nullptr; }
    // Changes the busy timeout of the open connection (tests shorten it).
    void SetBusyTimeout(int milliseconds);
    // Makes the engine end the statement running on this connection, and every later one, with
    // "interrupted" after at most a thousand more steps, for as long as this object lives: a long
    // job (copying the name database into memory) ends early when nobody wants its result any
    // more. May be called from any thread at any moment, also while another opens or closes.
    void RequestStop() { m_stopRequested = true; }

    // Runs SQL that returns no rows; errorText receives the engine's message ("" on success).
    bool Execute(const std::string& sql, std::string* errorText = nullptr);

    // Prepares one statement and binds the values to ?1..?n; the number of values must match the
    // statement's parameters. Not yet stepped: read it with Next.
    Statement Prepare(const std::string& sql, const std::vector<SqlValue>& values = {});
    Statement Prepare(const std::string& sql, std::initializer_list<SqlValue> values) {
        return Prepare(sql, std::vector<SqlValue>(values));
    }

    // Runs one statement with bound values that returns no rows (an insert, say).
    bool ExecuteBound(const std::string& sql, const std::vector<SqlValue>& values,
                      std::string* errorText = nullptr);

    bool CreateTable(const std::string& tableName, const std::vector<FieldDef>& fields,
                     std::string* errorText = nullptr);
    static std::string TypeName(int code);
    static std::string AttributeText(int flags);

    bool Begin();
    bool Commit();
    // Whether a transaction is open on the connection (BEGIN without its COMMIT yet).
    bool InTransaction() const;

    // The file is bound as a parameter, so a quote in a path cannot break the statement.
    bool AttachDatabase(const std::filesystem::path& file, const std::string& alias,
                        std::string* errorText = nullptr);
    bool DetachDatabase(const std::string& alias, std::string* errorText = nullptr);

    std::string ErrorMessage() const;
    // How many "?" parameters one statement may carry on this connection (0 when none is open).
    int ParameterLimit() const;

  private:
    bool OpenConnection(const std::filesystem::path& file, int flags);
    sqlite3* m_connection = nullptr;
    std::atomic<bool> m_stopRequested{false};
};

// The UTF-8 name the engine gets for a file: the path's own bytes, with "./" before a relative
// name that would otherwise read as a "file:" URI where the engine accepts URIs.
std::string EngineFileName(const std::filesystem::path& file);
