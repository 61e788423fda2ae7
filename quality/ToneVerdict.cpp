#include "quality/ToneVerdict.h"

namespace quality {

namespace {

const char* const kToneNames[] = {"轻声", "第一声", "第二声", "第三声", "第四声"};

// Whether three syllables in a row all pass the test.
template <typename Test>
bool ThreeInARow(const std::vector<Syllable>& name, Test test) {
    int run = 0;
    for (const Syllable& syllable : name) {
        run = test(syllable.tone) ? run + 1 : 0;
        if (run >= 3) return true;
    }
    return false;
}

}  // namespace

ToneProblem ClassifyTones(const std::vector<Syllable>& name) {
    bool sameTone = name.size() >= 2;
    for (const Syllable& syllable : name)
        sameTone = sameTone && syllable.tone != 0 && syllable.tone == name[0].tone;
    if (sameTone) return ToneProblem::SameTone;
    if (ThreeInARow(name, IsObliqueTone)) return ToneProblem::ThreeOblique;
    if (ThreeInARow(name, IsLevelTone)) return ToneProblem::ThreeLevel;
    if (name.size() == 2 && IsObliqueTone(name[0].tone) && IsObliqueTone(name[1].tone))
        return ToneProblem::TwoOblique;
    if (name.size() == 2 && IsLevelTone(name[0].tone) && IsLevelTone(name[1].tone))
        return ToneProblem::TwoLevel;
    return ToneProblem::None;
}

ToneVerdict JudgeTones(const std::vector<Syllable>& name) {
    ToneVerdict verdict;
    bool allKnown = !name.empty();
    for (const Syllable& syllable : name) {
        verdict.pattern += IsLevelTone(syllable.tone)     ? "平"
                           : IsObliqueTone(syllable.tone) ? "仄"
                                                          : "？";
        allKnown = allKnown && syllable.tone != 0;
    }
    const std::string count = name.size() == 2 ? "两" : name.size() == 3 ? "三" : "四";
    const bool wholeName = name.size() == 3;
    const ToneProblem problem = ClassifyTones(name);
    verdict.harmonious = problem == ToneProblem::None;
    switch (problem) {
        case ToneProblem::SameTone:
            verdict.reason = count + "字同为" + kToneNames[name[0].tone] + "，读来单调";
            break;
        case ToneProblem::ThreeOblique:
            verdict.reason = wholeName ? "三字皆仄，读来沉闷拗口" : "三字连仄，读来沉闷拗口";
            break;
        case ToneProblem::ThreeLevel:
            verdict.reason = wholeName ? "三字皆平，读来平淡无起伏" : "三字连平，读来平淡无起伏";
            break;
        case ToneProblem::TwoOblique:
            verdict.reason = "两字皆仄，读来沉闷拗口";
            break;
        case ToneProblem::TwoLevel:
            verdict.reason = "两字皆平，读来平淡无起伏";
            break;
        case ToneProblem::None:
            verdict.reason = allKnown ? "声调有起伏，读来和谐" : "声调有起伏（有字声调不明）";
            break;
    }
    return verdict;
}

}  // namespace quality
