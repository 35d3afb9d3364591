#pragma once

// The computed design as data for other programs: every pass record with
// every field, under the names the records give them, with units. Text is
// UTF-8; numbers are the shortest decimal that reads back as the same float,
// with "." in any locale.

#include <string>
#include <vector>

#include "engine/project_records.h"

namespace rolvanta::cli {

// One header line ("pass,webArea [mm2],...") and one line per pass record:
// records 0 to passCount - 1, numbered as the user sees them (pass 2 on).
std::string formatPassesCsv(const Project& project);

// {"section": {...}, "passes": [{...}, ...], "warnings": [...]}: the hot
// section ("Pass 1"), the pass records, each key carrying its unit
// ("webArea_mm2"), and the design's warnings as text.
std::string formatDesignJson(const Project& project, const std::vector<std::string>& warnings = {});

}  // namespace rolvanta::cli
