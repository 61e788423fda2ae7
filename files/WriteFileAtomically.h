#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

// Writing a file so that readers only ever see the old file or the whole new one.
namespace files {

enum class WriteFileError {
    None,
    NotARegularFile,  // the target (or a link's target) is a directory, device, pipe ...
    LinkLoop,         // symbolic links that never reach a file
    CannotCreateTemporary,
    WriteFailed,  // includes a full disk and a file size limit
    FlushFailed,
    RenameFailed,
};

struct WriteFileResult {
    WriteFileError error = WriteFileError::None;
    std::error_code systemError;   // what the system said, when it said anything
    std::filesystem::path target;  // the file that was (or would have been) replaced

    bool ok() const { return error == WriteFileError::None; }
    explicit operator bool() const { return ok(); }
    // One line for the user, in UTF-8, naming the file and the reason; "" when the write worked.
    std::string Message() const;
};

// Writes bytes to file through a temporary file beside it, flushed to the disk and then renamed
// over the target, so that the old file stays whole when anything fails on the way and two
// writers of one file never share a temporary. A target that is a symbolic link is written
// through the link: the link stays and the file it points to is replaced. A target that exists
// and is not a regular file is refused and left alone. A new file gets the usual permissions; a
// replaced one keeps its own.
WriteFileResult WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

}  // namespace files
