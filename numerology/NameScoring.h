#pragma once

#include <string>
#include <string_view>

#include "namedb/SqliteDatabase.h"
#include "numerology/CharacterTable.h"
#include "numerology/NameEvaluation.h"
#include "numerology/RatingTables.h"

// Scores a name from the generation character table and the cached ratings: fills evaluation up
// to ratings and score and returns the score truncated toward zero. It runs for every candidate
// of a generation run, so it queries nothing and, with a reused evaluation, allocates nothing.
int QuickScore(std::string_view surname, std::string_view givenName, const CharacterTable& table,
               const RatingTables& ratings, NameEvaluation& evaluation);

// The 吉凶 of the surname's heaven grid, the characters' strokes taken from the table; "" when
// the 81-number table has no row for it.
std::string HeavenGridRating(std::string_view surname, const CharacterTable& table,
                             const RatingTables& ratings);
std::string HeavenGridRating(SqliteDatabase& db, std::string_view surname,
                             const CharacterTable& table);
