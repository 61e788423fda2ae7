#pragma once

#include <filesystem>

#include "namedb/LoadNameDatabase.h"
#include "namedb/SqliteDatabase.h"

// Opens the name database file in place, read-only, for a one-shot command: copying tens of
// megabytes into memory would take longer than the command itself. The nine tables are checked
// as the loader checks them (present, with their number of columns); on failure the sink hears
// one message and db is left closed. Returns whether the database is ready.
bool OpenNameDatabaseFile(SqliteDatabase& db, const std::filesystem::path& databaseFile,
                          LoadFailureSink& sink);
