#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class SqliteDatabase;

namespace quality {

// What a name means, in the words a parent would say beside it (寓意), from the review's sense of
// every character fit for a name (梓 "梓木、故乡") and the dictionary's sense of the given names
// that are words (明月 "光明的月亮"). Read whole before a run, then answered from memory: a run
// asks it for every one of up to 100 000 rows. Not tied to the database after Load.
class NameSenseTable {
  public:
    // Reads the packed lists 寓意 and 词义; a database built before them gives no senses, and every
    // name then means nothing said. Throws DatabaseError when the database cannot be read.
    static NameSenseTable Load(SqliteDatabase& db);

    // The 寓意 of a given name (GBK): the word's sense when the name is a word fit for a name;
    // otherwise the senses of its characters in the name's order, joined by "；", a doubled
    // character said once ("梓木、故乡；包容、涵养"); empty when a character has no sense (an
    // unfit one, or one the review never saw) or the name has more than four characters.
    std::string SenseOf(std::string_view givenName) const;
    // The same, appended to text.
    void AppendSenseOf(std::string_view givenName, std::string& text) const;
    // Whether the review gave the character a sense: it was reviewed, and found fit for a name.
    bool HasSense(std::string_view character) const;
    // Whether the given name of two characters is a word with a sense fit for a name (明月).
    bool IsNameWord(std::string_view givenName) const;

  private:
    // What is known of one character: its sense, and where the words that begin with it stand
    // in m_words.
    struct Slot {
        std::uint32_t senseOffset = 0;
        std::uint32_t firstWord = 0;
        std::uint16_t senseLength = 0;
        std::uint16_t wordCount = 0;
    };
    struct Word {
        std::uint16_t second;  // the GBK code of the word's second character
        std::uint16_t senseLength;
        std::uint32_t senseOffset;  // in m_wordText
    };

    const Slot* SlotOf(std::string_view character) const;
    Slot& SlotToFill(std::string_view character);
    std::string_view CharacterSense(const Slot& slot) const;
    std::string_view WordSense(const Slot& first, std::string_view second) const;

    std::string m_characterText;  // "字<TAB>寓意<LF>…" as stored, GBK
    std::string m_wordText;       // "词<TAB>义<LF>…", in GBK byte order
    // For every two-byte GBK code, 1 + the index of its slot in m_slots, or 0: a table of a few
    // dozen kilobytes for the thousands of characters with a sense.
    std::vector<std::uint16_t> m_slotOfCode;  // empty when the database has no senses
    std::vector<Slot> m_slots;
    std::vector<Word> m_words;
};

}  // namespace quality
