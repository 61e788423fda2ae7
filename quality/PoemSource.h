#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class SqliteDatabase;

namespace quality {

// How the two characters of a given name stand in the line that quotes them: side by side in
// the name's order, in order within one sentence of a classic (静女其姝 for 静姝), the other way
// round, or anywhere in one line.
enum class PoemMatch { None, InOrder, InSentence, Reversed, SameLine };

// The collections a source is drawn from besides the Tang poems: 诗经 楚辞 论语 孟子 大学 中庸
// 宋词.
struct PoemSource {
    PoemMatch match = PoemMatch::None;
    std::string line;   // GBK, the line or sentence as the source has it
    std::string title;  // the poem's title; the piece of a classic (郑风·子衿) or a ci's 词牌
    std::string poet;   // the author, empty where none is known
    std::string collection;       // 唐诗 for a Tang poem, else the collection (诗经 …)
    bool classicsLooked = false;  // the database has the classics and the ci, and they were read
    // Whether the collection is one of the classics, cited before any poem.
    bool FromAClassic() const;
};

// The Tang poem line in which both characters of a two-character given name stand together:
// next to each other in the name's order, else next to each other the other way round, else
// anywhere in one line. Among lines of one kind the first in the index's order wins, which puts
// the poets read most first. Two index lookups and one poem; a file without the index gives no
// source. Throws DatabaseError when the database cannot be read.
// The common words of two characters as the builder packs them (常用词): four GBK bytes each, in
// byte order, searched in place, so that a look-up of one name builds nothing.
class WordList {
  public:
    WordList() = default;
    // Sorts the words; each must be of four bytes.
    explicit WordList(std::vector<std::string> words);
    static WordList FromPacked(std::string packed);
    bool Contains(std::string_view word) const;
    bool empty() const { return m_packed.size() < 4; }

  private:
    std::string m_packed;
};

// With words (the common words of two characters), a pair side by side that a word of its line
// cuts (子衿 in 贮在君子衿) does not count as side by side.
PoemSource FindPoemSource(SqliteDatabase& db, const std::string& first, const std::string& second,
                          const WordList* words = nullptr);

// The best source of a given name across all collections: a classic where the two characters
// stand side by side in the name's order (not cut by a word of the line: 子衿 is not taken from
// 君子衿); else a Tang poem where they do; else a Song ci where they do; else a classic sentence
// that holds them in order; else a Tang line that holds them the other way round or apart. The
// classics' and ci's sources come from NB_出处 (absent from an older file: then the Tang poems
// alone). Throws DatabaseError when the database cannot be read.
PoemSource FindNameSource(SqliteDatabase& db, const std::string& first, const std::string& second);

// The lines of a poem's text, cut at the marks the index was built with (，。？！；：、 and
// spaces); empty lines are not counted.
std::vector<std::string_view> PoemLines(std::string_view text);

// The postings of one character: rising numbers (poem rank, line, place) packed as the index
// stores them, from its blob of LEB128 differences.
std::vector<std::uint64_t> DecodePostings(std::string_view blob);

}  // namespace quality
