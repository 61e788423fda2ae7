#include "quality/CharacterFitness.h"

#include <optional>

#include "namedb/SqliteDatabase.h"
#include "quality/QualityTables.h"

namespace quality {

namespace {

Fitness FitnessOfVerdict(const std::string& verdict) {
    if (verdict == "不宜") return Fitness::Unfit;
    if (verdict == "男") return Fitness::Masculine;
    if (verdict == "女") return Fitness::Feminine;
    return Fitness::Either;
}

}  // namespace

CharacterFitnessTable CharacterFitnessTable::Load(SqliteDatabase& db) {
    CharacterFitnessTable table;
    std::optional<Statement> rows =
        PrepareIfPresent(db, "select 汉字, 判定, 缘由, 寓意 from NB_用字", {});
    while (rows && rows->NextOrThrow()) {
        CharacterReview review{FitnessOfVerdict(rows->Text(1)), rows->Text(2), rows->Text(3)};
        table.m_reviews.try_emplace(rows->Text(0), std::move(review));
    }
    return table;
}

bool CharacterFitnessTable::Offers(const std::string& character, ChildSex sex) const {
    const CharacterReview* review = Review(character);
    if (!review) return true;
    switch (review->fitness) {
        case Fitness::Unfit:
            return false;
        case Fitness::Masculine:
            return sex == ChildSex::Boy;
        case Fitness::Feminine:
            return sex == ChildSex::Girl;
        case Fitness::Either:
            return true;
    }
    return true;
}

const CharacterReview* CharacterFitnessTable::Review(const std::string& character) const {
    auto found = m_reviews.find(character);
    return found == m_reviews.end() ? nullptr : &found->second;
}

}  // namespace quality
