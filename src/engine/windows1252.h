#pragma once

// The program's text is single-byte Windows-1252 (° is 0xB0, ² 0xB2, º 0xBA);
// the world outside (Qt, terminals, JSON) speaks UTF-8. These convert between
// the two.

#include <string>
#include <string_view>

namespace rolvanta {

// Windows-1252 bytes as UTF-8. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 controls of the same value.
std::string utf8FromWindows1252(std::string_view text);

// True for a byte that stands for a visible character or the blank: not a
// control, not one of the five bytes the code page leaves undefined.
bool isPrintableWindows1252(unsigned char byte);

// UTF-8 text as Windows-1252 bytes; a character the code page cannot hold,
// and a byte that is not valid UTF-8, becomes "?".
std::string windows1252FromUtf8(std::string_view text);

}  // namespace rolvanta
