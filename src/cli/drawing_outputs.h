#pragma once

// The pass drawings and the printed report from the command line, for the
// compute and report commands alike: one DXF file of every pass (--dxf),
// one file per pass ("PASS_02.dxf", ...) in a folder made when missing
// (--dxf-dir), and the report as PDF (--pdf) when the tool is built with Qt.

#include <string>
#include <vector>

#include "engine/project_records.h"
#include "storage/results_report.h"
#include "storage/storage_error.h"

namespace CLI {
class App;
}

namespace rolvanta::cli {

struct DrawingOutputs {
    std::string dxf, dxfDir, pdf;

    bool any() const { return !dxf.empty() || !dxfDir.empty() || !pdf.empty(); }
};

// Writes the report's PDF; null in a tool built without Qt.
using PdfWriter = StorageResult (*)(const std::string& path, const Project& project,
                                    const std::string& fileTitle, const ReportTime& time);

// --dxf and --dxf-dir on command, and --pdf when there is a PDF writer
// (else the command's help says why there is none).
void addDrawingOptions(CLI::App& command, DrawingOutputs& outputs, PdfWriter pdf);

// Writes every output asked for; the failures, in order (none: all written).
// title is the name the PDF's header gives the project.
std::vector<StorageError> writeDrawings(const DrawingOutputs& outputs, const Project& project,
                                        const std::string& title, const ReportTime& time,
                                        PdfWriter pdf);

StorageResult writePassDrawings(const std::string& path, const Project& project);

// Stops at the first file that cannot be written.
StorageResult writePassDrawingFolder(const std::string& folder, const Project& project);

}  // namespace rolvanta::cli
