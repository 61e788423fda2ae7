#pragma once

#include <filesystem>
#include <string>

#include "namedb/SqliteDatabase.h"

// Where the loader reports a failure; the window shows it as an error box titled "信息：".
class LoadFailureSink {
  public:
    virtual ~LoadFailureSink() = default;
    virtual void ShowLoadFailure(const std::string& gbkText) = 0;
};

// Copies the nine tables of the database file into an in-memory database held by db, in one
// transaction, and indexes the lookup columns. On failure the sink hears one message and db is
// left closed. The file is attached without the create flag, so a missing file is never created.
// Returns whether the tables were loaded.
bool LoadNameDatabase(SqliteDatabase& db, const std::filesystem::path& databaseFile,
                      LoadFailureSink& sink);
