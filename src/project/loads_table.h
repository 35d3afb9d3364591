#pragma once

// The Mill Loads as text: one row per pass in rolling order (Pass N, the
// first pass of the mill, to Pass 1, the finishing pass), what the stand
// carries in that pass with its units in the column headings, and the
// pass's load warnings. Laid out like the Schedule Table (a read-only table
// on screen, tab-separated text for a spreadsheet) and read by the PDF's
// mill-loads page. Texts are UTF-8; numbers have "." as the decimal point in
// any locale, with fixed decimals per quantity.

#include <string>
#include <vector>

#include "engine/project_records.h"
#include "project/design_checks.h"
#include "project/schedule_table.h"

namespace rolvanta {

// The columns in the table's order.
enum class LoadsColumn {
    Pass,
    Stand,
    Diameter,
    Speed,
    TemperatureIn,
    TemperatureOut,
    Strain,
    StrainRate,
    MeanFlowStress,
    ContactLength,
    BiteAngle,
    BiteLimit,
    Force,
    ForceLow,
    Torque,
    RollPower,
    MotorPower,
    ForceUse,
    TorqueUse,
    MotorUse,
    ExitSpeed,
    Interpass,
    InterpassDrop,
    Warnings,
};
constexpr int kLoadsColumnCount = 24;

// "Pass", "Stand", "Diameter [mm]", ..., "Force [kN]", "Torque [kN·m]", ...
std::string loadsColumnHeading(LoadsColumn column);

// The table of the project's loads, the warnings of each pass in its
// Warnings cell and its row marked: headings only while there are no
// loads. The warnings are the load checks' (project/load_checks.h); the
// design checks stay in the Schedule Table.
ScheduleTable loadsTable(const Project& project);
// The same with the warnings given.
ScheduleTable loadsTable(const Project& project, const std::vector<DesignWarning>& warnings);

// The cell of a row in a column.
inline const std::string& loadsCell(const ScheduleTable::Row& row, LoadsColumn column) {
    return row.cells[static_cast<std::size_t>(column)];
}

// The mill in one line, for the display's and the page's heading:
// "Mill: Example mill (example) · Steel: Shida, 0.20 % C · Entry 1150 °C".
std::string millHeading(const Mill& mill);

// What the Mill Loads display shows in place of the table, empty when there
// are loads: without a mill, "Give the mill first (Inputs › Mill; Example
// Mill fills one)"; with a mill but nothing computed, what Compute still
// needs or "Compute the schedule (Solve › Compute)".
std::string millLoadsHint(const Project& project);

// How far the loads hold, in one line beneath the table and on the page.
extern const char* const kLoadsAccuracyNote;

}  // namespace rolvanta
