#pragma once

#include <string>
#include <vector>

#include "quality/Syllable.h"

namespace quality {

// A word no name should sound like, with its reading.
struct UnfortunateWord {
    std::string word;  // GBK
    std::vector<Syllable> syllables;
};

// What a name sounds like: the word, and whether the tones agree too (同音) or only the syllables
// (音近). found is false when the name sounds like none of the words.
struct SoundMatch {
    bool found = false;
    std::string word;
    std::vector<Syllable> wordSyllables;
    bool sameTones = false;
    size_t start = 0;  // the first syllable of the name that the word covers
};

// Our list: bodily functions, illness, death, insults and the well-known jokes on names.
const std::vector<UnfortunateWord>& UnfortunateWords();

// The word the syllables of a full name sound like: a word of two or more syllables, or failing
// that one of the few single sounds a child is teased with (死, 屎, 尿 …) in exactly its tone (and
// 四 sì as 死), since one syllable alone in any tone sounds like too many words to mean anything.
// Only words that take in at least one syllable of the given name (from surnameSyllables on)
// count, since the surname cannot be chosen. A word read with a neutral tone, or a name syllable
// whose tone is unknown, agrees with any tone. A match with the tones wins over one without, a
// longer word over a shorter one.
SoundMatch FindUnfortunateSound(const std::vector<Syllable>& name, size_t surnameSyllables);

}  // namespace quality
