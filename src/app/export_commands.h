#pragma once

// File > Export: the pass drawings (DXF), the printed report (PDF, or on a
// printer), a picture of the view (PNG) and the schedule (CSV, JSON). Each
// needs a started and computed project: otherwise it says "Please Start New
// Project !" or "Compute the design first" and writes nothing. Each asks for
// a file name, writes the file atomically and reports a failure with the
// path and the reason; the project itself is never changed.

#include <string>

#include "app/session.h"
#include "app/shell.h"

namespace rolvanta {

enum class ExportKind { PassDrawings, ReportPdf, ViewPicture, ScheduleCsv, ScheduleJson };

struct ExportChoice {
    bool accepted = false;  // false: cancelled
    std::string path;       // UTF-8, with the kind's extension
    // Pass drawings only: one file per pass, "<name>-PASS_02.dxf" and so on
    // beside the path chosen, instead of one file of every pass.
    bool onePerPass = false;
};

// What an export needs of the window system beyond the Shell.
class ExportShell {
  public:
    virtual ~ExportShell() = default;

    // The save dialog for one kind of file: its file type (two for the pass
    // drawings: all passes, or one file per pass), the extension appended
    // when the name has none, and the question before a file is replaced.
    virtual ExportChoice showExportDialog(ExportKind kind) = 0;

    // The printed report as a PDF document; empty when it could not be made.
    virtual std::string renderReportPdf(const Project& project, const std::string& title) = 0;

    // What the client area shows (the text page or the pass view), as PNG
    // bytes at the window's device pixel ratio; empty when it could not be
    // made.
    virtual std::string grabViewPicture() = 0;

    // The print dialog, then the printed report. False when printing failed;
    // true when it was done or the dialog was cancelled.
    virtual bool printReport(const Project& project, const std::string& title) = 0;
};

bool isExportCommand(int command);

// Runs one of the Export commands.
void runExportCommand(Session& session, Shell& shell, ExportShell& exports, int command);

}  // namespace rolvanta
