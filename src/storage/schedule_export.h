#pragma once

// The computed design as data for other programs: the passes the report
// shows, Pass 1 (the hot section) and passes 2 to passCount (records 0 to
// passCount - 2), every field under the name the records give it, with its
// unit. Text is UTF-8; numbers are the shortest decimal that reads back as
// the same float, with "." in any locale.

#include <string>
#include <vector>

#include "engine/project_records.h"
#include "storage/storage_error.h"

namespace rolvanta {

// One header line ("pass,webArea [mm2],...") and one line per pass. The
// Pass 1 line holds the hot section's own dimensions and leaves the areas,
// which the section does not hold, empty.
std::string formatScheduleCsv(const Project& project);

// {"section": {...}, "passes": [{...}, ...], "warnings": [...]}: the hot
// section ("Pass 1"), the pass records, each key carrying its unit
// ("webArea_mm2"), and the design's warnings as text.
std::string formatScheduleJson(const Project& project,
                               const std::vector<std::string>& warnings = {});

// Write the text above to path, replacing any file there atomically (a
// device such as /dev/stdout is written in place). On failure the error
// names the path and the system's reason, and the old file is as it was.
StorageResult writeScheduleCsv(const std::string& path, const Project& project);
StorageResult writeScheduleJson(const std::string& path, const Project& project,
                                const std::vector<std::string>& warnings = {});

}  // namespace rolvanta
