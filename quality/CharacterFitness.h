#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>

class SqliteDatabase;

namespace quality {

// The review of a character for a given name: unfit for any name, leaning to one sex, or fit for
// either. A character the review never saw counts as fit for either.
enum class Fitness { Either, Masculine, Feminine, Unfit };

// The sex of the child a name is formed for.
enum class ChildSex { Boy, Girl };

// The verdicts of the reviewed characters of the name database (NB_用字) that are flagged (unfit,
// or leaning to a sex), read at once as one text: a run reads them before it forms a name. A
// database built before the review has no table, and every character is then fit.
class CharacterFitnessTable {
  public:
    // Reads the table; throws DatabaseError when the database cannot be read.
    static CharacterFitnessTable Load(SqliteDatabase& db);

    // Whether the generators offer the character for a child of this sex: not unfit, and not
    // leaning to the other sex.
    bool Offers(const std::string& character, ChildSex sex) const;
    // Whether the review finds the character unfit for any name.
    bool IsUnfit(const std::string& character) const {
        return FitnessOf(character) == Fitness::Unfit;
    }
    // The verdict on the character; Either for one the review never saw or did not flag.
    Fitness FitnessOf(const std::string& character) const;
    // Whether the character, though fit, reads as an everyday word rather than a name (笔 评 机
    // 灯): the generators offer it after the characters parents give.
    bool IsPlain(const std::string& character) const { return m_plain.count(character) > 0; }
    // Whether the character is unfit for a dark sense (悲 伤 死 病 罪): a line holding one gives
    // no name.
    bool IsDark(const std::string& character) const { return m_dark.count(character) > 0; }

  private:
    std::unordered_map<std::string, Fitness> m_flagged;
    std::unordered_set<std::string> m_plain;
    std::unordered_set<std::string> m_dark;
};

}  // namespace quality
