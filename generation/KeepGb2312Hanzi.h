#pragma once

#include <string>
#include <string_view>

// The characters of a typed text that belong to the Chinese-character rows of GB 2312 (lead byte
// B0..F7, trail byte A1..FE), in order; spaces, letters, digits, punctuation, full-width symbols
// and GBK-only characters are dropped.
std::string KeepGb2312Hanzi(std::string_view text);
