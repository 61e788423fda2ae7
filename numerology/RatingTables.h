#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "namedb/SqliteDatabase.h"

// 1 for 大吉 and 吉, 0.85 for 中, 0.6 for 凶, 0.3 for 大凶, 0 for any other text.
float RatingCoefficient(std::string_view rating);
// Weights of heaven, person, earth, total, outer and the three talents; they add up to 100.
int RatingWeight(int slot);

// A rating text with its coefficient in the score.
struct Rating {
    std::string text;
    float coefficient = 0.0f;
};

// The 吉凶 ratings of NB_八一灵动数 and NB_三才配置, read once so that scoring needs no query.
// Every answer equals what LookupNumber / LookupThreeTalents would give on the same database.
class RatingTables {
  public:
    RatingTables() = default;  // empty: every rating is ""
    static RatingTables Load(SqliteDatabase& db);

    const std::string& NumberRating(int number) const;
    const std::string& ThreeTalentRating(std::string_view key) const;
    // The same rating for the key made of the elements of three numbers' last digits, without
    // building the key text.
    const std::string& ThreeTalentRatingOfDigits(int heaven, int person, int earth) const;

    // The same with the coefficient already worked out, for the scoring loop.
    const Rating& NumberEntry(int number) const {
        if (number >= 0 && number < static_cast<int>(m_denseNumbers.size()))
            return m_denseNumbers[number];
        return OtherNumberEntry(number);
    }
    const Rating& ThreeTalentEntryOfDigits(int heaven, int person, int earth) const {
        return ThreeTalentEntryOfLastDigits(heaven % 10, person % 10, earth % 10);
    }
    // The same for last digits already taken (number % 10, so -9..9).
    const Rating& ThreeTalentEntryOfLastDigits(int heaven, int person, int earth) const {
        if (m_threeTalentsByDigits.empty()) return m_none;
        return m_threeTalentsByDigits[(ElementIndexOfDigit(heaven) * kElementKinds +
                                       ElementIndexOfDigit(person)) *
                                          kElementKinds +
                                      ElementIndexOfDigit(earth)];
    }

  private:
    static constexpr int kDenseNumbers = 1024;
    static constexpr int kElementKinds = 6;  // "" and the five elements
    // 0 for "", 1..5 for 木火土金水.
    static int ElementIndexOfDigit(int digit) {
        static constexpr int kByDigit[10] = {5, 1, 1, 2, 2, 3, 3, 4, 4, 5};
        return digit < 0 ? 0 : kByDigit[digit];
    }
    const Rating& OtherNumberEntry(int number) const;

    std::vector<Rating> m_denseNumbers;  // numbers 0..kDenseNumbers-1
    std::unordered_map<int, Rating> m_otherNumbers;
    std::unordered_map<std::string, Rating> m_threeTalents;
    std::vector<Rating> m_threeTalentsByDigits;  // 6 x 6 x 6 element combinations
    Rating m_none;
};
