#pragma once

// The computed design as data for other programs: the passes the report
// shows, Pass 1 (the hot section) and passes 2 to passCount (records 0 to
// passCount - 2), and the bar that enters the mill (the last record), every
// field under the name the records give it, with its unit; the mill loads of
// each pass when the design has a mill; and the warnings. Text is UTF-8; numbers are the shortest
// decimal that reads back as the same value (float for the records, double for the loads), with "."
// in any locale. Mass per length is in kg/m, as designers read it.

#include <string>
#include <vector>

#include "engine/project_records.h"
#include "storage/storage_error.h"

namespace rolvanta {

// A warning as the tables carry it: the pass it names, as the user numbers
// it (1 for the hot section), and its text ("Pass 9: ...").
struct PassWarning {
    int pass = 0;
    std::string text;
};

// One header line ("pass,webArea [mm2],...") and one line per pass. The
// Pass 1 line holds the hot section's own dimensions and leaves the areas,
// which the section does not hold, empty; it alone holds the mass per
// length. The bar in comes last, its line headed "Bar in". With loads, the
// loads of each pass follow ("stand, entryTemperature [degC], ...": the pass
// that makes the section of the line; none for the bar in). Last, the
// pass's warnings joined with "; ". Cells that hold a comma or a quote are
// quoted.
std::string formatScheduleCsv(const Project& project,
                              const std::vector<PassWarning>& warnings = {});

// {"format": "ROLVANTA Schedule", "version": 1, "section": {...},
//  "passes": [{...}, ...], "barIn": {...}, "warnings": [...]}: the hot
// section ("Pass 1"), the pass records and the bar in, each key carrying its
// unit ("webArea_mm2"), and the warnings as text. With loads, each pass and the section carry
// "loads":
// {"stand", "entryTemperature_C", "exitTemperature_C", "strain",
// "strainRate_per_s", "meanFlowStress_MPa", "contactLength_mm",
// "biteAngle_deg", "force_kN", "forceLow_kN", "torque_kNm", "rollPower_kW",
// "motorPower_kW", "exitSpeed_m_s", "interpass_s", "interpassDrop_K"}; the
// last two are null for the finishing pass (the section's).
std::string formatScheduleJson(const Project& project,
                               const std::vector<PassWarning>& warnings = {});

// Write the text above to path, replacing any file there atomically (a
// device such as /dev/stdout is written in place). On failure the error
// names the path and the system's reason, and the old file is as it was.
StorageResult writeScheduleCsv(const std::string& path, const Project& project,
                               const std::vector<PassWarning>& warnings = {});
StorageResult writeScheduleJson(const std::string& path, const Project& project,
                                const std::vector<PassWarning>& warnings = {});

}  // namespace rolvanta
