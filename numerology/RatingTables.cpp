#include "numerology/RatingTables.h"

float RatingCoefficient(std::string_view rating) {
    if (rating == "大吉" || rating == "吉") return 1.0f;
    if (rating == "中") return 0.85f;
    if (rating == "凶") return 0.6f;
    if (rating == "大凶") return 0.3f;
    return 0.0f;
}

int RatingWeight(int slot) {
    static constexpr int kWeights[6] = {5, 30, 20, 20, 10, 15};
    return slot >= 0 && slot < 6 ? kWeights[slot] : 0;
}

namespace {
Rating MakeRating(std::string text) {
    Rating rating;
    rating.coefficient = RatingCoefficient(text);
    rating.text = std::move(text);
    return rating;
}
}  // namespace

RatingTables RatingTables::Load(SqliteDatabase& db) {
    RatingTables tables;
    tables.m_denseNumbers.assign(kDenseNumbers, Rating());
    std::vector<bool> seen(kDenseNumbers, false);

    // A lookup by Id answers with the first matching row, so the first row of an Id wins here
    // too; rows whose Id is not a number, or does not fit a grid's 32 bits, can never match a
    // lookup by number.
    Statement numbers = db.Prepare(
        "select Id, 吉凶 from NB_八一灵动数 where typeof(Id)='integer' and "
        "Id between -2147483648 and 2147483647 order by rowid");
    while (numbers.NextOrThrow()) {
        int id = numbers.Int(0);
        Rating rating = MakeRating(numbers.Text(1));
        if (id >= 0 && id < kDenseNumbers) {
            if (!seen[id]) {
                seen[id] = true;
                tables.m_denseNumbers[id] = std::move(rating);
            }
        } else {
            tables.m_otherNumbers.try_emplace(id, std::move(rating));
        }
    }

    Statement talents =
        db.Prepare("select 三才, 吉凶 from NB_三才配置 where 三才 is not null order by rowid");
    while (talents.NextOrThrow())
        tables.m_threeTalents.try_emplace(talents.Text(0), MakeRating(talents.Text(1)));

    static const char* const kElements[kElementKinds] = {"", "木", "火", "土", "金", "水"};
    tables.m_threeTalentsByDigits.resize(kElementKinds * kElementKinds * kElementKinds);
    for (int heaven = 0; heaven < kElementKinds; ++heaven)
        for (int person = 0; person < kElementKinds; ++person)
            for (int earth = 0; earth < kElementKinds; ++earth) {
                std::string key =
                    std::string(kElements[heaven]) + kElements[person] + kElements[earth];
                tables.m_threeTalentsByDigits[(heaven * kElementKinds + person) * kElementKinds +
                                              earth] = MakeRating(tables.ThreeTalentRating(key));
            }
    return tables;
}

const std::string& RatingTables::NumberRating(int number) const { return NumberEntry(number).text; }

const Rating& RatingTables::OtherNumberEntry(int number) const {
    auto found = m_otherNumbers.find(number);
    return found == m_otherNumbers.end() ? m_none : found->second;
}

const std::string& RatingTables::ThreeTalentRating(std::string_view key) const {
    auto found = m_threeTalents.find(std::string(key));
    return found == m_threeTalents.end() ? m_none.text : found->second.text;
}

const std::string& RatingTables::ThreeTalentRatingOfDigits(int heaven, int person,
                                                           int earth) const {
    return ThreeTalentEntryOfDigits(heaven, person, earth).text;
}
