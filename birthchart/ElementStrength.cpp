#include "birthchart/ElementStrength.h"

namespace birthchart {

namespace {

// Generating order: 木 → 火 → 土 → 金 → 水 → 木. In this cycle the element at +1 is the one
// produced, +2 the one controlled, +3 the controller, +4 the producer.
constexpr Element kCycle[kElementCount] = {Element::Wood, Element::Fire, Element::Earth,
                                           Element::Metal, Element::Water};

int cyclePosition(Element element) {
    for (int i = 0; i < kElementCount; ++i)
        if (kCycle[i] == element) return i;
    return 0;
}

Element cycleStep(Element element, int steps) {
    return kCycle[(cyclePosition(element) + steps) % kElementCount];
}

const char* const kStems[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const Element kStemElements[10] = {Element::Wood,  Element::Wood,  Element::Fire,  Element::Fire,
                                   Element::Earth, Element::Earth, Element::Metal, Element::Metal,
                                   Element::Water, Element::Water};

struct HiddenStem {
    int stem;    // index into kStems
    int tenths;  // its share of the branch's 1.0
};
struct Branch {
    const char* name;
    HiddenStem hidden[3];
    int count;
};
// 甲0 乙1 丙2 丁3 戊4 己5 庚6 辛7 壬8 癸9
const Branch kBranches[12] = {
    {"子", {{9, 10}}, 1},
    {"丑", {{5, 6}, {9, 3}, {7, 1}}, 3},
    {"寅", {{0, 6}, {2, 3}, {4, 1}}, 3},
    {"卯", {{1, 10}}, 1},
    {"辰", {{4, 6}, {1, 3}, {9, 1}}, 3},
    {"巳", {{2, 6}, {6, 3}, {4, 1}}, 3},
    {"午", {{3, 7}, {5, 3}}, 2},
    {"未", {{5, 6}, {3, 3}, {1, 1}}, 3},
    {"申", {{6, 6}, {8, 3}, {4, 1}}, 3},
    {"酉", {{7, 10}}, 1},
    {"戌", {{4, 6}, {7, 3}, {3, 1}}, 3},
    {"亥", {{8, 7}, {0, 3}}, 2},
};

int stemIndex(const std::string& text) {
    for (int i = 0; i < 10; ++i)
        if (text == kStems[i]) return i;
    return -1;
}

const Branch* findBranch(const std::string& text) {
    for (const Branch& branch : kBranches)
        if (text == branch.name) return &branch;
    return nullptr;
}

}  // namespace

std::string elementName(Element element) {
    static const char* const kNames[kElementCount] = {"金", "木", "水", "火", "土"};
    return kNames[static_cast<int>(element)];
}

std::string tenthsText(int tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::optional<ElementStrength> weighElements(const std::array<std::string, kPillarCount>& pillars) {
    ElementStrength strength;
    std::array<int, kPillarCount> stems{};
    for (int p = 0; p < kPillarCount; ++p) {
        // A sexagenary name is two GBK characters: the stem, then the branch.
        if (pillars[p].size() != 4) return std::nullopt;
        const int stem = stemIndex(pillars[p].substr(0, 2));
        const Branch* branch = findBranch(pillars[p].substr(2, 2));
        if (stem < 0 || !branch) return std::nullopt;
        stems[p] = stem;
        strength.tenths[static_cast<int>(kStemElements[stem])] += 10;
        const int weight = p == kMonthPillar ? 2 : 1;  // 月令
        for (int h = 0; h < branch->count; ++h)
            strength.tenths[static_cast<int>(kStemElements[branch->hidden[h].stem])] +=
                weight * branch->hidden[h].tenths;
    }

    strength.dayMasterStem = kStems[stems[kDayPillar]];
    strength.dayMaster = kStemElements[stems[kDayPillar]];
    const Element producer = cycleStep(strength.dayMaster, 4);
    strength.sameKindTenths = strength.tenths[static_cast<int>(strength.dayMaster)] +
                              strength.tenths[static_cast<int>(producer)];
    strength.otherKindTenths = 90 - strength.sameKindTenths;
    strength.strong = strength.sameKindTenths >= 45;

    if (!strength.strong) {
        strength.favourable = {producer, strength.dayMaster};
    } else {
        // Produced, controlled, controller: the order that settles ties.
        Element candidates[3] = {cycleStep(strength.dayMaster, 1), cycleStep(strength.dayMaster, 2),
                                 cycleStep(strength.dayMaster, 3)};
        auto score = [&](Element e) { return strength.tenths[static_cast<int>(e)]; };
        int first = 0;
        for (int i = 1; i < 3; ++i)
            if (score(candidates[i]) < score(candidates[first])) first = i;
        int second = -1;
        for (int i = 0; i < 3; ++i) {
            if (i == first) continue;
            if (second < 0 || score(candidates[i]) < score(candidates[second])) second = i;
        }
        strength.favourable = {candidates[first], candidates[second]};
    }
    return strength;
}

std::string elementStrengthLine(const ElementStrength& strength) {
    std::string line;
    for (int e = 0; e < kElementCount; ++e) {
        if (e) line += " ";
        line += elementName(static_cast<Element>(e)) + " " + tenthsText(strength.tenths[e]);
    }
    line += "\t日主 " + strength.dayMasterStem + elementName(strength.dayMaster);
    line += "\t同类 " + tenthsText(strength.sameKindTenths) + " 异类 " +
            tenthsText(strength.otherKindTenths);
    line += strength.strong ? "\t身强" : "\t身弱";
    line += "\t喜用 " + elementName(strength.favourable[0]) + elementName(strength.favourable[1]);
    return line;
}

std::string favourableSummary(const ElementStrength& strength) {
    return std::string(strength.strong ? "八字身强" : "八字身弱") + "，喜" +
           elementName(strength.favourable[0]) + elementName(strength.favourable[1]);
}

}  // namespace birthchart
