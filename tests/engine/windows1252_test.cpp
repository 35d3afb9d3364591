#include <gtest/gtest.h>

#include "engine/windows1252.h"

namespace rolvanta {
namespace {

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
