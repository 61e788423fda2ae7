#pragma once

#include <string>
#include <string_view>

// The program keeps its texts as GBK bytes (code page 936); the terminal, SQLite and Qt speak
// UTF-8. These two functions are the only crossing between the encodings. Bytes that do not form
// a valid character become '?', as the Windows converters do, so a damaged text never aborts.
namespace text {

std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);

// For literals written in UTF-8 source text (u8"李"), giving their GBK bytes.
inline std::string Gbk(std::u8string_view utf8) {
    return Utf8ToGbk(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

}  // namespace text
