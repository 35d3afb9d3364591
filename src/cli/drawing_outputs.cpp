#include "cli/drawing_outputs.h"

#include <sys/stat.h>

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstring>

#include "engine/pass_fields.h"
#include "export/dxf_drawing.h"
#include "storage/file_io.h"

namespace rolvanta::cli {

void addDrawingOptions(CLI::App& command, DrawingOutputs& o, PdfWriter pdf) {
    command
        .add_option("--dxf", o.dxf,
                    "Write the pass drawings as DXF, every pass on its own layer, in mm at 1:1")
        ->option_text("FILE.dxf");
    command
        .add_option("--dxf-dir", o.dxfDir,
                    "Write one DXF file per pass (PASS_02.dxf, ...) into this folder, made when "
                    "missing")
        ->option_text("DIR");
    if (pdf != nullptr) {
        command
            .add_option("--pdf", o.pdf,
                        "Write the printed report as PDF: the tables of the passes and their "
                        "drawing")
            ->option_text("FILE.pdf");
    } else {
        command.footer(
            "This rolvanta-cli has no --pdf: the PDF report needs Qt, and the tool was built "
            "without it.");
    }
}

std::vector<StorageError> writeDrawings(const DrawingOutputs& o, const Project& project,
                                        const std::string& title, const ReportTime& time,
                                        PdfWriter pdf) {
    std::vector<StorageError> failures;
    const auto check = [&failures](StorageResult result) {
        if (result) failures.push_back(std::move(*result));
    };
    if (!o.dxf.empty()) check(writePassDrawings(o.dxf, project));
    if (!o.dxfDir.empty()) check(writePassDrawingFolder(o.dxfDir, project));
    if (!o.pdf.empty() && pdf != nullptr) check(pdf(o.pdf, project, title, time));
    return failures;
}

StorageResult writePassDrawings(const std::string& path, const Project& project) {
    return replaceFile(path, formatPassDrawingsDxf(project));
}

StorageResult writePassDrawingFolder(const std::string& folder, const Project& project) {
    if (::mkdir(folder.c_str(), 0777) != 0 && errno != EEXIST) {
        return StorageError{StorageFailure::CannotWrite, folder, std::strerror(errno)};
    }
    for (int position = 0; position < shownPassRecordCount(project.section); ++position) {
        const std::string path = folder + "/" + passLayerName(position) + ".dxf";
        if (StorageResult error = replaceFile(path, formatPassDrawingDxf(project, position))) {
            return error;
        }
    }
    return {};
}

}  // namespace rolvanta::cli
