#pragma once

#include <string_view>

// The page templates the program carries, as GBK text with brace placeholders.
std::string_view ScoreReportTemplate();
std::string_view CharacterPageTemplate();
std::string_view SurnamePageTemplate();
