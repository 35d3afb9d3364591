#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "engine/number_reader.h"
#include "engine/windows1252.h"

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
    // The same under the user's decimal comma (Qt sets the process locale
    // from the environment, as here).
    for (const char* locale : {"C", "de_DE.UTF-8"}) {
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr)
            << locale << " is missing (scripts/install-deps makes it)";
        for (const auto& c : cases) {
            EXPECT_DOUBLE_EQ(readNumber(c.text, c.maxLength), c.expected)
                << c.name << ", " << locale;
        }
        EXPECT_TRUE(readFloatNumber("1e39") == 0 && readFloatNumber("-1e999") == 0 &&
                    readFloatNumber("3e38") == 3e38f && readFloatNumber("1234.567", 9) == 1234.567f)
            << "a float, zero beyond its range";
    }
    std::setlocale(LC_ALL, "C");
}

TEST(Windows1252, ConvertsTheCodePageAndQuestionMarksTheRest) {
    const struct {
        const char* name;
        const char* utf8;
        const char* windows1252;
        bool bothWays;
    } cases[] = {
        {"degrees", "90\u00B0", "90\xB0", true},
        {"square millimetres", "mm\u00B2", "mm\xB2", true},
        {"ordinal", "\u00BA", "\xBA", true},
        {"euro, where the code page is not Latin-1", "\u20AC", "\x80", true},
        {"Cyrillic", "\u0416B 1", "?B 1", false},
        {"outside the basic plane", "\U0001F600", "?", false},
        {"not UTF-8", "\xFF\xC3", "??", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(windows1252FromUtf8(c.utf8), c.windows1252) << c.name;
        if (c.bothWays) {
            EXPECT_EQ(utf8FromWindows1252(c.windows1252), c.utf8) << c.name;
        }
    }
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(windows1252FromUtf8(utf8FromWindows1252(all)), all) << "every byte round trips";
}

}  // namespace
}  // namespace rolvanta
