// Any text as a typed number: the readers stay inside the text and give a
// finite number in range.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/number_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rolvanta;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (std::size_t maxLength : {std::size_t{9}, std::size_t{99}, kUnlimitedLength}) {
        if (!std::isfinite(readNumber(text, maxLength))) std::abort();
        if (!std::isfinite(readFloatNumber(text, maxLength))) std::abort();
    }
    return 0;
}
