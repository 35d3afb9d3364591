#include "cli/drawing_outputs.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "export/dxf_drawing.h"

namespace rolvanta::cli {

ExportResult writePassDrawings(const std::string& path, const Project& project) {
    return writeExportFile(path, formatPassDrawingsDxf(project));
}

ExportResult writePassDrawingFolder(const std::string& folder, const Project& project) {
    if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
        return exportFailure(folder, std::strerror(errno));
    }
    for (int position = 0; position < drawnPassCount(project.section); ++position) {
        const std::string path = folder + "/" + passLayerName(position) + ".dxf";
        const ExportResult written = writeExportFile(path, formatPassDrawingDxf(project, position));
        if (!written.ok) return written;
    }
    return {};
}

}  // namespace rolvanta::cli
