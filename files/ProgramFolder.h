#pragma once

#include <filesystem>

namespace files {

// The name the program is installed under: its read-only files live in share/<name>.
inline constexpr const char* kProgramName = "babyname";

// The folder of the running executable; falls back to argv0 where the system cannot say.
std::filesystem::path ExecutableFolder(const char* argv0);

// The folder holding the program's read-only files (data/ and Help/): ../share/babyname beside an
// installed executable, so an installed tree can be moved or unpacked anywhere; the executable's
// own folder in the build tree, where data/ and Help/ sit beside the programs.
std::filesystem::path ReadOnlyRoot(const std::filesystem::path& executableFolder);

}  // namespace files
