#include <gtest/gtest.h>

#include "text/Gbk.h"

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
              "a?b");                             // byte that starts no character
    EXPECT_EQ(text::Utf8ToGbk("\xE6\x9D"), "?");  // truncated UTF-8
    EXPECT_EQ(text::Utf8ToGbk("a\xF0\x9F\x98\x80"
                              "b"),
              "a?b");  // a character GBK lacks
}

}  // namespace
