#include "files/WriteFileAtomically.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <random>

#include "files/Utf8Path.h"

#ifdef __unix__
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#define BABYNAME_POSIX_FILES 1
#elif defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace files {

namespace fs = std::filesystem;

namespace {

WriteFileResult Failure(WriteFileError error, const fs::path& target, std::error_code code = {}) {
    WriteFileResult result;
    result.error = error;
    result.target = target;
    result.systemError = code;
    return result;
}

// Follows symbolic links to the file they name; a link whose target does not exist yet names
// the file to create. Forty links are taken as a loop, as the system does.
bool ResolveLinks(fs::path file, fs::path& resolved, std::error_code& error) {
    for (int hop = 0; hop < 40; ++hop) {
        fs::file_status status = fs::symlink_status(file, error);
        if (error && status.type() != fs::file_type::not_found) return false;
        error.clear();
        if (status.type() != fs::file_type::symlink) {
            resolved = file;
            return true;
        }
        fs::path next = fs::read_symlink(file, error);
        if (error) return false;
        file = next.is_absolute() ? next : file.parent_path() / next;
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return false;
}

// A name no other writer uses at the same time: the process, a counter and a random number.
fs::path TemporaryName(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    static const unsigned long long salt =
        std::random_device{}() ^ static_cast<unsigned long long>(
                                     std::chrono::steady_clock::now().time_since_epoch().count());
    unsigned long long process = 0;
#ifdef BABYNAME_POSIX_FILES
    process = static_cast<unsigned long long>(::getpid());
#elif defined(_WIN32)
    process = GetCurrentProcessId();
#endif
    std::string name = "." + Utf8FromPath(target.filename()) + "." + std::to_string(process) + "-" +
                       std::to_string(counter++) + "-" + std::to_string(salt % 1000000007ULL) +
                       ".tmp";
    return target.parent_path() / PathFromUtf8(name);
}

#ifdef BABYNAME_POSIX_FILES

std::error_code LastError() { return std::error_code(errno, std::generic_category()); }

WriteFileResult WriteAndRename(const fs::path& target, std::string_view bytes, bool replacing) {
    fs::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = TemporaryName(target);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return Failure(WriteFileError::CannotCreateTemporary, target, LastError());
    auto abandon = [&](WriteFileError error, std::error_code code) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return Failure(error, target, code);
    };
    if (replacing) {
        struct stat old {};
        if (::stat(target.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
    }
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return abandon(WriteFileError::WriteFailed, LastError());
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (::fsync(fd) != 0) return abandon(WriteFileError::FlushFailed, LastError());
    if (::close(fd) != 0) {
        const std::error_code code = LastError();
        ::unlink(temporary.c_str());
        return Failure(WriteFileError::FlushFailed, target, code);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const std::error_code code = LastError();
        ::unlink(temporary.c_str());
        return Failure(WriteFileError::RenameFailed, target, code);
    }
    // The rename itself reaches the disk with the folder; a folder that cannot be synced (some
    // network file systems) still holds the whole new file.
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    WriteFileResult result;
    result.target = target;
    return result;
}

#elif defined(_WIN32)

std::error_code LastError() {
    return std::error_code(static_cast<int>(GetLastError()), std::system_category());
}

// Another process that has the target open (a browser showing the page, a virus scanner, another
// writer replacing it this very moment) makes the replace fail for a short while.
bool TargetIsBusy(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
           error == ERROR_LOCK_VIOLATION;
}

WriteFileResult WriteAndRename(const fs::path& target, std::string_view bytes, bool) {
    fs::path temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = TemporaryName(target);
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (file == INVALID_HANDLE_VALUE)
        return Failure(WriteFileError::CannotCreateTemporary, target, LastError());
    auto abandon = [&](WriteFileError error, std::error_code code) {
        CloseHandle(file);
        DeleteFileW(temporary.c_str());
        return Failure(error, target, code);
    };
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(left, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, data, chunk, &written, nullptr) || written == 0)
            return abandon(WriteFileError::WriteFailed, LastError());
        data += written;
        left -= written;
    }
    if (!FlushFileBuffers(file)) return abandon(WriteFileError::FlushFailed, LastError());
    if (!CloseHandle(file)) {
        const std::error_code code = LastError();
        DeleteFileW(temporary.c_str());
        return Failure(WriteFileError::FlushFailed, target, code);
    }
    // Waits about two seconds in all for a target that is held, then gives up with the old file
    // whole.
    DWORD pause = 1;
    for (DWORD waited = 0;; waited += pause, pause = std::min<DWORD>(pause * 2, 200)) {
        if (MoveFileExW(temporary.c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            break;
        const DWORD error = GetLastError();
        if (!TargetIsBusy(error) || waited >= 2000) {
            DeleteFileW(temporary.c_str());
            return Failure(WriteFileError::RenameFailed, target,
                           std::error_code(static_cast<int>(error), std::system_category()));
        }
        Sleep(pause);
    }
    WriteFileResult result;
    result.target = target;
    return result;
}

#else

// Elsewhere: the standard library only, without the flush to the disk.

WriteFileResult WriteAndRename(const fs::path& target, std::string_view bytes, bool) {
    fs::path temporary;
    std::error_code error;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = TemporaryName(target);
        if (!fs::exists(temporary, error)) break;
    }
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return Failure(WriteFileError::CannotCreateTemporary, target);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temporary, error);
            return Failure(WriteFileError::WriteFailed, target);
        }
        out.close();
        if (!out) {
            fs::remove(temporary, error);
            return Failure(WriteFileError::FlushFailed, target);
        }
    }
    fs::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return Failure(WriteFileError::RenameFailed, target, error);
    }
    WriteFileResult result;
    result.target = target;
    return result;
}

#endif

// What the system said, in UTF-8. On Windows the standard library gives the system's text in the
// ANSI code page (GBK on a Chinese system), which would garble a UTF-8 message; the wide text
// does not.
std::string SystemMessage(const std::error_code& code) {
#ifdef _WIN32
    if (code.category() == std::system_category()) {
        wchar_t* text = nullptr;
        DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                          FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, DWORD(code.value()), 0,
                                      reinterpret_cast<wchar_t*>(&text), 0, nullptr);
        if (length > 0 && text) {
            while (length > 0 && (text[length - 1] == L'\r' || text[length - 1] == L'\n' ||
                                  text[length - 1] == L' '))
                --length;
            const std::string utf8 = Utf8FromPath(fs::path(std::wstring(text, length)));
            LocalFree(text);
            return utf8;
        }
        if (text) LocalFree(text);
    }
#endif
    return code.message();
}

}  // namespace

WriteFileResult WriteFileAtomically(const fs::path& file, std::string_view bytes) {
    fs::path target;
    std::error_code error;
    if (!ResolveLinks(file, target, error))
        return Failure(error == std::errc::too_many_symbolic_link_levels
                           ? WriteFileError::LinkLoop
                           : WriteFileError::CannotCreateTemporary,
                       file, error);
    const fs::file_status status = fs::status(target, error);
    const bool exists = status.type() != fs::file_type::not_found && !error;
    // A device, a folder or a pipe is never replaced by a regular file: writing "through" it is
    // not what a page or an export means, and as root a rename would destroy the device node.
    if (exists && status.type() != fs::file_type::regular)
        return Failure(WriteFileError::NotARegularFile, target);
    if (target.filename().empty()) return Failure(WriteFileError::NotARegularFile, target);
    return WriteAndRename(target, bytes, exists);
}

std::string WriteFileResult::Message() const {
    std::string reason;
    switch (error) {
        case WriteFileError::None:
            return "";
        case WriteFileError::NotARegularFile:
            reason = "不是普通文件，不能覆盖";
            break;
        case WriteFileError::LinkLoop:
            reason = "符号链接循环";
            break;
        case WriteFileError::CannotCreateTemporary:
            reason = "无法在同一文件夹中创建临时文件";
            break;
        case WriteFileError::WriteFailed:
            reason = "写入失败";
            break;
        case WriteFileError::FlushFailed:
            reason = "写入磁盘失败";
            break;
        case WriteFileError::RenameFailed:
            reason = "无法替换原文件";
            break;
    }
    if (systemError) reason += " (" + SystemMessage(systemError) + ")";
    return "无法写入 " + Utf8FromPath(target) + ": " + reason;
}

}  // namespace files
