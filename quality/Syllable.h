#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quality {

// One syllable of a reading: its letters without tone marks (lower case, ü written v, as the
// plain readings of the name database have it) and its tone, 1-4, or 0 for the neutral tone and
// for a reading whose tone is not known.
struct Syllable {
    std::string plain;
    int tone = 0;

    bool operator==(const Syllable&) const = default;
};

// The syllable of one reading with tone marks (GBK, "lǐ"); the first mark found gives the tone.
Syllable ParseMarkedSyllable(std::string_view marked);
// The syllables of a reading of several characters separated by spaces ("yù chí").
std::vector<Syllable> ParseMarkedSyllables(std::string_view marked);
// The syllable of a reading written with a tone digit ("zi3", "nv3", "zi5" for the neutral tone).
Syllable ParseNumberedSyllable(std::string_view numbered);

// 平 are the first and second tones of today's Mandarin, 仄 the third and fourth.
inline bool IsLevelTone(int tone) { return tone == 1 || tone == 2; }
inline bool IsObliqueTone(int tone) { return tone == 3 || tone == 4; }

}  // namespace quality
