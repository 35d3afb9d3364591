// Any text as a mill file: the reader takes a whole mill or nothing, and
// what it takes is written back and read again to the same mill.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "storage/mill_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rolvanta;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Mill mill;
    mill.name = "before";
    const Mill before = mill;
    if (decodeMillFile(text, mill)) {
        if (mill != before) std::abort();
        return 0;
    }
    if (mill.stands.empty() || mill.stands.size() > std::size_t{kMostMillStands}) std::abort();
    Mill again = before;
    if (decodeMillFile(encodeMillFile(mill), again)) std::abort();
    if (again != mill || encodeMillFile(again) != encodeMillFile(mill)) std::abort();
    return 0;
}
