#include <gtest/gtest.h>

#include <clocale>

#include "dialogs/dialog_fields.h"

namespace rolvanta {
namespace {

TEST(FormatFieldNumber, ThreeDecimalsInFixedNotationWhateverTheLocale) {
    const struct {
        const char* name;
        float value;
        const char* expected;
    } cases[] = {
        {"a whole number", 150.0f, "150.000"},
        {"three decimals kept", 1234.567f, "1234.567"},
        {"rounded to three decimals", 0.0115f, "0.012"},
        {"negative", -1.5f, "-1.500"},
        {"large, never in exponent form", 3e10f, "30000001024.000"},
    };
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_ALL, name)) break;  // a decimal-comma locale, where there is one
    }
    for (const auto& c : cases) EXPECT_EQ(formatFieldNumber(c.value), c.expected) << c.name;
    std::setlocale(LC_ALL, "C");
}

TEST(FormatMassPerLength, KeepsAsManyDecimalsAsTheFieldReadsBack) {
    const struct {
        const char* name;
        float value;
        const char* expected;
    } cases[] = {
        {"junior beam, 7.1 kg/m", 0.0071f, "0.0071000"},
        {"wide flange beam, 145 kg/m", 0.145f, "0.1450000"},
        {"above ten kg/mm", 12.5f, "12.500000"},
        {"never fewer than three decimals", 123456.0f, "123456.000"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatMassPerLength(c.value), c.expected) << c.name;
}

}  // namespace
}  // namespace rolvanta
