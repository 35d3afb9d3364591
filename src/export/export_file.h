#pragma once

// Writing an export: the bytes replace the file atomically (a temporary file
// beside it, then a rename), so a failed export leaves the old file as it
// was. A failure comes back as a value naming the path and the system's
// reason; nothing is shown.

#include <string>
#include <string_view>

namespace rolvanta {

struct ExportResult {
    bool ok = true;
    std::string path;    // the file that could not be written
    std::string reason;  // the system's reason, such as "Permission denied"

    // "cannot write <path>: <reason>".
    std::string message() const;
};

ExportResult writeExportFile(const std::string& path, std::string_view bytes);

// A failure that happened before anything was written (a drawing that could
// not be made, a folder that does not exist).
ExportResult exportFailure(const std::string& path, const std::string& reason);

}  // namespace rolvanta
