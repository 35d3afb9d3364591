#include "app/export_commands.h"

#include <cctype>

#include "app/main_commands.h"
#include "engine/pass_fields.h"
#include "export/dxf_drawing.h"
#include "project/load_checks.h"
#include "resources/command_ids.h"
#include "storage/file_io.h"
#include "storage/schedule_export.h"

namespace rolvanta {
namespace {

// The design's and the loads' warnings, as the command line's JSON carries them.
std::vector<std::string> warningTexts(const Project& project) {
    std::vector<std::string> texts;
    for (const DesignWarning& warning : checkProject(project)) texts.push_back(warning.text);
    return texts;
}

// The project's name in the report's header, as in the window title.
std::string titleOf(const Session& session) {
    return session.fileTitle.empty() ? "no name" : session.fileTitle;
}

// "Cannot write <path>: <reason>".
void showFailure(Shell& shell, const StorageError& error) {
    std::string text = describeStorageError(error);
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    shell.showMessage(
        {text, "Error", MessageButtons::Ok, MessageIcon::Error, MessageOwner::MainWindow});
}

// "beam.dxf" and pass 2 give "beam-PASS_02.dxf".
std::string passFilePath(const std::string& path, int position) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string stem = hasExtension ? path.substr(0, dot) : path;
    return stem + "-" + passLayerName(position) + ".dxf";
}

StorageResult writePassDrawings(const ExportChoice& choice, const Project& project) {
    if (!choice.onePerPass) return replaceFile(choice.path, formatPassDrawingsDxf(project));
    for (int position = 0; position < shownPassRecordCount(project.section); ++position) {
        if (StorageResult error = replaceFile(passFilePath(choice.path, position),
                                              formatPassDrawingDxf(project, position))) {
            return error;
        }
    }
    return std::nullopt;
}

// Made without a file name: the bytes could not be produced at all.
StorageResult writeMade(const std::string& path, const std::string& bytes, const char* what) {
    if (bytes.empty()) {
        return StorageError{StorageFailure::CannotWrite, path,
                            std::string("the ") + what + " could not be made"};
    }
    return replaceFile(path, bytes);
}

ExportKind kindOf(int command) {
    switch (command) {
        case kMenuExportReportPdf:
            return ExportKind::ReportPdf;
        case kMenuExportViewPicture:
            return ExportKind::ViewPicture;
        case kMenuExportScheduleCsv:
            return ExportKind::ScheduleCsv;
        case kMenuExportScheduleJson:
            return ExportKind::ScheduleJson;
        default:
            return ExportKind::PassDrawings;
    }
}

}  // namespace

bool isExportCommand(int command) {
    switch (command) {
        case kMenuExportPassDrawings:
        case kMenuExportReportPdf:
        case kMenuPrint:
        case kMenuExportViewPicture:
        case kMenuExportScheduleCsv:
        case kMenuExportScheduleJson:
            return true;
        default:
            return false;
    }
}

void runExportCommand(Session& session, Shell& shell, ExportShell& exports, int command) {
    if (!passProjectGate(session, shell)) return;
    const Project& project = session.project;
    if (project.flags.computed != 1) {
        shell.showMessage({"Compute the design first", "Note", MessageButtons::Ok,
                           MessageIcon::None, MessageOwner::MainWindow});
        return;
    }
    if (command == kMenuPrint) {
        if (!exports.printReport(project, titleOf(session))) {
            shell.showMessage({"The report could not be printed", "Error", MessageButtons::Ok,
                               MessageIcon::Error, MessageOwner::MainWindow});
        }
        return;
    }
    const ExportKind kind = kindOf(command);
    const ExportChoice choice = exports.showExportDialog(kind);
    if (!choice.accepted) return;
    StorageResult failed;
    switch (kind) {
        case ExportKind::PassDrawings:
            failed = writePassDrawings(choice, project);
            break;
        case ExportKind::ReportPdf:
            failed = writeMade(choice.path, exports.renderReportPdf(project, titleOf(session)),
                               "PDF document");
            break;
        case ExportKind::ViewPicture:
            failed = writeMade(choice.path, exports.grabViewPicture(), "picture");
            break;
        case ExportKind::ScheduleCsv:
            failed = writeScheduleCsv(choice.path, project);
            break;
        case ExportKind::ScheduleJson:
            failed = writeScheduleJson(choice.path, project, warningTexts(project));
            break;
    }
    if (failed) showFailure(shell, *failed);
}

}  // namespace rolvanta
