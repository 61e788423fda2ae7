#include "knowledge/TextBetween.h"

namespace knowledge {

std::string textBetween(std::string_view text, std::string_view start, std::string_view end) {
    const size_t startAt = start.empty() ? std::string_view::npos : text.find(start);
    if (startAt == std::string_view::npos) return {};
    const std::string_view after = text.substr(startAt + start.size());
    if (end.empty()) return std::string(after);
    return std::string(after.substr(0, after.find(end)));
}

std::string PronunciationSoundAddress(std::string_view page) {
    constexpr std::string_view kStart = "<a href=\"#\" url=\"";
    if (page.find(kStart) == std::string_view::npos) return {};
    return textBetween(page, kStart, ".mp3") + ".mp3";
}

}  // namespace knowledge
