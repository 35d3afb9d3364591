// Any text as a design file: the reader takes a whole design or nothing,
// never writes outside the records and lets no NaN or infinity into them;
// what it takes is written back and read again to the same design.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "storage/design_file.h"
#include "taken_project.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rolvanta;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Project project{};
    std::memset(&project.section, 0x41, sizeof project.section);
    std::memset(&project.passes, 0x41, sizeof project.passes);
    const Project before = project;

    if (decodeDesignFile(text, project)) {
        if (!sameProject(project, before)) std::abort();
        return 0;
    }
    abortUnlessSoundlyTaken(project, project.section.passCount);
    Project again = before;
    if (decodeDesignFile(encodeDesignFile(project), again)) std::abort();
    if (encodeDesignFile(again) != encodeDesignFile(project)) std::abort();
    return 0;
}
