#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "quality/FourByteSet.h"
#include "quality/PoemSource.h"
#include "quality/Syllable.h"
#include "quality/ToneVerdict.h"
#include "quality/UnfortunateSounds.h"

class SqliteDatabase;

namespace quality {

// Levels of the 通用规范汉字表: 1 the common characters, 2 and 3 the rarer ones, 0 a character
// outside the list. kLevelUnknown: the database has no level table, so nothing is known.
constexpr int kLevelOutside = 0;
constexpr int kLevelUnknown = -1;

// What a run and a finding need of one character.
struct CharacterFacts {
    std::string character;  // GBK
    int level = kLevelUnknown;
    std::string reading;  // with tone marks, as NB_CNWord's 拼音2 has it
    Syllable syllable;
    // Why the character's meaning makes it unfit for a name (GBK, from NB_不宜字: "属昆虫名称"
    // for 蚊); empty for a fit character, or when the database has no such table.
    std::string unfitReason;
    bool IsUnfit() const { return !unfitReason.empty(); }
};

// Whether a character may stay in a pool that keeps common characters only: level 1, or any
// character when the database cannot tell.
inline bool IsCommonLevel(int level) { return level == 1 || level == kLevelUnknown; }

// Whether a character is safe to write anywhere: level 1, inside GB2312 (as most level-2 name
// characters are: 婷 瑶 琪 梓 萱 睿), or unknown where the database cannot tell. Only the others
// may fail to print on older systems.
bool PrintsEverywhere(const CharacterFacts& facts);

// The four findings on one name.
struct NameQuality {
    std::string surname;
    std::string givenName;
    std::vector<CharacterFacts> givenCharacters;
    std::vector<std::string> readings;  // one per syllable of the full name, with tone marks
    std::vector<Syllable> syllables;
    size_t surnameSyllables = 0;
    ToneVerdict tones;
    SoundMatch sound;
    bool poemLooked = false;  // a source is looked for two-character given names only
    PoemSource poem;
    // The given name's elements (GBK, e.g. 木火), held against the two elements the baby's
    // birth chart asks for (喜用); favourableElements stays empty when no chart was looked at.
    std::string givenElements;
    std::string favourableElements;

    // The given name is itself a word of bad sense (领养, 清明, 伯伯), and why; empty otherwise.
    std::string badSenseReason;
    // What the name means (寓意, GBK): "梓木、故乡；包容、涵养"; empty when none is known.
    std::string sense;

    // A given-name character that older systems may not print: outside level 1 and outside
    // GB2312 (the surname is not the parents' choice).
    bool HasRareCharacter() const;
    // A given-name character whose meaning makes it unfit for a name (蚊, 贫, 愚).
    bool HasUnfitCharacter() const;
    // Whether any finding on the characters, tones or sounds speaks against the name; a missing
    // poem source does not.
    bool HasFindings() const {
        return HasRareCharacter() || HasUnfitCharacter() || !badSenseReason.empty() ||
               !tones.harmonious || sound.found;
    }
};

// The findings for the names of one surname, with every character's facts read once and kept:
// a run asks for tens of thousands of names over a few hundred characters. Not thread-safe; one
// per run. Reads throw DatabaseError when the database cannot be read.
class NameQualityChecker {
  public:
    NameQualityChecker(SqliteDatabase& db, std::string surname);

    // The surname's reading: NB_姓氏读音 when the database has the surname there (华 huà, 单
    // shàn, 尉迟 yù chí), else its characters' readings in NB_CNWord.
    const std::vector<std::string>& surnameReadings() const { return m_surnameReadings; }

    const CharacterFacts& Character(const std::string& character);
    // Reads the facts of many characters at once, one statement for their levels and one for
    // their readings, so that Character and HasFindings then answer from memory. The answers are
    // those Character reads one by one.
    void ReadCharacters(const std::vector<std::string>& characters);
    // A reading the caller has read from NB_CNWord's first row of the character already (拼音2,
    // as Character would read it), so that ReadCharacters need not read it again.
    void KnowReading(const std::string& character, const std::string& reading);
    // A level the caller has read from NB_字级's first row of the character already (0 for a
    // character outside it), so that ReadCharacters need not read it again. Ignored where the
    // database has no level table.
    void KnowLevel(const std::string& character, int level);
    // Whether the database has the level table; without it no character can be told common.
    bool HasLevels() const { return m_levelsPresent; }
    // The level alone, without the reading. After ReadAllLevels a lookup in memory.
    int Level(const std::string& character);
    // Reads the whole level table at once, for a run that asks for the levels of a whole pool.
    void ReadAllLevels();
    // The reason a character is unfit for a name, or nullptr for a fit one. The table is small
    // and read whole when the checker is made.
    const std::string* UnfitReason(const std::string& character) const;
    // Whether a given name is a word of bad sense (领养, 清明). The list is read whole when the
    // checker is made.
    bool IsBadSenseWord(std::string_view givenName) const;
    // Why it is ("仆役身份：被收养"), read from the database; empty for any other given name.
    std::string BadSenseReason(const std::string& givenName) const;
    // Whether a character may stay in a pool of common characters only: level 1 (or any level
    // when the database cannot tell) and fit for a name.
    bool IsCommonAndFit(const std::string& character) {
        return IsCommonLevel(Level(character)) && !UnfitReason(character);
    }
    // Levels, tones and sounds, without the poem source (which a run does not need).
    NameQuality Evaluate(const std::string& givenName);
    bool HasFindings(const std::string& givenName);
    // The same answer for a given name whose characters' facts the caller holds already (from
    // Character, in the name's order): a run asks it for tens of thousands of names.
    bool HasFindings(const std::vector<const CharacterFacts*>& givenCharacters);

  private:
    // A character's facts from its reading; the level and fitness come from their tables.
    CharacterFacts MakeFacts(const std::string& character, std::string reading);

    SqliteDatabase& m_db;
    std::string m_surname;
    std::vector<std::string> m_surnameReadings;
    std::vector<Syllable> m_surnameSyllables;
    bool m_levelsPresent = true;
    bool m_allLevelsRead = false;
    std::unordered_map<std::string, int> m_levels;
    std::unordered_map<std::string, std::string> m_unfit;  // character -> reason
    FourByteSet m_badWords;  // the words of bad sense of two characters
    std::unordered_map<std::string, CharacterFacts> m_characters;
    std::unordered_map<std::string, std::string> m_knownReadings;
    std::vector<std::string> m_pieces;                // reused by HasFindings
    std::vector<const CharacterFacts*> m_givenFacts;  // reused by HasFindings
    std::vector<Syllable> m_syllables;                // reused by HasFindings
};

// All four findings of one name, the poem source included. Index lookups only.
NameQuality EvaluateNameQuality(SqliteDatabase& db, const std::string& surname,
                                const std::string& givenName);

}  // namespace quality
