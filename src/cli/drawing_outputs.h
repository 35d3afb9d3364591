#pragma once

// The pass drawings from the command line: one DXF file of every pass, or
// one file per pass ("PASS_02.dxf", ...) in a folder, which is made when it
// does not exist yet.

#include <string>

#include "engine/project_records.h"
#include "export/export_file.h"

namespace rolvanta::cli {

ExportResult writePassDrawings(const std::string& path, const Project& project);

// Stops at the first file that cannot be written.
ExportResult writePassDrawingFolder(const std::string& folder, const Project& project);

}  // namespace rolvanta::cli
