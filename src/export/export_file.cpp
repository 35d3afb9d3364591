#include "export/export_file.h"

#include <cerrno>
#include <cstring>

#include "storage/file_io.h"

namespace rolvanta {

std::string ExportResult::message() const { return "cannot write " + path + ": " + reason; }

ExportResult writeExportFile(const std::string& path, std::string_view bytes) {
    errno = 0;
    if (replaceFile(path, bytes)) return {};
    // replaceFile stops at the first call that fails, so errno still names it.
    const int error = errno;
    return exportFailure(path, error != 0 ? std::strerror(error) : "the file could not be written");
}

ExportResult exportFailure(const std::string& path, const std::string& reason) {
    return {false, path, reason};
}

}  // namespace rolvanta
