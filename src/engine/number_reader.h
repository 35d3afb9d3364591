#pragma once

// Reading numbers the user typed, the same way everywhere (dialogs,
// coefficient lists, the command-line tool): the text is cut to maxLength
// characters, leading blanks are skipped, and the longest leading decimal
// number is taken; anything else reads as 0. A decimal point is always "."
// whatever the user's locale. Text that is not a finite decimal number
// ("nan", "inf", or beyond the range of the result type) reads as 0.

#include <cstddef>
#include <limits>
#include <string_view>

namespace rolvanta {

constexpr std::size_t kUnlimitedLength = std::numeric_limits<std::size_t>::max();

double readNumber(std::string_view text, std::size_t maxLength = kUnlimitedLength);

// As readNumber, for a value that is stored as a single-precision float: a
// number beyond the float range reads as 0.
float readFloatNumber(std::string_view text, std::size_t maxLength = kUnlimitedLength);

}  // namespace rolvanta
