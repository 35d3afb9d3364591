#pragma once

// The printed report on a printer: the same pages as the PDF export, laid
// out for the paper the printer has (A4 or Letter, portrait).

#include <string>

#include "engine/project_records.h"
#include "storage/results_report.h"

class QPrinter;

namespace rolvanta {

// Prints on printer as it is set up (by the print dialog or by a test);
// false when the printer could not be started or a page not added.
bool printReportPages(QPrinter& printer, const Project& project, const std::string& title,
                      const ReportTime& time);

}  // namespace rolvanta
