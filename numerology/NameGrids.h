#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "numerology/NameEvaluation.h"

// The formulas both evaluations share, in NameGrids.cpp. Not part of the library's interface.
namespace numerology_detail {

// Replaces a text whose length changes; kept out of line so that SetText stays small.
void AssignText(std::string& target, std::string_view text);

// Replaces target's text. The scoring loop writes texts of the same length candidate after
// candidate (two-byte characters and elements), so the bytes are written in place and the
// string is only rebuilt when the length changes.
inline void SetText(std::string& target, std::string_view text) {
    if (target.size() != text.size()) {
        AssignText(target, text);
        return;
    }
    char* out = target.data();
    if (text.size() == 2) {
        out[0] = text[0];
        out[1] = text[1];
    } else {
        for (std::size_t i = 0; i < text.size(); ++i) out[i] = text[i];
    }
}

// Cuts a name of one or two two-byte characters without spaces into pieces the way
// SplitCharactersInto does, writing in place; returns false, having changed nothing, for any
// other text or when the pieces have other lengths.
inline bool SplitTwoByteNameInPlace(std::string_view text, std::vector<std::string>& pieces) {
    std::size_t count = text.size() / 2;
    if ((text.size() != 2 && text.size() != 4) || pieces.size() != count) return false;
    for (std::size_t i = 0; i < count; ++i) {
        unsigned char lead = static_cast<unsigned char>(text[2 * i]);
        if (lead <= 122 || lead == 0xA1 || text[2 * i + 1] == ' ' || pieces[i].size() != 2)
            return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        pieces[i][0] = text[2 * i];
        pieces[i][1] = text[2 * i + 1];
    }
    return true;
}

// Replaces target's text by the parts joined, in the same way.
template <typename... Parts>
inline void SetConcatenation(std::string& target, const Parts&... parts) {
    std::size_t length = (std::string_view(parts).size() + ...);
    if (target.size() != length) target.resize(length);
    char* out = target.data();
    auto append = [&out](std::string_view part) {
        if (part.size() == 2) {
            out[0] = part[0];
            out[1] = part[1];
        } else {
            for (std::size_t i = 0; i < part.size(); ++i) out[i] = part[i];
        }
        out += part.size();
    };
    (append(parts), ...);
}

// Element name of a last digit (number % 10, so -9..9), without building a string.
// 水 木 木 火 火 土 土 金 金 水 for the digits 0..9.
extern const std::string_view kElementNameByDigit[10];
inline std::string_view ElementNameOfDigit(int digit) {
    return digit < 0 ? std::string_view() : kElementNameByDigit[digit];
}
std::string_view ElementNameOfNumber(int number);

// From the cut name and the characters' stroke counts and elements: the five grids, the sum of
// simplified strokes, the element text, the last digits and the three-talent key.
void ComputeGrids(NameEvaluation& evaluation);

// The weighted sum of the six ratings in single precision, stored in evaluation.score; returns
// it truncated toward zero.
int ScoreRatings(NameEvaluation& evaluation);

}  // namespace numerology_detail
