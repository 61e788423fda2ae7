#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace files {

// A path from UTF-8 bytes and back. std::filesystem::path(std::string) reads the bytes in the
// system's narrow code page, which on Windows is not UTF-8: a Chinese file name would come out
// garbled. On Linux the bytes stay exactly as they are, valid UTF-8 or not.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

}  // namespace files
