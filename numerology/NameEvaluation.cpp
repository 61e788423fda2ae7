#include "numerology/NameEvaluation.h"

int NameEvaluation::GridValue(int grid) const {
    switch (grid) {
        case kHeavenGrid:
            return heavenGrid;
        case kPersonGrid:
            return personGrid;
        case kEarthGrid:
            return earthGrid;
        case kTotalGrid:
            return totalGrid;
        case kOuterGrid:
            return outerGrid;
        default:
            return 0;
    }
}

void NameEvaluation::Clear() {
    surnameChars.clear();
    givenChars.clear();
    for (NameCharacter& character : characters) {
        character.simplifiedStrokes = 0;
        character.traditionalStrokes = 0;
        character.element.clear();
        character.pinyin.clear();
        character.traditionalForm.clear();
    }
    heavenGrid = personGrid = earthGrid = totalGrid = outerGrid = 0;
    simplifiedTotal = 0;
    elementText.clear();
    heavenDigit = personDigit = earthDigit = 0;
    threeTalents.clear();
    for (std::string& rating : ratings) rating.clear();
    score = 0.0f;
    for (GridExplanation& grid : grids) {
        grid.element.clear();
        grid.rating.clear();
        grid.summary.clear();
        grid.detail.clear();
        grid.hints.clear();
    }
    for (std::string* text :
         {&talents.rating, &talents.summary, &talents.aspects, &talents.baseLuck,
          &talents.successLuck, &talents.relations, &talents.personality})
        text->clear();
    comment.clear();
    hasExplanations = false;
}
