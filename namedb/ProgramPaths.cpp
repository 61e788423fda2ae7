#include "namedb/ProgramPaths.h"

namespace {
std::filesystem::path& StoredDirectory() {
    static std::filesystem::path directory = std::filesystem::current_path();
    return directory;
}
}  // namespace

void SetProgramDirectory(const std::filesystem::path& directory) { StoredDirectory() = directory; }
std::filesystem::path ProgramDirectory() { return StoredDirectory(); }
std::filesystem::path DataDirectory() { return StoredDirectory() / "data"; }
