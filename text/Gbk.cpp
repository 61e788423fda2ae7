#include "text/Gbk.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <array>
#include <cerrno>
#include <memory>
#endif

namespace text {
namespace {

#ifdef _WIN32

std::string Convert(std::string_view input, unsigned fromCodePage, unsigned toCodePage) {
    if (input.empty()) return {};
    int wideLength =
        MultiByteToWideChar(fromCodePage, 0, input.data(), int(input.size()), nullptr, 0);
    if (wideLength <= 0) return {};
    std::wstring wide(size_t(wideLength), L'\0');
    MultiByteToWideChar(fromCodePage, 0, input.data(), int(input.size()), wide.data(), wideLength);
    int outLength =
        WideCharToMultiByte(toCodePage, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (outLength <= 0) return {};
    std::string out(size_t(outLength), '\0');
    WideCharToMultiByte(toCodePage, 0, wide.data(), wideLength, out.data(), outLength, nullptr,
                        nullptr);
    return out;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) { return Convert(gbk, 936, CP_UTF8); }
std::string Utf8ToGbk(std::string_view utf8) { return Convert(utf8, CP_UTF8, 936); }

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

}  // namespace

// The UTF-8 form of every two-byte GBK character this thread has converted, so that each is
// handed to iconv once: a list of 100000 names repeats a few hundred characters, and iconv's own
// loop costs many times a table lookup per character. GBK carries no state between characters,
// so a character converted alone converts as it does inside any text.
class TwoByteCache {
  public:
    static constexpr int kLeads = 0xFE - 0x81 + 1;
    static constexpr int kTrails = 0xFE - 0x40 + 1;

    // Index of a lead and trail byte pair that GbkSkip counts as one character, or -1.
    static int IndexOf(unsigned char lead, unsigned char trail) {
        if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail > 0xFE || trail == 0x7F) return -1;
        return (lead - 0x81) * kTrails + (trail - 0x40);
    }

    // The character's UTF-8 bytes, or an empty view when iconv cannot convert it alone.
    std::string_view Lookup(int index, const char* pair, Converter& converter) {
        Entry& entry = m_entries[static_cast<size_t>(index)];
        if (entry.state == kUnknown) {
            const std::string converted = converter.Run(std::string_view(pair, 2));
            if (converted.size() >= 2 && converted.size() <= entry.bytes.size()) {
                entry.length = static_cast<unsigned char>(converted.size());
                converted.copy(entry.bytes.data(), converted.size());
                entry.state = kKnown;
            } else {
                entry.state = kUnconvertible;
            }
        }
        if (entry.state != kKnown) return {};
        return std::string_view(entry.bytes.data(), entry.length);
    }

  private:
    enum State : unsigned char { kUnknown, kKnown, kUnconvertible };
    struct Entry {
        std::array<char, 4> bytes{};
        unsigned char length = 0;
        State state = kUnknown;
    };
    std::unique_ptr<Entry[]> m_entries = std::make_unique<Entry[]>(kLeads * kTrails);
};

std::string GbkToUtf8(std::string_view gbk) {
    thread_local Converter converter("UTF-8", "GBK", GbkSkip);
    thread_local TwoByteCache cache;
    std::string out;
    out.reserve(gbk.size() * 3 / 2 + 4);
    for (size_t i = 0; i < gbk.size();) {
        const auto lead = static_cast<unsigned char>(gbk[i]);
        if (lead < 0x80) {
            out.push_back(gbk[i]);
            ++i;
            continue;
        }
        const int index = i + 1 < gbk.size()
                              ? TwoByteCache::IndexOf(lead, static_cast<unsigned char>(gbk[i + 1]))
                              : -1;
        const std::string_view character =
            index >= 0 ? cache.Lookup(index, gbk.data() + i, converter) : std::string_view();
        // Anything else, a damaged byte say, takes iconv's path for the whole text, which marks
        // it as it always has.
        if (character.empty()) return converter.Run(gbk);
        out.append(character);
        i += 2;
    }
    return out;
}

std::string Utf8ToGbk(std::string_view utf8) {
    thread_local Converter converter("GBK", "UTF-8", Utf8Skip);
    return converter.Run(utf8);
}

#endif

}  // namespace text
