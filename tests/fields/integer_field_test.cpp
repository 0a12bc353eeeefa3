#include "bench/fields/integer_field.h"

#include <gtest/gtest.h>

#include <string>

using fields::IntegerField;
using fields::LeadingBlanks;
using fields::ParseIntegerField;

namespace {

struct Case {
    const char* text;
    std::optional<long long> value;
};

void ExpectFields(const Case* begin, const Case* end, LeadingBlanks blanks)
{
    for (const Case* c = begin; c != end; ++c) {
        const IntegerField field = ParseIntegerField(c->text, blanks);
        EXPECT_EQ(field.value, c->value) << '"' << c->text << '"';
        if (c->value) {
            EXPECT_EQ(field.error, "") << '"' << c->text << '"';
        } else {
            EXPECT_EQ(field.error, "'" + std::string(c->text) + "' is not a valid integer value");
        }
    }
}

}  // namespace

TEST(IntegerField, AcceptsDecimalNumbersOnly)
{
    const Case cases[] = {
        {"65278", 65278},
        {"0", 0},
        {"-3", -3},
        {"+7", 7},
        {" 12", 12},
        {"\t5", 5},
        {"007", 7},
        {"2147483647", 2147483647LL},
        {"-2147483648", -2147483648LL},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"12a", std::nullopt},
        {"1 2", std::nullopt},
        {"12 ", std::nullopt},
        {"-", std::nullopt},
        {" ", std::nullopt},
        {"+-1", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999", std::nullopt},
        {"0x10", std::nullopt},
        {"16.5", std::nullopt},
    };
    ExpectFields(std::begin(cases), std::end(cases), LeadingBlanks::Skip);
}

TEST(IntegerField, RefusesLeadingBlanksWhenAsked)
{
    const Case cases[] = {
        {"65278", 65278},
        {"+7", 7},
        {"-3", -3},
        {" 1", std::nullopt},
        {"\t1", std::nullopt},
        {"", std::nullopt},
        {"12a", std::nullopt},
        {"99999999999", std::nullopt},
    };
    ExpectFields(std::begin(cases), std::end(cases), LeadingBlanks::Refuse);
}

TEST(IntegerField, MessageNamesTheTextAsTyped)
{
    EXPECT_EQ(fields::NotIntegerMessage(" 1:"), "' 1:' is not a valid integer value");
    EXPECT_EQ(fields::NotIntegerMessage(""), "'' is not a valid integer value");
}
