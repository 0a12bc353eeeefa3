#include <gtest/gtest.h>

#include <string>

#include "protocol/frame_layout.h"

using protocol::ShowFrameLayout;

namespace {

const std::string kNone = "7E 01 FE FE 00 04 4E 4F 4E 45 FF FF 7E 00  ";

std::string Comment(const std::string& row) { return "           //------ " + row + "\r\n"; }

int CountLines(const std::string& text)
{
    int n = 0;
    for (std::size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p + 2)) ++n;
    return n;
}

}  // namespace

TEST(ShowFrameLayout, WithoutCommentShowsThePairsOnOneLine)
{
    EXPECT_EQ(ShowFrameLayout(kNone, 0, false, 5), "7E 01 FE FE 00 04 4E 4F 4E 45 FF FF 7E 00 ");
    EXPECT_EQ(ShowFrameLayout("", 3, true, 5), "");
    // The third character of a triple is not examined.
    EXPECT_EQ(ShowFrameLayout("7E-01+", 0, false, 5), "7E 01 ");
}

TEST(ShowFrameLayout, CommentsEachFieldOfAVramFrame)
{
    const std::string vram = "7E 01 FE FE 00 0B 56 52 41 4D 00 05 48 65 6C 6C 6F FF FF 7E 00 ";
    const std::string expected = "7E 01 " + Comment("02 Head") + "FE FE " + Comment("02 Sign ID") + "00 0B " +
                                 Comment("02 Long") + "56 52 41 4D " + Comment("04 Cmd: VROM/VRAM") + "00 " +
                                 Comment("01 Variable ID") + "05 " + Comment("01 Data Length") +
                                 "48 65 6C 6C 6F " + Comment("x  Data") + "FF FF " +
                                 Comment("02 CRC or CheckSum (0xFFFF passby)") + "7E 00 " + Comment("02 End");
    EXPECT_EQ(ShowFrameLayout(vram, 0, true, 5), expected);
}

TEST(ShowFrameLayout, TcntFrameGetsEightCommentsEndingWithEnd)
{
    const std::string tcnt = "7E 01 FE FE 00 08 54 43 4E 54 00 01 02 03 FF FF 7E 00 ";
    const std::string view = ShowFrameLayout(tcnt, 5, true, 5);
    EXPECT_EQ(CountLines(view), 8);
    EXPECT_TRUE(view.ends_with(Comment("02 End")));
}

TEST(ShowFrameLayout, ZeroWidthDataRowEndsTheCommentary)
{
    const std::string vram = "7E 01 FE FE 00 0B 56 52 41 4D 00 05 48 65 6C 6C 6F FF FF 7E 00 ";
    const std::string view = ShowFrameLayout(vram, 0, true, 0);
    EXPECT_EQ(CountLines(view), 6);
    EXPECT_TRUE(view.ends_with(Comment("01 Data Length") + "48 65 6C 6C 6F FF FF 7E 00 "));
}

TEST(ShowFrameLayout, BytesBeyondTheLastRowRunOnUncommented)
{
    std::string longer = "7E 01 FE FE 00 08 54 43 4E 54 00 01 02 03 FF FF 7E 00 ";
    longer += "AA BB ";
    const std::string view = ShowFrameLayout(longer, 5, true, 5);
    EXPECT_TRUE(view.ends_with(Comment("02 End") + "AA BB "));
}

TEST(ShowFrameLayout, TextBeyondTheWorkingBufferIsNotShown)
{
    std::string text;
    for (int i = 0; i < 700; ++i) text += "41 ";
    EXPECT_EQ(ShowFrameLayout(text, 0, false, 5).size(), 682u * 3);
}
