// The settings file reader on arbitrary bytes: never a crash, and what it reads survives a write
// and a second read unchanged, so a start and an exit never change what the user kept.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/SavedSettings.h"
#include "settings/SettingsFile.h"

namespace {

bool SameSettings(const SavedSettings& a, const SavedSettings& b) {
    return a.surname == b.surname && a.sexIndex == b.sexIndex &&
           a.nameLengthIndex == b.nameLengthIndex &&
           a.combinationCharacters == b.combinationCharacters &&
           a.englishGivenName == b.englishGivenName && a.scoreGivenName == b.scoreGivenName &&
           a.records == b.records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SettingsFile file;
    file.Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    const SavedSettings first = ReadSavedSettings(file);
    WriteSavedSettings(file, first);
    const std::string written = file.Text();

    SettingsFile again;
    again.Parse(written);
    const SavedSettings second = ReadSavedSettings(again);
    // What was read is what comes back, and nothing is left out the second time.
    if (!SameSettings(first, second) || !second.notes.empty()) std::abort();
    // A second write changes no byte.
    WriteSavedSettings(again, second);
    if (again.Text() != written) std::abort();
    return 0;
}
