#pragma once

#include <string>
#include <vector>

// The text of 编辑框_经典名字: surname + entry followed by two spaces (二字) or three (一字); every
// 14th (16th) name closes its line and a blank line follows, the last line has no line break
// unless the count is such a multiple.
std::string BuildClassicText(const std::string& surname, const std::vector<std::string>& entries,
                             int nameLength);
