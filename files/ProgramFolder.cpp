#include "files/ProgramFolder.h"

#include <system_error>

namespace files {

std::filesystem::path ExecutableFolder(const char* argv0) {
    std::error_code error;
    std::filesystem::path self = std::filesystem::canonical("/proc/self/exe", error);
    if (error && argv0) self = std::filesystem::absolute(argv0, error);
    return self.parent_path();
}

std::filesystem::path ReadOnlyRoot(const std::filesystem::path& executableFolder) {
    std::error_code error;
    const std::filesystem::path installed = executableFolder.parent_path() / "share" / kProgramName;
    if (std::filesystem::is_directory(installed / "data", error)) return installed;
    return executableFolder;
}

}  // namespace files
