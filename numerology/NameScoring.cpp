#include "numerology/NameScoring.h"

#include <cstdint>

#include "numerology/CharacterLookup.h"
#include "numerology/NameGrids.h"

namespace numerology_detail {

const char* ElementNameOfNumber(int number) {
    switch (number % 10) {
        case 1:
        case 2:
            return "木";
        case 3:
        case 4:
            return "火";
        case 5:
        case 6:
            return "土";
        case 7:
        case 8:
            return "金";
        case 9:
        case 0:
            return "水";
        default:
            return "";
    }
}

namespace {
// Stroke counts come from data, so the sums are formed wide and wrapped back instead of
// overflowing.
int Wrap(std::int64_t value) { return static_cast<int>(static_cast<std::uint32_t>(value)); }
}  // namespace

void ComputeGrids(NameEvaluation& evaluation) {
    auto strokes = [&](NamePosition position) -> std::int64_t {
        return evaluation.characters[position].traditionalStrokes;
    };
    // One character takes the one-character rules; any other count (none, or more than two, which
    // callers never pass) takes the two-character rules.
    bool oneSurname = evaluation.surnameChars.size() == 1;
    bool oneGiven = evaluation.givenChars.size() == 1;

    std::int64_t heaven =
        oneSurname ? strokes(kSurname1) + 1 : strokes(kSurname1) + strokes(kSurname2);
    std::int64_t person =
        oneSurname ? strokes(kSurname1) + strokes(kGiven1) : strokes(kSurname2) + strokes(kGiven1);
    std::int64_t earth = oneGiven ? strokes(kGiven1) + 1 : strokes(kGiven1) + strokes(kGiven2);
    std::int64_t total =
        strokes(kSurname1) + strokes(kSurname2) + strokes(kGiven1) + strokes(kGiven2);
    std::int64_t outer;
    if (oneSurname && oneGiven)
        outer = 2;
    else if (!oneSurname && !oneGiven)
        outer = total - person;
    else
        outer = total - person + 1;

    evaluation.heavenGrid = Wrap(heaven);
    evaluation.personGrid = Wrap(person);
    evaluation.earthGrid = Wrap(earth);
    evaluation.totalGrid = Wrap(total);
    evaluation.outerGrid = Wrap(outer);

    std::int64_t simplified = 0;
    for (const NameCharacter& character : evaluation.characters) {
        simplified += character.simplifiedStrokes;
        evaluation.elementText += character.element;
    }
    evaluation.simplifiedTotal = Wrap(simplified);

    evaluation.heavenDigit = evaluation.heavenGrid % 10;
    evaluation.personDigit = evaluation.personGrid % 10;
    evaluation.earthDigit = evaluation.earthGrid % 10;
    evaluation.threeTalents = ElementNameOfNumber(evaluation.heavenDigit);
    evaluation.threeTalents += ElementNameOfNumber(evaluation.personDigit);
    evaluation.threeTalents += ElementNameOfNumber(evaluation.earthDigit);
}

int ScoreRatings(NameEvaluation& evaluation) {
    float sum = 0.0f;
    for (int slot = 0; slot < 6; ++slot)
        sum += RatingCoefficient(evaluation.ratings[slot]) * static_cast<float>(RatingWeight(slot));
    evaluation.score = sum;
    return static_cast<int>(sum);
}

}  // namespace numerology_detail

using namespace numerology_detail;

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

void CopyFromTable(const CharacterTable& table, const std::string& character,
                   NameCharacter& target) {
    if (const CharacterRecord* found = table.Find(character)) {
        target.simplifiedStrokes = found->simplifiedStrokes;
        target.traditionalStrokes = found->traditionalStrokes;
        target.element = found->element;
    }
}

void CopyPartFromTable(const CharacterTable& table, const std::vector<std::string>& part,
                       NameCharacter& first, NameCharacter& second) {
    if (!part.empty()) CopyFromTable(table, part[0], first);
    if (part.size() >= 2) CopyFromTable(table, part[1], second);
}

}  // namespace

int QuickScore(std::string_view surname, std::string_view givenName, const CharacterTable& table,
               const RatingTables& ratings, NameEvaluation& evaluation) {
    evaluation.Clear();
    SplitCharactersInto(surname, evaluation.surnameChars);
    SplitCharactersInto(givenName, evaluation.givenChars);
    CopyPartFromTable(table, evaluation.surnameChars, evaluation.characters[kSurname1],
                      evaluation.characters[kSurname2]);
    CopyPartFromTable(table, evaluation.givenChars, evaluation.characters[kGiven1],
                      evaluation.characters[kGiven2]);
    ComputeGrids(evaluation);
    for (int grid = kHeavenGrid; grid <= kOuterGrid; ++grid)
        evaluation.ratings[grid] = ratings.NumberRating(evaluation.GridValue(grid));
    evaluation.ratings[kThreeTalentsRating] = ratings.ThreeTalentRatingOfDigits(
        evaluation.heavenGrid, evaluation.personGrid, evaluation.earthGrid);
    return ScoreRatings(evaluation);
}

namespace {

int SurnameHeavenGrid(std::string_view surname, const CharacterTable& table) {
    NameEvaluation evaluation;
    SplitCharactersInto(surname, evaluation.surnameChars);
    CopyPartFromTable(table, evaluation.surnameChars, evaluation.characters[kSurname1],
                      evaluation.characters[kSurname2]);
    ComputeGrids(evaluation);
    return evaluation.heavenGrid;
}

}  // namespace

std::string HeavenGridRating(std::string_view surname, const CharacterTable& table,
                             const RatingTables& ratings) {
    return ratings.NumberRating(SurnameHeavenGrid(surname, table));
}

std::string HeavenGridRating(SqliteDatabase& db, std::string_view surname,
                             const CharacterTable& table) {
    return LookupNumber(db, SurnameHeavenGrid(surname, table)).rating;
}
