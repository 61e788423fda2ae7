#pragma once

#include <string>
#include <string_view>

// Searches of GBK text that move through it character by character: a byte of 128 or above and
// the byte after it form one character, so a match never starts in the middle of a character.

// 1-based byte position of the first match, or -1. The empty needle is found at 1 in any
// non-empty text and nowhere in the empty text.
int GbkFind(std::string_view text, std::string_view needle);
inline bool GbkContains(std::string_view text, std::string_view needle) {
    return GbkFind(text, needle) >= 0;
}

// Every match of a non-empty needle replaced, left to right. Matching by character keeps "|"
// from hitting the second byte of a character such as 晐 (95 7C).
std::string GbkReplaceAll(std::string_view text, std::string_view needle,
                          std::string_view replacement);
