#include <gtest/gtest.h>

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
    EXPECT_EQ(text::GbkToUtf8("\xC0"), "?");  // lead byte cut off at the end
    EXPECT_EQ(text::GbkToUtf8("a\xFF"
                              "b"),
              "a?b");  // byte that starts no character
    // A damaged byte after characters converted from memory.
    EXPECT_EQ(text::GbkToUtf8("\xC0\xEE\xC0\xEE\xFF\xC0\xEE"),
              reinterpret_cast<const char*>(u8"李李?李"));
    EXPECT_EQ(text::Utf8ToGbk("\xE6\x9D"), "?");  // truncated UTF-8
    EXPECT_EQ(text::Utf8ToGbk("a\xF0\x9F\x98\x80"
                              "b"),
              "a?b");  // a character GBK lacks
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
