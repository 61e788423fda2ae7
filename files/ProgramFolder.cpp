#include "files/ProgramFolder.h"

#include <string>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace files {

std::filesystem::path ExecutableFolder(const char* argv0) {
    std::error_code error;
    std::filesystem::path self;
#ifdef _WIN32
    // Windows knows its module's file name; a "/proc/self/exe" would be looked up as a file on
    // the current drive (and under wine even found, as Z:\proc\self).
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
        if (length == 0) break;
        if (length < name.size()) {
            name.resize(length);
            self = std::filesystem::path(name);
            break;
        }
        if (name.size() >= 32768) break;
        name.resize(name.size() * 2);
    }
    if (self.empty()) error = std::make_error_code(std::errc::no_such_file_or_directory);
#else
    self = std::filesystem::canonical("/proc/self/exe", error);
#endif
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
