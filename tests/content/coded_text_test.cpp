#include <gtest/gtest.h>

#include "bench/content/coded_text.h"
#include "frame_bytes.h"

using namespace content;
using contenttest::Bytes;

TEST(ProgramTextBytes, TranslatesBraceCodesBySixteens)
{
    struct Case { const char* text; Bytes bytes; };
    const Case cases[] = {
        {"Hello", {0x48, 0x65, 0x6C, 0x6C, 0x6F}},
        {"{12}", {0x80, 0x1C}},
        {"{16}", {0x81, 0x10}},
        {"{0}", {0x80, 0x10}},
        {"{127}", {0x87, 0x1F}},
        {"{2047}", {0xFF, 0x1F}},
        {"{}", {0x80, 0x10}},
        {"{{A", {0x7B, 0x41}},
        {"a}b", {0x61, 0x7D, 0x62}},
        {"x{12", {0x78}},
        {"a~b", {0x61, 0x7E, 0x62}},
        {"  \t Hi \r\n", {0x48, 0x69}},
        {"", {}},
        // Ten digits fill the buffer; later bytes pass through while the code stays open.
        {"{0000000001AB}", {0x41, 0x42, 0x80, 0x11}},
        // Letters give their low four bits as digits: 'a' (61) counts as 1.
        {"{a}", {0x80, 0x11}},
        {"\xC4\xE3{1}", {0xC4, 0xE3, 0x80, 0x11}},
    };
    for (const Case& c : cases) {
        const CodedText got = ProgramTextBytes(c.text);
        EXPECT_TRUE(got.ok()) << c.text << ": " << got.message;
        EXPECT_EQ(got.bytes, c.bytes) << '"' << c.text << '"';
    }
}

TEST(ProgramTextBytes, RefusesCodesThatAreNoNumberOrDoNotFitTwoBytes)
{
    struct Case { const char* text; CodedText::Error error; const char* message; };
    const Case cases[] = {
        {"{1:}", CodedText::Error::NotInteger, "'1:' is not a valid integer value"},
        {"{J}", CodedText::Error::NotInteger, "':' is not a valid integer value"},
        {"{9999999999}", CodedText::Error::NotInteger, "'9999999999' is not a valid integer value"},
        {"{2048}", CodedText::Error::TooLarge, "Text program: brace code {2048} is too large by 1 (largest 2047)"},
        {"ok {3000} x", CodedText::Error::TooLarge,
         "Text program: brace code {3000} is too large by 953 (largest 2047)"},
    };
    for (const Case& c : cases) {
        const CodedText got = ProgramTextBytes(c.text);
        EXPECT_EQ(got.error, c.error) << c.text;
        EXPECT_EQ(got.message, c.message) << c.text;
        EXPECT_TRUE(got.bytes.empty()) << c.text;
    }
}

TEST(VariableStringBytes, TranslatesBitmapAndColourCodes)
{
    struct Case { const char* text; Bytes bytes; };
    const Case cases[] = {
        {"Hello", {0x48, 0x65, 0x6C, 0x6C, 0x6F}},
        {"{12}AB", {0xFF, 0x0C, 0x41, 0x42}},
        {"[17]x", {0x11, 0x78}},
        {"[[", {0x5B}},
        {"{{", {0x7B}},
        {"{}", {0xFF, 0x00}},
        {"[]", {0x00}},
        {"{126}", {0xFF, 0x7E}},
        {"{255}[255]", {0xFF, 0xFF, 0xFF}},
        {"a]b}c", {0x61, 0x5D, 0x62, 0x7D, 0x63}},
        {"[12", {}},
        {" [1] ", {0x01}},
    };
    for (const Case& c : cases) {
        const CodedText got = VariableStringBytes(c.text);
        EXPECT_TRUE(got.ok()) << c.text << ": " << got.message;
        EXPECT_EQ(got.bytes, c.bytes) << '"' << c.text << '"';
    }
}

TEST(VariableStringBytes, RefusesNumbersBeyondOneByte)
{
    struct Case { const char* text; CodedText::Error error; const char* message; };
    const Case cases[] = {
        {"{256}", CodedText::Error::TooLarge, "Variable string: brace code {256} is too large by 1 (largest 255)"},
        {"[300]", CodedText::Error::TooLarge,
         "Variable string: bracket code [300] is too large by 45 (largest 255)"},
        {"[1=]", CodedText::Error::NotInteger, "'1=' is not a valid integer value"},
        // Inside a brace a bracket is no closer: it adds its low bits (B) as a digit.
        {"{[}", CodedText::Error::NotInteger, "';' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        const CodedText got = VariableStringBytes(c.text);
        EXPECT_EQ(got.error, c.error) << c.text;
        EXPECT_EQ(got.message, c.message) << c.text;
    }
}
