#include "numerology/NameGrids.h"

#include <cstdint>

#include "numerology/RatingTables.h"

namespace numerology_detail {

void AssignText(std::string& target, std::string_view text) {
    target.assign(text.data(), text.size());
}

// Kept out of the header: the core compiles its literals as GBK and the window as UTF-8, so a
// header must not hold Chinese text.
const std::string_view kElementNameByDigit[10] = {"水", "木", "木", "火", "火",
                                                  "土", "土", "金", "金", "水"};

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
