#include <gtest/gtest.h>

#include "bench/content/markup.h"

using namespace content;

TEST(Markup, TimeFieldsByDateEntry)
{
    const char* fields[] = {"20[DY]-[Dl]-[Dd]",    "20[DY]/[Dl]/[Dd]",   "20[DY]年[Dl]月[Dd]日", "[DHH]:[DMM]:[DSS]",
                            "[DH]:[DM]:[DS]",      "[DH]时[DM]分[DS]秒", "[DW]"};
    ASSERT_EQ(DateEntries().size(), 7u);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(TimeFieldMarkup(i), fields[i]) << i;
    EXPECT_EQ(TimeFieldMarkup(-1), "[DH]:[DM]:[DS]");
}

TEST(Markup, ColourCodesDifferBetweenProgramsAndVariables)
{
    struct Case { int position; const char* program; const char* variable; };
    const Case cases[] = {
        {0, "[FC0]", "[17]"}, {1, "[FC1]", "[17]"}, {2, "[FC2]", "[18]"},   {3, "[FC3]", "[19]"},
        {4, "[FC7]", "[23]"}, {5, "[FC8]", "[24]"}, {6, "[FC9]", "[25]"},   {7, "[FC13]", "[29]"},
        {-1, "[FC13]", "[29]"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProgramColourMarkup(c.position), c.program) << c.position;
        EXPECT_EQ(VariableColourMarkup(c.position), c.variable) << c.position;
    }
}

TEST(Markup, NumberedPieces)
{
    EXPECT_EQ(RamVariableMarkup(3), "[Cv3]");
    EXPECT_EQ(FlashVariableMarkup(12), "[CV12]");
    EXPECT_EQ(IconMarkup(127), "{127}");
    EXPECT_EQ(CharBitmapMarkup(12), "{12}");
}
