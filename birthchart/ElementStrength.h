#pragma once

#include <array>
#include <optional>
#include <string>

#include "birthchart/ChartState.h"

namespace birthchart {

// The five elements in the order the chart prints their scores: 金 木 水 火 土.
enum class Element { Metal, Wood, Water, Fire, Earth };
inline constexpr int kElementCount = 5;

// How strongly each element stands in the eight characters, and which two elements a name
// should bring. One stated method, so every figure can be checked by hand:
// - each stem adds 1.0 to its element; each branch adds 1.0 shared among its hidden stems
//   (子 癸 1.0, 丑 己 0.6 癸 0.3 辛 0.1, …); the month branch (月令) counts twice, so the five
//   scores add up to 9.0;
// - the day master (日主) is the day stem; 同类 is its element plus the one that produces it,
//   异类 the rest; 身强 when 同类 reaches 4.5, else 身弱;
// - 喜用 for 身弱: the producing element, then the day master's own; for 身强: of the element the
//   day master produces, the one it controls and the one that controls it, the two weakest,
//   weakest first, ties in that order.
// Scores are kept in tenths, so no rounding drifts.
struct ElementStrength {
    std::array<int, kElementCount> tenths{};  // indexed by Element
    std::string dayMasterStem;                // GBK, e.g. 丁
    Element dayMaster = Element::Wood;
    int sameKindTenths = 0;               // 同类
    int otherKindTenths = 0;              // 异类
    bool strong = false;                  // 身强
    std::array<Element, 2> favourable{};  // 喜用, in order
};

// From the four pillars' sexagenary names (GBK, year month day hour); nothing when a pillar is
// not a stem followed by a branch.
std::optional<ElementStrength> weighElements(const std::array<std::string, kPillarCount>& pillars);

// The element's name, GBK (金).
std::string elementName(Element element);

// A score in tenths as the chart writes it: 51 -> "5.1".
std::string tenthsText(int tenths);

// The one line of the command line, tab-separated (GBK):
// 金 1.0 木 1.3 水 5.1 火 1.0 土 0.6	日主 丁火	同类 2.3 异类 6.7	身弱	喜用 木火
std::string elementStrengthLine(const ElementStrength& strength);

// What the chart page and the name report say in a sentence: 八字身弱，喜木火
std::string favourableSummary(const ElementStrength& strength);

}  // namespace birthchart
