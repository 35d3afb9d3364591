#include <gtest/gtest.h>

#include "engine/windows1252.h"

namespace rolvanta {
namespace {

TEST(Windows1252, DecodesTheProgramsSigns) {
    EXPECT_EQ(utf8FromWindows1252("\xB0"), "\u00B0");
    EXPECT_EQ(utf8FromWindows1252("mm\xB2"), "mm\u00B2");
    EXPECT_EQ(utf8FromWindows1252("\xBA"
                                  "C"),
              "\u00BA"
              "C");
    EXPECT_EQ(utf8FromWindows1252("\x80"), "\u20AC");
    EXPECT_EQ(utf8FromWindows1252("MB 100"), "MB 100");
}

TEST(Windows1252, EncodesWhatTheCodePageHoldsAndQuestionMarksTheRest) {
    EXPECT_EQ(windows1252FromUtf8("\u00B0C"),
              "\xB0"
              "C");
    EXPECT_EQ(windows1252FromUtf8("\u20AC"), "\x80");
    EXPECT_EQ(windows1252FromUtf8("\u0416B 1"), "?B 1") << "Cyrillic";
    EXPECT_EQ(windows1252FromUtf8("\U0001F600"), "?") << "outside the basic plane";
    EXPECT_EQ(windows1252FromUtf8("\xFF\xC3"), "??") << "not UTF-8";
}

TEST(Windows1252, RoundTripsEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(windows1252FromUtf8(utf8FromWindows1252(all)), all);
}

}  // namespace
}  // namespace rolvanta
