#include "cli/drawing_outputs.h"

#include <CLI/CLI.hpp>

#include "cli/command_line.h"
#include "cli/output_file.h"
#include "export/dxf_drawing.h"
#include "export/pass_drawing_set.h"
#include "storage/file_io.h"

namespace rolvanta::cli {

void addDrawingOptions(CLI::App& command, DrawingOutputs& o, PdfRenderer pdf) {
    addValueOption(command, "--dxf", o.dxf,
                   "Write the pass drawings as DXF, every pass on its own layer, in mm at 1:1 "
                   "(- for standard output)",
                   "FILE.dxf");
    addValueOption(command, "--dxf-dir", o.dxfDir,
                   "Write one DXF file per pass (PASS_02.dxf, ...) into this folder, made when "
                   "missing; all of them or none",
                   "DIR");
    if (pdf != nullptr) {
        addValueOption(command, "--pdf", o.pdf,
                       "Write the printed report as PDF: the tables of the passes and their "
                       "drawing (- for standard output)",
                       "FILE.pdf");
    } else {
        command.footer(
            "This rolvanta-cli has no --pdf: the PDF report needs Qt, and the tool was built "
            "without it.");
    }
}

std::optional<std::string> refusedDrawingOutputs(const DrawingOutputs& o) {
    if (o.dxfDir == kStandardOutput) {
        return "--dxf-dir: \"-\" is not accepted: a folder, which standard output cannot be "
               "(./- names a folder called -)";
    }
    return std::nullopt;
}

std::vector<StorageError> writeDrawings(const DrawingOutputs& o, const Project& project,
                                        const std::string& title, const ReportTime& time,
                                        PdfRenderer pdf) {
    std::vector<StorageError> failures;
    const auto check = [&failures](StorageResult result) {
        if (result) failures.push_back(std::move(*result));
    };
    if (!o.dxf.empty()) check(writeOutput(o.dxf, formatPassDrawingsDxf(project)));
    if (!o.dxfDir.empty()) check(writeFileSet(o.dxfDir, passDrawingSet(project, "")));
    if (!o.pdf.empty() && pdf != nullptr) {
        const std::string document = pdf(project, title, time);
        check(document.empty() ? StorageResult(StorageError{StorageFailure::CannotWrite, o.pdf,
                                                            "the PDF document could not be made"})
                               : writeOutput(o.pdf, document));
    }
    return failures;
}

}  // namespace rolvanta::cli
