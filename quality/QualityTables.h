#pragma once

#include <optional>
#include <string>
#include <vector>

#include "namedb/SqliteDatabase.h"

namespace quality {

// A statement on one of the tables beside the nine (the character levels, the poem index, the
// surname readings), or nullopt when the database lacks that table: a file built before them
// still scores and names, and only reports no level, no source, or the dictionary's reading.
// Every other failure stays in the statement, for NextOrThrow to report.
std::optional<Statement> PrepareIfPresent(SqliteDatabase& db, const std::string& sql,
                                          const std::vector<SqlValue>& values);

}  // namespace quality
