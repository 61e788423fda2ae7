#pragma once

#include <string>

#include "birthchart/ChartState.h"

namespace birthchart {

// The elements among 金 木 水 火 土 that do not occur in state.elementsLabel, in that order, go to
// state.missingLabel; returns "五行不缺" or "五行缺：" followed by them.
std::string missingElementsPhrase(ChartState& state);

// The advice on name radicals for the zodiac animal of branch 1 (子, 鼠) … 12 (亥, 猪); empty
// outside 1–12.
std::string ZodiacAdvice(int branch);

// Appends the advice of the year pillar's animal to the report; nothing when the year pillar is no
// sexagenary name.
void appendZodiacAdvice(ChartState& state);

}  // namespace birthchart
