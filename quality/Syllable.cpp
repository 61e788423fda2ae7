#include "quality/Syllable.h"

#include <cctype>

namespace quality {

namespace {

// The vowels with tone marks as GBK has them, and the letter each stands for.
struct MarkedVowel {
    const char* gbk;
    char letter;
    int tone;
};

constexpr MarkedVowel kMarkedVowels[] = {
    {"ā", 'a', 1}, {"á", 'a', 2}, {"ǎ", 'a', 3}, {"à", 'a', 4}, {"ē", 'e', 1}, {"é", 'e', 2},
    {"ě", 'e', 3}, {"è", 'e', 4}, {"ī", 'i', 1}, {"í", 'i', 2}, {"ǐ", 'i', 3}, {"ì", 'i', 4},
    {"ō", 'o', 1}, {"ó", 'o', 2}, {"ǒ", 'o', 3}, {"ò", 'o', 4}, {"ū", 'u', 1}, {"ú", 'u', 2},
    {"ǔ", 'u', 3}, {"ù", 'u', 4}, {"ǖ", 'v', 1}, {"ǘ", 'v', 2}, {"ǚ", 'v', 3}, {"ǜ", 'v', 4},
    {"ü", 'v', 0}, {"ê", 'e', 0}, {"ń", 'n', 2}, {"ň", 'n', 3}, {"ǹ", 'n', 4},
};

}  // namespace

Syllable ParseMarkedSyllable(std::string_view marked) {
    Syllable syllable;
    for (size_t at = 0; at < marked.size();) {
        const auto byte = static_cast<unsigned char>(marked[at]);
        if (byte < 0x80) {
            if (std::isalpha(byte))
                syllable.plain += static_cast<char>(std::tolower(byte));
            else if (byte >= '1' && byte <= '4' && syllable.tone == 0)
                syllable.tone = byte - '0';  // a reading that carries its tone as a digit
            ++at;
            continue;
        }
        const std::string_view piece = marked.substr(at, 2);
        for (const MarkedVowel& vowel : kMarkedVowels) {
            if (piece == vowel.gbk) {
                syllable.plain += vowel.letter;
                if (syllable.tone == 0) syllable.tone = vowel.tone;
                break;
            }
        }
        at += 2;
    }
    return syllable;
}

std::vector<Syllable> ParseMarkedSyllables(std::string_view marked) {
    std::vector<Syllable> syllables;
    size_t start = 0;
    while (start <= marked.size()) {
        size_t end = marked.find(' ', start);
        if (end == std::string_view::npos) end = marked.size();
        if (end > start)
            syllables.push_back(ParseMarkedSyllable(marked.substr(start, end - start)));
        start = end + 1;
    }
    return syllables;
}

Syllable ParseNumberedSyllable(std::string_view numbered) {
    Syllable syllable;
    for (char c : numbered) {
        if (c >= '1' && c <= '4')
            syllable.tone = c - '0';
        else if (std::isalpha(static_cast<unsigned char>(c)))
            syllable.plain += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return syllable;
}

}  // namespace quality
