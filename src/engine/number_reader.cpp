#include "engine/number_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace rolvanta {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view cut(std::string_view text, std::size_t maxLength) {
    return text.substr(0, std::min(text.size(), maxLength));
}

std::size_t skipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    return i;
}

// The extent of the leading number of text, which starts at a non-blank:
// an optional sign, digits with at most one decimal point (at least one
// digit), and an exponent only when it has digits. Spelled-out infinities,
// NaNs and hexadecimal numbers are not decimal numbers and are not taken.
std::size_t numberExtent(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) ++j;
            i = j;
        }
    }
    return i;
}

template <typename Number>
Number parse(std::string_view text, std::size_t maxLength) {
    text = cut(text, maxLength);
    text.remove_prefix(skipBlanks(text));
    std::string_view number = text.substr(0, numberExtent(text));
    if (number.empty()) return 0;
    // from_chars takes no leading plus sign; it never consults the locale.
    if (number.front() == '+') number.remove_prefix(1);
    Number value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc() || !std::isfinite(value)) return 0;
    return value;
}

}  // namespace

double readNumber(std::string_view text, std::size_t maxLength) {
    return parse<double>(text, maxLength);
}

float readFloatNumber(std::string_view text, std::size_t maxLength) {
    return parse<float>(text, maxLength);
}

}  // namespace rolvanta
