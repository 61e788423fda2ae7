#include "numerology/NameScoring.h"

#include <cstdint>

#include "numerology/CharacterLookup.h"
#include "numerology/NameGrids.h"

namespace numerology_detail {

void AssignText(std::string& target, std::string_view text) {
    target.assign(text.data(), text.size());
}

std::string_view ElementNameOfNumber(int number) { return ElementNameOfDigit(number % 10); }

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
    for (const NameCharacter& character : evaluation.characters)
        simplified += character.simplifiedStrokes;
    evaluation.simplifiedTotal = Wrap(simplified);
    const auto& c = evaluation.characters;
    SetConcatenation(evaluation.elementText, c[kSurname1].element, c[kSurname2].element,
                     c[kGiven1].element, c[kGiven2].element);

    evaluation.heavenDigit = evaluation.heavenGrid % 10;
    evaluation.personDigit = evaluation.personGrid % 10;
    evaluation.earthDigit = evaluation.earthGrid % 10;
    SetConcatenation(evaluation.threeTalents, ElementNameOfDigit(evaluation.heavenDigit),
                     ElementNameOfDigit(evaluation.personDigit),
                     ElementNameOfDigit(evaluation.earthDigit));
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

void CopyFromTable(const CharacterTable& table, const std::vector<std::string>& part,
                   std::size_t index, NameCharacter& target) {
    const CharacterRecord* found = index < part.size() ? table.Find(part[index]) : nullptr;
    if (found) {
        target.simplifiedStrokes = found->simplifiedStrokes;
        target.traditionalStrokes = found->traditionalStrokes;
        SetText(target.element, found->element);
    } else {
        target.simplifiedStrokes = 0;
        target.traditionalStrokes = 0;
        target.element.clear();
    }
}

void CopyPartFromTable(const CharacterTable& table, const std::vector<std::string>& part,
                       NameCharacter& first, NameCharacter& second) {
    CopyFromTable(table, part, 0, first);
    CopyFromTable(table, part, 1, second);
}

}  // namespace

int QuickScore(std::string_view surname, std::string_view givenName, const CharacterTable& table,
               const RatingTables& ratings, NameEvaluation& evaluation) {
    // Every field QuickScore fills is overwritten below; only a record that held a detailed
    // evaluation has more to clear.
    if (evaluation.hasExplanations) evaluation.Clear();
    // Names of two-byte characters are cut in place, into the pieces of the previous candidate.
    if (!SplitTwoByteNameInPlace(surname, evaluation.surnameChars))
        SplitCharactersInto(surname, evaluation.surnameChars);
    if (!SplitTwoByteNameInPlace(givenName, evaluation.givenChars))
        SplitCharactersInto(givenName, evaluation.givenChars);
    CopyPartFromTable(table, evaluation.surnameChars, evaluation.characters[kSurname1],
                      evaluation.characters[kSurname2]);
    CopyPartFromTable(table, evaluation.givenChars, evaluation.characters[kGiven1],
                      evaluation.characters[kGiven2]);
    ComputeGrids(evaluation);

    // The coefficients were worked out from the same texts when the ratings were read, so the
    // sum is the one ScoreRatings forms from the texts, in the same order and precision.
    const int grids[5] = {evaluation.heavenGrid, evaluation.personGrid, evaluation.earthGrid,
                          evaluation.totalGrid, evaluation.outerGrid};
    float sum = 0.0f;
    for (int grid = kHeavenGrid; grid <= kOuterGrid; ++grid) {
        const Rating& rating = ratings.NumberEntry(grids[grid]);
        SetText(evaluation.ratings[grid], rating.text);
        sum += rating.coefficient * static_cast<float>(RatingWeight(grid));
    }
    const Rating& talents = ratings.ThreeTalentEntryOfLastDigits(
        evaluation.heavenDigit, evaluation.personDigit, evaluation.earthDigit);
    SetText(evaluation.ratings[kThreeTalentsRating], talents.text);
    sum += talents.coefficient * static_cast<float>(RatingWeight(kThreeTalentsRating));
    evaluation.score = sum;
    return static_cast<int>(sum);
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
