#pragma once

#include <array>
#include <string>
#include <vector>

// Positions of a name's characters: first and second surname character, first and second
// given-name character. A position the name lacks keeps its cleared values.
enum NamePosition { kSurname1 = 0, kSurname2 = 1, kGiven1 = 2, kGiven2 = 3 };
// The five grids, in the order their ratings are listed.
enum Grid { kHeavenGrid = 0, kPersonGrid = 1, kEarthGrid = 2, kTotalGrid = 3, kOuterGrid = 4 };
constexpr int kThreeTalentsRating = 5;  // slot of the three-talent rating in ratings

struct NameCharacter {
    int simplifiedStrokes = 0;
    int traditionalStrokes = 0;
    std::string element;
    std::string pinyin;           // detailed evaluation only
    std::string traditionalForm;  // detailed evaluation only
};

// The explanation of one grid, filled by the detailed evaluation only.
struct GridExplanation {
    std::string element;  // ElementOfNumber of the grid
    std::string rating;
    std::string summary;
    std::string detail;
    std::string hints;
};

// The explanation of the three talents, filled by the detailed evaluation only.
struct ThreeTalentExplanation {
    std::string rating;
    std::string summary;
    std::string aspects;
    std::string baseLuck;
    std::string successLuck;
    std::string relations;
    std::string personality;
};

// What one evaluation finds for one name. Every evaluation clears it first, so nothing of a
// previous name survives; each caller evaluates into a record of its own.
struct NameEvaluation {
    std::vector<std::string> surnameChars;
    std::vector<std::string> givenChars;
    std::array<NameCharacter, 4> characters;  // indexed by NamePosition

    int heavenGrid = 0;
    int personGrid = 0;
    int earthGrid = 0;
    int totalGrid = 0;
    int outerGrid = 0;
    int simplifiedTotal = 0;
    std::string elementText;

    int heavenDigit = 0;
    int personDigit = 0;
    int earthDigit = 0;
    std::string threeTalents;

    // 吉凶 of heaven, person, earth, total, outer, then of the three talents.
    std::array<std::string, 6> ratings;
    float score = 0.0f;  // the weighted sum before truncation

    std::array<GridExplanation, 5> grids;  // indexed by Grid
    ThreeTalentExplanation talents;
    std::string comment;

    // Set by the detailed evaluation when it fills pinyin, traditional forms, explanations and
    // comment; QuickScore, which never fills them, clears them only when this is set.
    bool hasExplanations = false;

    int GridValue(int grid) const;
    // Sets every field to its cleared value, keeping the capacity of the texts and arrays.
    void Clear();
};
