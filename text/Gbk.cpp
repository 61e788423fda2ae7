#include "text/Gbk.h"

#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#else
#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#endif

namespace text {
namespace {

#ifdef _WIN32

// The Windows converters differ from iconv's GBK, which the program's texts were made with, in
// three ways: code page 936 reads the user-defined areas (AAA1-AFFE, F8A1-FEFE, A140-A7A0) and the
// byte 0xFF as private-use characters, writes a character it lacks as one '?' per UTF-16 unit (an
// emoji as "??"), and keeps the Unicode tag characters that iconv drops. Whole texts that meet
// none of these take one call each way; the rest go character by character, with the same
// "one '?' per unreadable character" rule as the iconv branch.
constexpr UINT kGbk = 936;

bool IsPrivateUse(wchar_t unit) { return unit >= 0xE000 && unit <= 0xF8FF; }

std::string WideToUtf8(const wchar_t* wide, int length) {
    if (length <= 0) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string out(size_t(size > 0 ? size : 0), '\0');
    if (size > 0) WideCharToMultiByte(CP_UTF8, 0, wide, length, out.data(), size, nullptr, nullptr);
    return out;
}

// Strictly decoded (invalid bytes fail the call) UTF-16 of bytes in a code page; false when the
// bytes are not valid there.
bool StrictWide(UINT codePage, std::string_view bytes, std::wstring& wide) {
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(),
                                           int(bytes.size()), nullptr, 0);
    if (length <= 0) return false;
    wide.assign(size_t(length), L'\0');
    return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()),
                               wide.data(), length) == length;
}

// GBK bytes of UTF-16 text, or false when a character has none.
bool GbkOfWide(const wchar_t* wide, int length, std::string& out) {
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0,
                                         nullptr, &usedDefault);
    if (size <= 0 || usedDefault) return false;
    std::string bytes(size_t(size), '\0');
    WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, wide, length, bytes.data(), size, nullptr,
                        &usedDefault);
    if (usedDefault) return false;
    out += bytes;
    return true;
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The code point of a well-formed UTF-8 sequence at bytes (no overlong form, no surrogate, nothing
// past U+10FFFF) and its length; 0 when there is none.
size_t DecodeUtf8(const unsigned char* bytes, size_t left, char32_t& codePoint) {
    const unsigned char lead = bytes[0];
    size_t length;
    unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (left < length || bytes[1] < low || bytes[1] > high) return 0;
    for (size_t i = 1; i < length; ++i) {
        if (!IsContinuation(bytes[i])) return 0;
        codePoint = (codePoint << 6) | (bytes[i] & 0x3F);
    }
    return length;
}

size_t Utf8Skip(const unsigned char* bytes, size_t left) {
    size_t length = 1;
    while (length < left && length < 4 && IsContinuation(bytes[length])) ++length;
    return length;
}

std::string GbkToUtf8Slowly(std::string_view gbk) {
    std::string out;
    const auto* bytes = reinterpret_cast<const unsigned char*>(gbk.data());
    size_t at = 0;
    std::wstring wide;
    while (at < gbk.size()) {
        const unsigned char lead = bytes[at];
        if (lead < 0x80) {
            out.push_back(char(lead));
            ++at;
            continue;
        }
        const size_t length = lead >= 0x81 && lead <= 0xFE ? 2 : 1;
        if (at + length > gbk.size()) {  // a lead byte cut off at the end
            out.push_back('?');
            break;
        }
        if (StrictWide(kGbk, gbk.substr(at, length), wide) && wide.size() == 1 &&
            !IsPrivateUse(wide[0])) {
            out += WideToUtf8(wide.data(), 1);
            at += length;
            continue;
        }
        out.push_back('?');
        const unsigned char trail = length == 2 ? bytes[at + 1] : 0;
        at += length == 2 && trail >= 0x40 && trail <= 0xFE && trail != 0x7F ? 2 : 1;
    }
    return out;
}

std::string Utf8ToGbkSlowly(std::string_view utf8) {
    std::string out;
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
    size_t at = 0;
    while (at < utf8.size()) {
        if (bytes[at] < 0x80) {
            out.push_back(char(bytes[at++]));
            continue;
        }
        const size_t left = utf8.size() - at;
        char32_t codePoint = 0;
        const size_t length = DecodeUtf8(bytes + at, left, codePoint);
        if (length > 0 && codePoint >= 0xE0000 && codePoint <= 0xE007F) {
            at += length;  // a tag character: iconv leaves it out
            continue;
        }
        if (length > 0 && !(codePoint >= 0xE000 && codePoint <= 0xF8FF)) {
            wchar_t wide[2];
            int units = 1;
            if (codePoint < 0x10000) {
                wide[0] = wchar_t(codePoint);
            } else {
                wide[0] = wchar_t(0xD800 + ((codePoint - 0x10000) >> 10));
                wide[1] = wchar_t(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
                units = 2;
            }
            if (GbkOfWide(wide, units, out)) {
                at += length;
                continue;
            }
        }
        out.push_back('?');
        at += Utf8Skip(bytes + at, left);
    }
    return out;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
    std::wstring wide;
    if (gbk.empty()) return {};
    if (StrictWide(kGbk, gbk, wide) && std::none_of(wide.begin(), wide.end(), IsPrivateUse))
        return WideToUtf8(wide.data(), int(wide.size()));
    return GbkToUtf8Slowly(gbk);
}

std::string Utf8ToGbk(std::string_view utf8) {
    if (utf8.empty()) return {};
    std::wstring wide;
    if (StrictWide(CP_UTF8, utf8, wide)) {
        bool plain = true;
        for (size_t i = 0; i < wide.size() && plain; ++i) {
            const wchar_t unit = wide[i];
            // Private use, and the tag characters U+E0000-U+E007F (high surrogate DB40).
            if (IsPrivateUse(unit) || unit == 0xDB40) plain = false;
        }
        std::string out;
        if (plain && GbkOfWide(wide.data(), int(wide.size()), out)) return out;
    }
    return Utf8ToGbkSlowly(utf8);
}

#else

// One converter per direction and thread: iconv descriptors carry state, and opening one per call
// would dominate the cost of reading a column.
class Converter {
  public:
    using SkipLength = size_t (*)(const char* bytes, size_t left);

    Converter(const char* to, const char* from, SkipLength skip)
        : m_handle(iconv_open(to, from)), m_skip(skip) {}
    ~Converter() {
        if (m_handle != reinterpret_cast<iconv_t>(-1)) iconv_close(m_handle);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    std::string Run(std::string_view input) {
        std::string out;
        if (input.empty() || m_handle == reinterpret_cast<iconv_t>(-1)) return out;
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        out.reserve(input.size() * 3 / 2 + 4);
        char* in = const_cast<char*>(input.data());
        size_t inLeft = input.size();
        char buffer[512];
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            size_t result = iconv(m_handle, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, size_t(outPtr - buffer));
            if (result != size_t(-1)) continue;
            if (errno == E2BIG) continue;
            // An invalid byte, or a character cut off at the end: mark it and go on.
            out.push_back('?');
            if (errno == EINVAL) break;
            size_t skip = m_skip(in, inLeft);
            in += skip;
            inLeft -= skip;
        }
        return out;
    }

  private:
    iconv_t m_handle;
    SkipLength m_skip;
};

// How many bytes one unreadable character takes, so that it becomes a single '?'.
size_t GbkSkip(const char* bytes, size_t left) {
    auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead >= 0x81 && lead <= 0xFE && left >= 2) {
        auto trail = static_cast<unsigned char>(bytes[1]);
        if (trail >= 0x40 && trail <= 0xFE && trail != 0x7F) return 2;
    }
    return 1;
}

size_t Utf8Skip(const char* bytes, size_t left) {
    size_t length = 1;
    while (length < left && length < 4 &&
           (static_cast<unsigned char>(bytes[length]) & 0xC0) == 0x80)
        ++length;
    return length;
}

// Frees what calloc gave.
struct FreeWithFree {
    void operator()(void* memory) const { std::free(memory); }
};

// The other encoding's form of every character this thread has converted, so that each is handed
// to iconv once: a list of 100000 names repeats a few hundred characters, a database read the
// same few hundred again and again, and iconv's own loop costs many times a table lookup per
// character. Neither encoding carries state between characters, so a character converted alone
// converts as it does inside any text. The table comes from calloc, as a zeroed entry is an
// unknown one: the system hands out zeroed pages as they are first touched, and a run touches the
// few its characters fall in.
template <size_t kBytes>
class CharacterCache {
  public:
    enum State : unsigned char { kUnknown, kKnown, kUnconvertible };
    struct Entry {
        std::array<char, kBytes> bytes;
        unsigned char length;
        State state;
    };

    explicit CharacterCache(size_t size)
        : m_size(size), m_entries(static_cast<Entry*>(std::calloc(size, sizeof(Entry)))) {}

    // The entry at index when its character has been converted already, else nullptr: the
    // common case, checked before the call that may convert.
    const Entry* Known(size_t index) const {
        if (!m_entries || index >= m_size) return nullptr;
        const Entry& entry = m_entries.get()[index];
        return entry.state == kKnown ? &entry : nullptr;
    }

    // The converted bytes of the character at index, whose own bytes are source; nullptr when
    // iconv cannot convert it alone (or memory ran out for the table).
    const Entry* Lookup(size_t index, std::string_view source, Converter& converter) {
        if (!m_entries || index >= m_size) return nullptr;
        Entry& entry = m_entries.get()[index];
        if (entry.state == kKnown) return &entry;
        if (entry.state == kUnknown) {
            const std::string converted = converter.Run(source);
            // iconv marks what it cannot convert with '?', which no real character here becomes.
            const bool ok = !converted.empty() && converted.size() <= kBytes &&
                            converted.find('?') == std::string::npos;
            if (ok) {
                entry.length = static_cast<unsigned char>(converted.size());
                converted.copy(entry.bytes.data(), converted.size());
            }
            entry.state = ok ? kKnown : kUnconvertible;
        }
        return entry.state == kKnown ? &entry : nullptr;
    }

  private:
    size_t m_size;
    std::unique_ptr<Entry, FreeWithFree> m_entries;
};

constexpr int kGbkTrails = 0xFE - 0x40 + 1;

// Index of a lead and trail byte pair that GbkSkip counts as one character, or -1.
int GbkPairIndex(unsigned char lead, unsigned char trail) {
    if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail > 0xFE || trail == 0x7F) return -1;
    return (lead - 0x81) * kGbkTrails + (trail - 0x40);
}

// The code point of a two- or three-byte UTF-8 sequence that is well formed (no overlong form,
// no surrogate), and its length; 0 for anything else.
size_t DecodeBmp(const unsigned char* bytes, size_t left, char32_t& codePoint) {
    const unsigned char lead = bytes[0];
    if (lead >= 0xC2 && lead <= 0xDF && left >= 2 && (bytes[1] & 0xC0) == 0x80) {
        codePoint = char32_t(lead & 0x1F) << 6 | (bytes[1] & 0x3F);
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF && left >= 3 && (bytes[1] & 0xC0) == 0x80 &&
        (bytes[2] & 0xC0) == 0x80) {
        codePoint =
            char32_t(lead & 0x0F) << 12 | char32_t(bytes[1] & 0x3F) << 6 | (bytes[2] & 0x3F);
        if (codePoint < 0x800 || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return 0;
        return 3;
    }
    return 0;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
    thread_local Converter converter("UTF-8", "GBK", GbkSkip);
    thread_local CharacterCache<4> cache(size_t(0xFE - 0x81 + 1) * kGbkTrails);
    // Written through a pointer into room for the longest result, then cut to size: every GBK
    // character lies in the Basic Multilingual Plane, so its UTF-8 takes at most three bytes for
    // its two. A printed list comes in pieces of 64 KB, whose room the heap then reuses. A
    // character's bytes are copied four at a time, the entry's whole array, and the pointer then
    // moves on by their length: hence the spare byte at the end of the room.
    const char* const bytes = gbk.data();
    const size_t size = gbk.size();
    std::string out(size / 2 * 3 + 2, '\0');
    char* write = out.data();
    for (size_t i = 0; i < size;) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            *write++ = bytes[i++];
            continue;
        }
        const int index =
            i + 1 < size ? GbkPairIndex(lead, static_cast<unsigned char>(bytes[i + 1])) : -1;
        const auto* character = index >= 0 ? cache.Known(size_t(index)) : nullptr;
        if (!character && index >= 0)
            character = cache.Lookup(size_t(index), gbk.substr(i, 2), converter);
        // Anything else, a damaged byte say, takes iconv's path for the whole text, which marks
        // it as it always has.
        if (!character || character->length < 2 || character->length > 3) return converter.Run(gbk);
        std::memcpy(write, character->bytes.data(), character->bytes.size());
        write += character->length;
        i += 2;
    }
    out.resize(static_cast<size_t>(write - out.data()));
    return out;
}

std::string Utf8ToGbk(std::string_view utf8) {
    thread_local Converter converter("GBK", "UTF-8", Utf8Skip);
    thread_local CharacterCache<2> cache(0x10000);
    // No character's GBK is longer than its UTF-8, so the room is the input's size.
    std::string out(utf8.size(), '\0');
    char* write = out.data();
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
    const size_t size = utf8.size();
    for (size_t i = 0; i < size;) {
        if (bytes[i] < 0x80) {
            *write++ = static_cast<char>(bytes[i++]);
            continue;
        }
        char32_t codePoint = 0;
        const size_t length = DecodeBmp(bytes + i, size - i, codePoint);
        const auto* character =
            length > 0 ? cache.Lookup(codePoint, utf8.substr(i, length), converter) : nullptr;
        // Anything else, a character beyond the plane, one GBK lacks or a damaged byte, takes
        // iconv's path for the whole text, which marks it as it always has.
        if (!character) return converter.Run(utf8);
        for (size_t k = 0; k < character->length; ++k) *write++ = character->bytes[k];
        i += length;
    }
    out.resize(static_cast<size_t>(write - out.data()));
    return out;
}

#endif

}  // namespace text
