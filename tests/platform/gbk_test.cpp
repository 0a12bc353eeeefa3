#include "platform/gbk.h"

#include <gtest/gtest.h>

namespace {

using platform::GbkToUtf8;
using platform::Utf8ToGbk;

struct RoundTrip {
    const char* utf8;
    std::string gbk;
};

TEST(Gbk, ConvertsBothWays)
{
    const RoundTrip cases[] = {
        {"", ""},
        {"Hello 123", "Hello 123"},
        {"\xE4\xB8\xAD\xE6\x96\x87", "\xD6\xD0\xCE\xC4"},  // 中文
        {"A\xE4\xB8\xAD"
         "B",
         "A\xD6\xD0"
         "B"},
        {"\xEF\xBC\x81", "\xA3\xA1"},  // full-width "!"
    };
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.utf8);
        auto gbk = Utf8ToGbk(c.utf8);
        ASSERT_TRUE(gbk.ok()) << gbk.error;
        EXPECT_EQ(gbk.bytes, c.gbk);
        auto back = GbkToUtf8(gbk.bytes);
        ASSERT_TRUE(back.ok()) << back.error;
        EXPECT_EQ(back.bytes, c.utf8);
    }
}

TEST(Gbk, KeepsNulBytes)
{
    const std::string text("a\0b", 3);
    EXPECT_EQ(Utf8ToGbk(text).bytes, text);
    EXPECT_EQ(GbkToUtf8(text).bytes, text);
}

struct Failure {
    const char* name;
    std::string input;
    bool fromUtf8;
    std::vector<std::string> mentions;  // pieces the message must name
};

TEST(Gbk, FailuresNameTheCharacterAndNeverGiveAQuestionMark)
{
    const Failure cases[] = {
        {"emoji",
         "ab\xF0\x9F\x98\x80"
         "c",
         true,
         {"U+1F600", "character 3", "byte 2", "\xF0\x9F\x98\x80"}},
        {"thai after chinese", "\xE4\xB8\xAD\xE0\xB8\x81", true, {"U+0E01", "character 2", "byte 3"}},
        {"bad utf-8 byte", "x\xFFy", true, {"0xFF", "byte 1"}},
        {"cut utf-8", "ok\xE4\xB8", true, {"incomplete", "0xE4 0xB8"}},
        {"bad gbk pair", "A\x81\x20", false, {"0x81 0x20", "byte 1"}},
        {"cut gbk", "AB\xD6", false, {"incomplete", "0xD6", "byte 2"}},
    };
    for (const Failure& c : cases) {
        SCOPED_TRACE(c.name);
        auto result = c.fromUtf8 ? Utf8ToGbk(c.input) : GbkToUtf8(c.input);
        EXPECT_FALSE(result.ok());
        EXPECT_TRUE(result.bytes.empty());
        for (const std::string& piece : c.mentions)
            EXPECT_NE(result.error.find(piece), std::string::npos) << result.error;
    }
}

}  // namespace
