// Any bytes as a project file: the reader takes exactly one whole project or
// nothing, never writes outside the records, and lets no NaN or infinity
// into them; what it takes is written back byte for byte.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "storage/project_file.h"
#include "taken_project.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace rolvanta;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Project project{};
    std::memset(&project.section, 0x41, sizeof project.section);
    std::memset(&project.passes, 0x41, sizeof project.passes);
    project.flags.computed = true;
    const Project before = project;

    if (!decodeProjectFile(bytes, project)) {
        if (!sameProject(project, before)) std::abort();
        return 0;
    }
    abortUnlessSoundlyTaken(project, kPassTableSize);
    // A file the reader took reads back the same once written again.
    Project again = before;
    if (!decodeProjectFile(encodeProjectFile(project), again)) std::abort();
    if (encodeProjectFile(again) != encodeProjectFile(project)) std::abort();
    return 0;
}
