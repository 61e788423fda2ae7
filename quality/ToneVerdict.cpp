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
    bool sameTone = allKnown && name.size() >= 2;
    for (const Syllable& syllable : name) sameTone = sameTone && syllable.tone == name[0].tone;

    verdict.harmonious = false;
    if (sameTone) {
        verdict.reason = count + "字同为" + kToneNames[name[0].tone] + "，读来单调";
    } else if (ThreeInARow(name, IsObliqueTone)) {
        verdict.reason = name.size() == 3 ? "三字皆仄，读来沉闷拗口" : "三字连仄，读来沉闷拗口";
    } else if (ThreeInARow(name, IsLevelTone)) {
        verdict.reason = name.size() == 3 ? "三字皆平，读来平淡无起伏" : "三字连平，读来平淡无起伏";
    } else {
        verdict.harmonious = true;
        verdict.reason = allKnown ? "声调有起伏，读来和谐" : "声调有起伏（有字声调不明）";
    }
    return verdict;
}

}  // namespace quality
