#pragma once

#include <string>
#include <string_view>

namespace knowledge {

// The text after the first occurrence of start, up to the next end (or to the end of the text
// when end does not follow); "" when start does not occur.
std::string textBetween(std::string_view text, std::string_view start, std::string_view end);

// The pronunciation sound named in a dictionary's search page: the text between
// <a href="#" url=" and the next ".mp3", followed by ".mp3", verbatim. "" when the page has no
// such link, so the caller can tell a page without a sound from a sound.
std::string PronunciationSoundAddress(std::string_view page);

}  // namespace knowledge
