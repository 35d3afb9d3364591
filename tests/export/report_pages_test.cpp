// The printed report's pages as laid out, before any painter sees them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "export/report_pages.h"
#include "support/example_section.h"
#include "support/golden_file.h"

namespace rolvanta {
namespace {

const ReportTime kTime{5, 3, 2002, 9, 7, 3};

// The pages as laid out, one line per text ("x y text") and per outline
// ("outline red green blue points, left top right bottom"): the page
// numbers, the beam's name and the title on every page, the tables of every
// pass, the design checks, the drawing's caption with its scale and each pass
// in its colour with its number, as the text report writes the values, all
// inside the paper's margins (15 mm at the sides and the top, 10 mm below).
TEST(ReportPages, PagesEqualTheGoldenFile) {
    const struct {
        const char* name;
        int passCount;
        PageSize size;
    } cases[] = {
        {"5 passes on A4", 5, kA4Portrait},
        {"13 passes on A4: the design checks on a page of their own", 13, kA4Portrait},
        {"13 passes on Letter", 13, kLetterPortrait},
        {"15 passes need a second table page", 15, kA4Portrait},
    };
    std::string all;
    char line[96];
    for (const auto& c : cases) {
        const Project project = testing::computedProject(c.passCount);
        const ReportPages report = layOutReportPages(project, "mb100.rol", kTime, c.size);
        all += std::string("== ") + c.name + "\n";
        for (std::size_t i = 0; i < report.pages.size(); ++i) {
            all += "-- page " + std::to_string(i + 1) + "\n";
            for (const PageText& text : report.pages[i].texts) {
                std::snprintf(line, sizeof line, "%.1f %.1f ", text.at.x, text.at.y);
                all += line + text.text + "\n";
            }
            for (const PageOutline& outline : report.pages[i].outlines) {
                PagePoint low = outline.points.at(0), high = low;
                for (const PagePoint& p : outline.points) {
                    low = {std::min(low.x, p.x), std::min(low.y, p.y)};
                    high = {std::max(high.x, p.x), std::max(high.y, p.y)};
                }
                std::snprintf(line, sizeof line, "outline %d %d %d %zu, %.1f %.1f %.1f %.1f\n",
                              outline.colour.red, outline.colour.green, outline.colour.blue,
                              outline.points.size(), low.x, low.y, high.x, high.y);
                all += line;
            }
        }
    }
    // Scales as a drawing states them, whole or not, enlarged or not.
    for (double scale : {1.0, 2.0, 0.4, 0.05}) all += "scale " + scaleText(scale) + "\n";
    testing::expectGolden("report-pages.txt", all);
}

}  // namespace
}  // namespace rolvanta
