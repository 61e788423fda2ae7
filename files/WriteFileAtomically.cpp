#include "files/WriteFileAtomically.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <random>

#ifdef __unix__
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#define BABYNAME_POSIX_FILES 1
#endif

namespace files {

namespace fs = std::filesystem;

namespace {

std::string Utf8(const fs::path& path) {
    auto text = path.u8string();
    return std::string(reinterpret_cast<const char*>(text.data()), text.size());
}

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
#endif
    std::string name = "." + Utf8(target.filename()) + "." + std::to_string(process) + "-" +
                       std::to_string(counter++) + "-" + std::to_string(salt % 1000000007ULL) +
                       ".tmp";
    return target.parent_path() / fs::u8path(name);
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

#else

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
    if (systemError) reason += " (" + systemError.message() + ")";
    return "无法写入 " + Utf8(target) + ": " + reason;
}

}  // namespace files
