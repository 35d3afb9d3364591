#pragma once

// The report's mill-loads page, for a project with loads: the mill in its
// heading (name, "example" when it is one, steel, entry temperature), the
// loads of every pass in rolling order as a table of the columns a designer
// checks a stand by, the chart of the Mill Loads display, how far the
// numbers hold, and the load warnings. Laid out in the content box the
// report leaves between its header and its foot (millimetres, y down).

#include "engine/project_records.h"
#include "export/report_pages.h"

namespace rolvanta {

struct PageBox {
    double left, top, right, bottom;
};

Page millLoadsPage(const Project& project, const PageBox& box);

}  // namespace rolvanta
