#pragma once

#include <string>
#include <vector>

#include "generation/GenerationInputs.h"

// The texts built into the program, compiled from generation/lists/*.txt (the data builder reads
// the same files, so the database and the program can never disagree about a pool character).
namespace builtin_text {
extern const char* const male_pool;
extern const char* const female_pool;
extern const char* const classic_male_double;
extern const char* const classic_female_double;
extern const char* const classic_male_single;
extern const char* const classic_female_single;
}  // namespace builtin_text

// The single-character pools of the 高分 and 超吉 modes: distinct characters, no separators.
const std::string& MalePool();
const std::string& FemalePool();
// The 起小名 pool: the male pool followed by the female pool, shared characters twice.
const std::string& NeutralPool();

// The classic list for a sex and a name length, as stored: two-character names each followed by
// ",", single characters without separators.
const std::string& ClassicListText(Sex sex, int nameLength);
// The entries of that list in stored order.
std::vector<std::string> ClassicListEntries(Sex sex, int nameLength);
