#pragma once

#include <string>
#include <unordered_map>

class SqliteDatabase;

namespace quality {

// The review of a character for a given name: unfit for any name, leaning to one sex, or fit for
// either. A character the review never saw counts as fit for either.
enum class Fitness { Either, Masculine, Feminine, Unfit };

// The sex of the child a name is formed for.
enum class ChildSex { Boy, Girl };

struct CharacterReview {
    Fitness fitness = Fitness::Either;
    std::string reason;  // GBK: why it is flagged; empty for a character fit for either sex
    std::string sense;   // GBK: what a parent would say of it in a name ("梓木、故乡")
};

// The reviewed characters of the name database (NB_用字), read whole once: a few thousand short
// rows. A database built before the review has no table, and every character is then fit.
class CharacterFitnessTable {
  public:
    // Reads the table; throws DatabaseError when the database cannot be read.
    static CharacterFitnessTable Load(SqliteDatabase& db);

    // Whether the generators offer the character for a child of this sex: not unfit, and not
    // leaning to the other sex.
    bool Offers(const std::string& character, ChildSex sex) const;
    // Whether the review finds the character unfit for any name.
    bool IsUnfit(const std::string& character) const {
        const CharacterReview* review = Review(character);
        return review && review->fitness == Fitness::Unfit;
    }
    // The review of the character, or nullptr for a character the review never saw.
    const CharacterReview* Review(const std::string& character) const;
    bool Empty() const { return m_reviews.empty(); }

  private:
    std::unordered_map<std::string, CharacterReview> m_reviews;
};

}  // namespace quality
