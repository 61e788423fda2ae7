#include "generation/KeepGb2312Hanzi.h"

#include "numerology/CharacterLookup.h"

std::string KeepGb2312Hanzi(std::string_view text) {
    std::string kept;
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        // Half-width spaces go with every other one-byte piece.
        if (lead < 128) {
            ++i;
            continue;
        }
        if (i + 1 >= text.size()) break;
        const auto trail = static_cast<unsigned char>(text[i + 1]);
        // The full-width space A1A1 falls outside the kept rows like every other symbol.
        if (IsGb2312Hanzi(lead, trail)) kept.append(text.substr(i, 2));
        i += 2;
    }
    return kept;
}
