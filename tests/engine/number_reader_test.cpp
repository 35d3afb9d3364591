#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "engine/number_reader.h"

namespace rolvanta {
namespace {

TEST(ReadNumber, NamedCases) {
    const struct {
        const char* name;
        const char* text;
        std::size_t maxLength;
        double expected;
    } cases[] = {
        {"plain", "1.5", kUnlimitedLength, 1.5},
        {"leading blanks", "  \t 42", kUnlimitedLength, 42.0},
        {"longest leading number", "12.5mm", kUnlimitedLength, 12.5},
        {"comma ends the number", "1,5", kUnlimitedLength, 1.0},
        {"exponent", "1.25e2", kUnlimitedLength, 125.0},
        {"exponent without digits is not taken", "3e", kUnlimitedLength, 3.0},
        {"signs", "-0.5", kUnlimitedLength, -0.5},
        {"plus sign", "+7", kUnlimitedLength, 7.0},
        {"leading point", ".25", kUnlimitedLength, 0.25},
        {"trailing point", "4.", kUnlimitedLength, 4.0},
        {"empty", "", kUnlimitedLength, 0.0},
        {"word", "abc", kUnlimitedLength, 0.0},
        {"lone sign", "-", kUnlimitedLength, 0.0},
        {"lone point", ".", kUnlimitedLength, 0.0},
        {"nan", "nan", kUnlimitedLength, 0.0},
        {"infinity", "inf", kUnlimitedLength, 0.0},
        {"spelled infinity", "-Infinity", kUnlimitedLength, 0.0},
        {"hexadecimal", "0x1A", kUnlimitedLength, 0.0},
        {"beyond double range", "1e999", kUnlimitedLength, 0.0},
        {"cut to nine characters", "1234.5678999", 9, 1234.5678},
        {"cut before the number", "         5", 9, 0.0},
        {"cut inside the exponent", "12345678e3", 9, 12345678.0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(readNumber(c.text, c.maxLength), c.expected) << c.name;
    }
}

TEST(ReadFloatNumber, BeyondFloatRangeReadsAsZero) {
    EXPECT_EQ(readFloatNumber("1e39"), 0.0f);
    EXPECT_EQ(readFloatNumber("-1e999"), 0.0f);
    EXPECT_EQ(readFloatNumber("3e38"), 3e38f);
    EXPECT_EQ(readFloatNumber("1234.567", 9), 1234.567f);
}

TEST(ReadNumber, IgnoresTheUsersLocale) {
    const char* const germanLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE"};
    const char* chosen = nullptr;
    for (const char* name : germanLocales) {
        if (std::setlocale(LC_ALL, name)) {
            chosen = name;
            break;
        }
    }
    // Whether or not a decimal-comma locale is installed here, the reader
    // must take "1.5" as one and a half.
    EXPECT_DOUBLE_EQ(readNumber("1.5"), 1.5) << (chosen ? chosen : "C locale");
    EXPECT_EQ(readFloatNumber("2.25"), 2.25f);
    std::setlocale(LC_ALL, "C");
}

TEST(LeadingNumberLength, CountsBlanksAndTheNumber) {
    EXPECT_EQ(leadingNumberLength("  1.5 2"), 5u);
    EXPECT_EQ(leadingNumberLength("x1"), 0u);
    EXPECT_EQ(leadingNumberLength("-"), 0u);
}

TEST(ReadUnsignedNumber, NamedCases) {
    const struct {
        const char* name;
        const char* text;
        unsigned long expected;
    } cases[] = {
        {"plain", "9", 9},
        {"leading blanks", "  13", 13},
        {"stops at a non-digit", "12abc", 12},
        {"minus sign", "-3", 0},
        {"empty", "", 0},
        {"letters", "abc", 0},
        {"saturates", "99999999999999999999", 4294967295ul},
    };
    for (const auto& c : cases) EXPECT_EQ(readUnsignedNumber(c.text), c.expected) << c.name;
}

}  // namespace
}  // namespace rolvanta
