#include "numerology/GbkTextSearch.h"

namespace {
std::size_t CharacterLength(unsigned char byte) { return byte >= 128 ? 2 : 1; }
}  // namespace

int GbkFind(std::string_view text, std::string_view needle) {
    if (text.empty()) return -1;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text.substr(at, needle.size()) == needle) return static_cast<int>(at) + 1;
        at += CharacterLength(static_cast<unsigned char>(text[at]));
    }
    return -1;
}

std::string GbkReplaceAll(std::string_view text, std::string_view needle,
                          std::string_view replacement) {
    if (needle.empty()) return std::string(text);
    std::string replaced;
    replaced.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        if (text.substr(at, needle.size()) == needle) {
            replaced += replacement;
            at += needle.size();
            continue;
        }
        std::size_t length = CharacterLength(static_cast<unsigned char>(text[at]));
        replaced += text.substr(at, length);
        at += length;
    }
    return replaced;
}
