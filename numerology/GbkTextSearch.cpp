#include "numerology/GbkTextSearch.h"

int GbkFind(std::string_view text, std::string_view needle) {
    if (text.empty()) return -1;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text.substr(at, needle.size()) == needle && at + needle.size() <= text.size())
            return static_cast<int>(at) + 1;
        at += static_cast<unsigned char>(text[at]) >= 128 ? 2 : 1;
    }
    return -1;
}
