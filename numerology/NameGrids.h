#pragma once

#include "numerology/NameEvaluation.h"

// The formulas both evaluations share. Not part of the library's interface.
namespace numerology_detail {

// Element name of a number's last digit as a literal, so the scoring loop builds no string.
const char* ElementNameOfNumber(int number);

// From the cut name and the characters' stroke counts and elements: the five grids, the sum of
// simplified strokes, the element text, the last digits and the three-talent key.
void ComputeGrids(NameEvaluation& evaluation);

// The weighted sum of the six ratings in single precision, stored in evaluation.score; returns
// it truncated toward zero.
int ScoreRatings(NameEvaluation& evaluation);

}  // namespace numerology_detail
