#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "namedb/SqliteDatabase.h"

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

  private:
    static constexpr int kDenseNumbers = 1024;
    static int ElementIndexOfNumber(int number);  // 0 = "", 1..5 = 木火土金水

    std::vector<std::string> m_denseNumbers;  // ratings of numbers 0..kDenseNumbers-1
    std::unordered_map<int, std::string> m_otherNumbers;
    std::unordered_map<std::string, std::string> m_threeTalents;
    std::vector<std::string> m_threeTalentsByDigits;  // 6 x 6 x 6 element combinations
    std::string m_empty;
};
