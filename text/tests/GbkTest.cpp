#include <gtest/gtest.h>

#include <cstdint>

#include "text/Gbk.h"

#ifndef _WIN32
#include <iconv.h>
#endif

namespace {

struct RoundTrip {
    const char8_t* utf8;
    const char* gbkBytes;  // hexadecimal bytes of the GBK form
};

std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

TEST(Gbk, ConvertsBothWays) {
    const RoundTrip cases[] = {
        {u8"", ""},       {u8"abc", "616263"},
        {u8"李", "C0EE"}, {u8"禾朗宝宝起名软件", "BACCC0CAB1A6B1A6C6F0C3FBC8EDBCFE"},
        {u8"▽", "A88C"},  {u8"“吉”", "A1B0BCAAA1B1"},
    };
    for (const auto& c : cases) {
        std::string gbk = text::Gbk(c.utf8);
        EXPECT_EQ(Hex(gbk), c.gbkBytes);
        EXPECT_EQ(text::GbkToUtf8(gbk), reinterpret_cast<const char*>(c.utf8));
    }
}

TEST(Gbk, LiteralsOfTheCoreAreGbk) {
    // Core targets compile their narrow literals to GBK; this guards that build setting.
    EXPECT_EQ(std::string("李"), text::Gbk(u8"李"));
}

TEST(Gbk, DamagedInputBecomesQuestionMarks) {
    struct Case {
        const char* input;
        const char* expected;
        const char* what;
    };
    const Case toUtf8[] = {
        {"\xC0", "?", "lead byte cut off at the end"},
        {"a\xFF"
         "b",
         "a?b", "byte that starts no character"},
        {"a\x81"
         "0b",
         "a?0b", "lead byte before a byte that ends no character"},
        {"a\xAA\xA1"
         "b",
         "a?b", "user-defined area: one character, unreadable"},
        {"a\x80"
         "b",
         "a\xE2\x82\xAC"
         "b",
         "the euro sign of code page 936"},
        {"\xC0\xEE\xC0\xEE\xFF\xC0\xEE", reinterpret_cast<const char*>(u8"李李?李"),
         "a damaged byte after characters converted from memory"},
    };
    for (const Case& c : toUtf8) EXPECT_EQ(text::GbkToUtf8(c.input), c.expected) << c.what;
    const Case toGbk[] = {
        {"\xE6\x9D", "?", "truncated UTF-8"},
        {"a\xF0\x9F\x98\x80"
         "b",
         "a?b", "a character GBK lacks, outside the BMP"},
        {"a\xF0\x9F\x98\x80\x80"
         "b",
         "a??b", "the same, then a stray continuation byte"},
        {"a\xEE\x80\x80"
         "b",
         "a?b", "a private-use character"},
        {"a\xE6\x9Dx", "a?x", "a sequence cut short by a plain byte"},
        {"a\xC0\x80"
         "b",
         "a?b", "an overlong form"},
        {"a\xED\xA0\x80"
         "b",
         "a?b", "an encoded surrogate"},
        {"a\xF3\xA0\x80\x81"
         "b",
         "ab", "a tag character, left out"},
        {"\xE2\x82\xAC", "\x80", "the euro sign"},
    };
    for (const Case& c : toGbk) EXPECT_EQ(Hex(text::Utf8ToGbk(c.input)), Hex(c.expected)) << c.what;
}

// Every two-byte sequence and every code point converts exactly as glibc's iconv converts it
// (the program's texts and data were made with it), on every system. The fingerprints are of
// iconv's output.
std::uint64_t Fingerprint(std::uint64_t hash, const std::string& bytes) {
    for (unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ULL;
    return (hash ^ 0x100) * 1099511628211ULL;  // a separator no byte equals
}

std::string Utf8Of(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
    return out;
}

TEST(Gbk, EveryCharacterConvertsAsIconvDoes) {
    std::uint64_t gbk = 14695981039346656037ULL;
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        gbk = Fingerprint(gbk, text::GbkToUtf8(std::string(1, char(lead))));
        for (int trail = 0; trail <= 0xFF; ++trail)
            gbk = Fingerprint(gbk, text::GbkToUtf8(std::string{char(lead), char(trail)}));
    }
    std::uint64_t utf8 = 14695981039346656037ULL;
    for (char32_t c = 0x80; c < 0x110000;
         c += c < 0x30000 || (c >= 0xE0000 && c < 0xE0100) ? 1 : 0x35) {
        if (c >= 0xD800 && c < 0xE000) continue;
        utf8 = Fingerprint(utf8, text::Utf8ToGbk(Utf8Of(c)));
    }
    EXPECT_EQ(gbk, 5198797554904946242ULL);
    EXPECT_EQ(utf8, 12473898533405730388ULL);
}

#ifndef _WIN32
// iconv over the whole text at once, as the conversion always was.
std::string IconvGbkToUtf8(const std::string& gbk) {
    iconv_t handle = iconv_open("UTF-8", "GBK");
    std::string out(gbk.size() * 3 + 4, '\0');
    char* in = const_cast<char*>(gbk.data());
    size_t inLeft = gbk.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    const size_t result = iconv(handle, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(handle);
    if (result == size_t(-1)) return "(unconvertible)";
    out.resize(out.size() - outLeft);
    return out;
}

// Every two-byte character, alone and inside a text, converts exactly as iconv converts it, and
// the second time (from memory) as the first.
TEST(Gbk, EveryTwoByteCharacterConvertsAsIconvDoes) {
    std::string all;
    for (int lead = 0x81; lead <= 0xFE; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string expected = IconvGbkToUtf8(pair);
            if (expected == "(unconvertible)") {
                EXPECT_EQ(text::GbkToUtf8(pair), "?") << Hex(pair);
                continue;
            }
            ASSERT_EQ(text::GbkToUtf8(pair), expected) << Hex(pair);
            ASSERT_EQ(text::GbkToUtf8(pair), expected) << Hex(pair);
            all += pair;
            all += 'a';
        }
    EXPECT_EQ(text::GbkToUtf8(all), IconvGbkToUtf8(all));
}
#endif

}  // namespace
