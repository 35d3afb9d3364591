#pragma once

// The printed report as PDF from the command line, on Qt's offscreen
// platform so that no display is needed. Built only with Qt.

#include <string>

#include "engine/project_records.h"
#include "storage/results_report.h"

namespace rolvanta::cli {

// The report's PDF document; empty when it could not be made.
std::string reportPdf(const Project& project, const std::string& fileTitle, const ReportTime& time);

}  // namespace rolvanta::cli
