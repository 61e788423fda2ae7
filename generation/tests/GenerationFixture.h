#pragma once

#include <map>
#include <string>
#include <vector>

#include "namedb/SqliteDatabase.h"

// Small name databases for generation tests and benchmarks, made by the code that uses them.
namespace generation_fixture {

// Gives every number from..to the same rating in NB_八一灵动数.
void RateNumbers(SqliteDatabase& db, int from, int to, const std::string& rating);
void RateNumbers(SqliteDatabase& db, const std::map<int, std::string>& ratings);
// Gives every three-talent key made of the five elements the same rating in NB_三才配置.
void RateAllThreeTalents(SqliteDatabase& db, const std::string& rating);
void RateThreeTalents(SqliteDatabase& db, const std::map<std::string, std::string>& ratings);

// A character with the same simplified and traditional stroke count.
void AddCharacter(SqliteDatabase& db, const std::string& character, int strokes,
                  const std::string& element);
void AddCharacters(SqliteDatabase& db, const std::vector<std::string>& characters, int strokes,
                   const std::string& element);

// A name database with every character of the built-in pools and classic lists and a few
// surnames, each with a plausible stroke count (1..24) and element drawn from its bytes, the
// 81 numbers rated in the traditional pattern and all 125 three-talent keys rated. Indexed like
// the loaded database, so lookups cost what they cost in the program.
void BuildFullPoolDatabase(SqliteDatabase& db);

}  // namespace generation_fixture
