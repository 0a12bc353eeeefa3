#include "bench/fields/sign_id.h"

#include <gtest/gtest.h>

#include <string>

TEST(SignId, TwoBytesOrTheConversionBox)
{
    struct Case {
        const char* text;
        std::optional<std::uint16_t> id;
        const char* error;
    };
    const Case cases[] = {
        {"0", 0, ""},
        {"65278", 0xFEFE, ""},
        {"65535", 0xFFFF, ""},
        {" 12", 12, ""},
        {"+7", 7, ""},
        // Beyond two bytes: refused like no number, not cut to 0 or 65535.
        {"65536", std::nullopt, "'65536' is not a valid integer value"},
        {"-1", std::nullopt, "'-1' is not a valid integer value"},
        {"2147483647", std::nullopt, "'2147483647' is not a valid integer value"},
        // No number at all.
        {"", std::nullopt, "'' is not a valid integer value"},
        {"1 ", std::nullopt, "'1 ' is not a valid integer value"},
        {"99999999999", std::nullopt, "'99999999999' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        const fields::SignIdField field = fields::ParseSignId(c.text);
        EXPECT_EQ(field.value, c.id) << '"' << c.text << '"';
        EXPECT_EQ(field.error, c.error) << '"' << c.text << '"';
    }
}
