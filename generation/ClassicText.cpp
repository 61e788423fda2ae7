#include "generation/ClassicText.h"

std::string BuildClassicText(const std::string& surname, const std::vector<std::string>& entries,
                             int nameLength) {
    const bool twoCharacters = nameLength == 2;
    const char* gap = twoCharacters ? "  " : "   ";
    const size_t perLine = twoCharacters ? 14 : 16;
    std::string text;
    text.reserve(entries.size() * (surname.size() + 10));
    for (size_t i = 1; i <= entries.size(); ++i) {
        text += surname;
        text += entries[i - 1];
        text += gap;
        if (i % perLine == 0) text += "\r\n\r\n";
    }
    return text;
}
