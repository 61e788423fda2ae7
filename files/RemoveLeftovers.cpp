#include "files/RemoveLeftovers.h"

#include <charconv>
#include <string_view>
#include <system_error>

#include "files/Utf8Path.h"

#ifdef __unix__
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#define BABYNAME_POSIX_FILES 1
#endif

namespace files {

namespace fs = std::filesystem;

namespace {

long long ThisProcess() {
#ifdef BABYNAME_POSIX_FILES
    return static_cast<long long>(::getpid());
#else
    return 0;
#endif
}

// Whether the process may still run: a process number that cannot be asked about (another
// user's, or a system without the call) counts as running, so its files stay.
bool IsRunning(long long process) {
    if (process == ThisProcess()) return true;
#ifdef BABYNAME_POSIX_FILES
    if (process <= 0 || process > 0x7FFFFFFF) return false;
    return ::kill(static_cast<pid_t>(process), 0) == 0 || errno != ESRCH;
#else
    return true;
#endif
}

// The number at the start of text up to the separator, or -1.
long long LeadingNumber(std::string_view text, char separator) {
    const size_t end = text.find(separator);
    if (end == 0 || end == std::string_view::npos) return -1;
    long long number = -1;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + end, number);
    if (error != std::errc() || stop != text.data() + end) return -1;
    return number;
}

// An entry of ours to remove: itself a file or folder (never a link), owned by this user.
bool IsOwn(const fs::path& path, bool folder) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (error || (folder ? !fs::is_directory(status) : !fs::is_regular_file(status))) return false;
#ifdef BABYNAME_POSIX_FILES
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || info.st_uid != ::getuid()) return false;
#endif
    return true;
}

}  // namespace

int RemoveLeftoverTemporaries(const fs::path& file) {
    const std::string start = "." + Utf8FromPath(file.filename()) + ".";
    const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    int removed = 0;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = Utf8FromPath(entry->path().filename());
        if (name.size() <= start.size() + 4 || name.compare(0, start.size(), start) != 0 ||
            name.compare(name.size() - 4, 4, ".tmp") != 0)
            continue;
        const long long process = LeadingNumber(std::string_view(name).substr(start.size()), '-');
        if (process < 0 || IsRunning(process) || !IsOwn(entry->path(), false)) continue;
        std::error_code ignored;
        if (fs::remove(entry->path(), ignored)) ++removed;
    }
    return removed;
}

std::string WorkFolderPrefix(const std::string& prefix) {
    return prefix + "-" + std::to_string(ThisProcess()) + "-";
}

int RemoveLeftoverWorkFolders(const fs::path& folder, const std::string& prefix) {
    const std::string start = prefix + "-";
    int removed = 0;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = Utf8FromPath(entry->path().filename());
        if (name.size() <= start.size() || name.compare(0, start.size(), start) != 0) continue;
        const std::string_view rest = std::string_view(name).substr(start.size());
        const long long process = LeadingNumber(rest, '-');
        if (process >= 0) {
            if (IsRunning(process) || !IsOwn(entry->path(), true)) continue;
            std::error_code ignored;
            if (fs::remove_all(entry->path(), ignored) > 0 && !ignored) ++removed;
        } else if (rest.size() == 6 && rest.find('-') == std::string_view::npos &&
                   IsOwn(entry->path(), true)) {
            // Without a process number only an empty folder can be known to hold nothing of use.
            std::error_code ignored;
            if (fs::is_empty(entry->path(), ignored) && !ignored &&
                fs::remove(entry->path(), ignored))
                ++removed;
        }
    }
    return removed;
}

}  // namespace files
