// The core's walks through GBK text: character splitting, searching, replacing, the filters of
// typed characters and the page template filling.
#include <cstdlib>

#include "fuzz/FuzzInput.h"
#include "generation/KeepGb2312Hanzi.h"
#include "numerology/CharacterLookup.h"
#include "numerology/GbkTextSearch.h"
#include "numerology/ReportPages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> parts = SplitFuzzInput(data, size, 4);
    const std::string& text = parts[0];
    const std::string needle = parts.size() > 1 ? parts[1] : "";
    const std::string replacement = parts.size() > 2 ? parts[2] : "";

    std::size_t joined = 0;
    for (const std::string& piece : SplitCharacters(text)) {
        if (piece.empty() || piece.size() > 2) std::abort();
        joined += piece.size();
    }
    if (joined > text.size()) std::abort();

    const int at = GbkFind(text, needle);
    if (at > 0 && text.compare(static_cast<std::size_t>(at - 1), needle.size(), needle) != 0)
        std::abort();
    if (!needle.empty()) GbkReplaceAll(text, needle, replacement);

    const std::string kept = KeepGb2312Hanzi(text);
    if (kept.size() % 2 != 0 || kept.size() > text.size()) std::abort();
    HtmlEscape(text);
    FillTemplate(text, {{needle, replacement}, {"{" + replacement + "}", needle}});
    return 0;
}
