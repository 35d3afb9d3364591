#pragma once

// A number in fixed notation, as the tables and the warnings show it.

#include <charconv>
#include <string>
#include <system_error>

namespace rolvanta {

// value with the given decimals and "." as decimal point in any locale;
// never "-0.00"; "?" for a value too long to write.
inline std::string fixedNumber(double value, int decimals) {
    char digits[64];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) return "?";
    std::string text(digits, result.ptr);
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

}  // namespace rolvanta
