#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class SqliteDatabase;

namespace quality {

// How the two characters of a given name stand in the line that quotes them, best first.
enum class PoemMatch { None, InOrder, Reversed, SameLine };

struct PoemSource {
    PoemMatch match = PoemMatch::None;
    std::string line;  // GBK, the line as the poem has it
    std::string title;
    std::string poet;
};

// The Tang poem line in which both characters of a two-character given name stand together:
// next to each other in the name's order, else next to each other the other way round, else
// anywhere in one line. Among lines of one kind the first in the index's order wins, which puts
// the poets read most first. Two index lookups and one poem; a file without the index gives no
// source. Throws DatabaseError when the database cannot be read.
PoemSource FindPoemSource(SqliteDatabase& db, const std::string& first, const std::string& second);

// The lines of a poem's text, cut at the marks the index was built with (，。？！；：、 and
// spaces); empty lines are not counted.
std::vector<std::string_view> PoemLines(std::string_view text);

// The postings of one character: rising numbers (poem rank, line, place) packed as the index
// stores them, from its blob of LEB128 differences.
std::vector<std::uint64_t> DecodePostings(std::string_view blob);

}  // namespace quality
