#pragma once

// The Schedule Table as text: one row per pass (Pass 1, then passes 2 to N),
// the pass's dimensions with their units in the column headings, its
// elongation, reduction and total elongation, and its warnings. What a
// front end shows in a read-only table and copies as tab-separated text for
// a spreadsheet. Texts are UTF-8; numbers have "." as the decimal point in
// any locale.

#include <string>
#include <vector>

#include "engine/project_records.h"

namespace rolvanta {

struct ScheduleTable {
    std::vector<std::string> headings;  // "Pass", "Pass Width [mm]", ..., "Warnings"
    struct Row {
        std::vector<std::string> cells;  // one per heading; empty where nothing applies
        bool marked = false;             // the pass has warnings
    };
    std::vector<Row> rows;
    std::string hint;  // without rows: what to do to fill them
};

// The table of a computed project; headings and the hint (the missing step,
// or Compute) while nothing is computed.
ScheduleTable scheduleTable(const Project& project);

// The whole table, headings first, cells separated by tabs, each row ending
// in a line feed.
std::string tabSeparatedText(const ScheduleTable& table);

}  // namespace rolvanta
