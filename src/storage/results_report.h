#pragma once

// The results report (".txt"): the section required at rolling temperature
// ("Pass 1") and one block per pass shown to the user (records 0 to
// passCount - 2), Windows-1252 text with CR LF line ends, numbers in the
// shortest of six significant digits with "." as decimal point whatever the
// locale.

#include <string>

#include "engine/project_records.h"
#include "storage/file_io.h"
#include "storage/storage_error.h"

namespace rolvanta {

// The moment the report was written, as the header prints it.
using ReportTime = LocalTime;

// The local time now (the moment written is taken before the file is opened).
ReportTime currentReportTime();

// The whole report text. title is the project's file name (UTF-8); it is
// written in Windows-1252.
std::string formatResultsReport(const Project& project, const std::string& title,
                                const ReportTime& time);

// Writes the report at path without ever destroying the previous file; on
// failure any old file is as it was.
StorageResult writeResultsReport(const std::string& path, const std::string& title,
                                 const Project& project, const ReportTime& time);

}  // namespace rolvanta
