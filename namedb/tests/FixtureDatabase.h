#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "namedb/SqliteDatabase.h"

// Helpers for tests that need a small name database of their own.
namespace fixture {

// A fresh folder under the system's temporary directory, removed with everything in it.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }

  private:
    std::filesystem::path m_path;
};

// Creates the nine tables of the name database in db. skipTable is left out, and shortTable gets
// one column too few, for tests of a damaged file.
void CreateNameTables(SqliteDatabase& db, const std::string& skipTable = "",
                      const std::string& shortTable = "");

// Inserts one row; values beyond those given are NULL. Returns whether the insert succeeded.
bool InsertRow(SqliteDatabase& db, const std::string& table, const std::vector<SqlValue>& values);

// A character row of NB_CNWord with the columns the program reads.
bool InsertCharacter(SqliteDatabase& db, const std::string& character,
                     const std::string& traditional, int simplifiedStrokes, int traditionalStrokes,
                     const std::string& element, const std::string& pinyin1 = "",
                     const std::string& initial = "");

// Adds one of the lists a run reads packed (NB_用字名单: 用字判定, 不宜字, 不宜词), its text given
// in GBK; creates the table on first use.
bool AddPackedList(SqliteDatabase& db, const std::string& name, const std::string& gbkText);

// Opens an in-memory database with the nine (empty) tables created.
void OpenEmptyNameDatabase(SqliteDatabase& db);

// Runs a query on db that never ends by itself, as a load nobody stops would; false with the
// engine's message in error once a stop request ends it.
bool RunEndlessQuery(SqliteDatabase& db, std::string& error);

}  // namespace fixture
