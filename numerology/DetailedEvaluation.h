#pragma once

#include <filesystem>
#include <string>

#include "namedb/SqliteDatabase.h"
#include "numerology/NameEvaluation.h"

// The advice for a score band, chosen from the score before truncation.
std::string ScoreComment(float score);

// Evaluates a name from the database with every explanation text and the comment, without
// writing anything. Returns the score truncated toward zero.
int EvaluateInDetail(SqliteDatabase& db, const std::string& surname, const std::string& givenName,
                     NameEvaluation& evaluation);

// EvaluateInDetail, then writes the score report page to reportFile (an empty path writes no
// page). A page that cannot be written is not an error: the score is returned all the same.
int DetailedEvaluation(SqliteDatabase& db, const std::string& surname, const std::string& givenName,
                       NameEvaluation& evaluation, const std::filesystem::path& reportFile);
// The same with the report written to temp.html in the data folder.
int DetailedEvaluation(SqliteDatabase& db, const std::string& surname, const std::string& givenName,
                       NameEvaluation& evaluation);
