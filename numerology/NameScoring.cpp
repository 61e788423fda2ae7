#include "numerology/NameScoring.h"

#include "numerology/CharacterLookup.h"
#include "numerology/NameGrids.h"

using namespace numerology_detail;

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
