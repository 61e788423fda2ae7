#pragma once

#include <filesystem>
#include <string>

#include "namedb/SqliteDatabase.h"
#include "numerology/NameEvaluation.h"

// The advice for a score band, chosen from the score before truncation.
std::string ScoreComment(float score);

// Evaluates a name from the database with every explanation text and the comment, without
// writing anything. Returns the score truncated toward zero. Throws DatabaseError when the
// database cannot be read, so a damaged file never passes for a name of score 0.
int EvaluateInDetail(SqliteDatabase& db, const std::string& surname, const std::string& givenName,
                     NameEvaluation& evaluation);

// EvaluateInDetail, then writes the score report page to reportFile (an empty path writes no
// page; the window passes temp.html of its data folder). A page that cannot be written is not an
// error: the score is returned all the same. A read error throws before the page is written.
int DetailedEvaluation(SqliteDatabase& db, const std::string& surname, const std::string& givenName,
                       NameEvaluation& evaluation, const std::filesystem::path& reportFile);
