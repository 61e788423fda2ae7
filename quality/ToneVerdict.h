#pragma once

#include <string>
#include <vector>

#include "quality/Syllable.h"

namespace quality {

// How the tones of a full name sound together.
struct ToneVerdict {
    bool harmonious = true;
    std::string pattern;  // 平 and 仄 per syllable, ？ where the tone is not known (GBK)
    std::string reason;   // why not harmonious, or what makes it harmonious (GBK)
};

// What speaks against the tones of a name, the first rule that fails; None when all pass.
enum class ToneProblem { None, SameTone, ThreeOblique, ThreeLevel, TwoOblique, TwoLevel };
ToneProblem ClassifyTones(const std::vector<Syllable>& name);

// The rules parents meet in every naming book, checked in this order: all syllables on the same
// tone; three 仄 in a row (heavy, the voice has nowhere to rise); three 平 in a row (flat); and
// for a name of two syllables, both 仄 or both 平, since two are all the rise it has. A syllable
// of unknown tone breaks a run and keeps a name from being all one tone.
ToneVerdict JudgeTones(const std::vector<Syllable>& name);

}  // namespace quality
