#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The fuzz input cut at zero bytes into pieces, so one input drives several text arguments.
inline std::vector<std::string> SplitFuzzInput(const std::uint8_t* data, std::size_t size,
                                               std::size_t maxPieces) {
    std::vector<std::string> pieces(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0 && pieces.size() < maxPieces) {
            pieces.emplace_back();
            continue;
        }
        pieces.back() += static_cast<char>(data[i]);
    }
    return pieces;
}
