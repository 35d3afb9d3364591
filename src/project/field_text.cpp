#include "project/field_text.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "engine/number_reader.h"

namespace rolvanta {

namespace {

std::string fixedNotation(float value, int decimals) {
    // to_chars, unlike printf, never takes the decimal comma of the user's locale.
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, static_cast<double>(value),
                                      std::chars_format::fixed, decimals);
    return std::string(text, result.ptr);
}

}  // namespace

std::string formatFieldNumber(float value) { return fixedNotation(value, 3); }

std::string formatMassPerLength(float value) {
    constexpr int kFewestDecimals = 3;
    const std::string whole = fixedNotation(value, 0);
    const int room = static_cast<int>(kTypedFieldLength) - static_cast<int>(whole.size()) - 1;
    return fixedNotation(value, std::max(kFewestDecimals, room));
}

float readTypedNumber(std::string_view text) { return readFloatNumber(text, kTypedFieldLength); }

std::string_view storedName(const char (&name)[kNameFieldSize]) {
    const void* end = std::memchr(name, '\0', kNameFieldSize);
    const std::size_t length =
        end ? static_cast<std::size_t>(static_cast<const char*>(end) - name) : kNameFieldSize;
    return std::string_view(name, length);
}

void storeName(char (&name)[kNameFieldSize], std::string_view text) {
    text = text.substr(0, std::min(text.size(), kTypedFieldLength));
    std::memset(name, 0, kNameFieldSize);
    std::memcpy(name, text.data(), text.size());
}

}  // namespace rolvanta
