#pragma once

// The pass drawings and the printed report from the command line, for the
// compute and report commands alike: one DXF file of every pass (--dxf),
// one file per pass ("PASS_02.dxf", ...) written as one set into a folder
// made when missing (--dxf-dir), and the report as PDF (--pdf) when the
// tool is built with Qt. "-" for --dxf or --pdf is standard output; a
// folder cannot be, so --dxf-dir refuses it.

#include <optional>
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

// The report's PDF document; empty when it could not be made. Null in a
// tool built without Qt.
using PdfRenderer = std::string (*)(const Project& project, const std::string& fileTitle,
                                    const ReportTime& time);

// --dxf and --dxf-dir on command, and --pdf when there is a PDF renderer
// (else the command's help says why there is none).
void addDrawingOptions(CLI::App& command, DrawingOutputs& outputs, PdfRenderer pdf);

// The usage error of outputs that cannot be written as given: a folder
// named "-".
std::optional<std::string> refusedDrawingOutputs(const DrawingOutputs& outputs);

// Writes every output asked for; the failures, in order (none: all written).
// title is the name the PDF's header gives the project.
std::vector<StorageError> writeDrawings(const DrawingOutputs& outputs, const Project& project,
                                        const std::string& title, const ReportTime& time,
                                        PdfRenderer pdf);

}  // namespace rolvanta::cli
