#pragma once

// What the main window's client area shows.

namespace rolvanta {

enum class DisplayMode {
    TextPages,      // the welcome line, the input summary or the results page
    PassView,       // the passes drawn, one at a time or all together
    ScheduleTable,  // the passes' dimensions as a table
    MillLoads,      // the loads of every pass on the mill: a table and a chart
};

}  // namespace rolvanta
