// The printed report's pages as laid out, before any painter sees them.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "export/report_pages.h"
#include "support/example_section.h"
#include "support/golden_file.h"

namespace rolvanta {
namespace {

const ReportTime kTime{5, 3, 2002, 9, 7, 3};

// The pages as laid out, one line per text ("x y text") and per outline
// ("outline red green blue points"): the page numbers, the beam's name and
// the title on every page, the tables of every pass, the design checks, the
// drawing's caption with its scale and each pass in its colour with its
// number, as the text report writes the values. Everything stays inside the
// paper's margins.
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
    for (const auto& c : cases) {
        const Project project = testing::computedProject(c.passCount);
        const ReportPages report = layOutReportPages(project, "mb100.rol", kTime, c.size);
        all += std::string("== ") + c.name + "\n";
        for (std::size_t i = 0; i < report.pages.size(); ++i) {
            all += "-- page " + std::to_string(i + 1) + "\n";
            const Page& page = report.pages[i];
            for (const PageText& text : page.texts) {
                EXPECT_GE(text.at.y, 15.0) << c.name << ": " << text.text;
                EXPECT_LE(text.at.y, c.size.height - 10.0) << c.name << ": " << text.text;
                char at[48];
                std::snprintf(at, sizeof at, "%.1f %.1f ", text.at.x, text.at.y);
                all += at + text.text + "\n";
            }
            for (const PageOutline& outline : page.outlines) {
                for (const PagePoint& p : outline.points) {
                    EXPECT_TRUE(p.x > 15.0 && p.x < c.size.width - 15.0) << c.name;
                    EXPECT_TRUE(p.y > 15.0 && p.y < c.size.height - 15.0) << c.name;
                }
                all += "outline " + std::to_string(outline.colour.red) + " " +
                       std::to_string(outline.colour.green) + " " +
                       std::to_string(outline.colour.blue) + " " +
                       std::to_string(outline.points.size()) + "\n";
            }
        }
    }
    testing::expectGolden("report-pages.txt", all);
}

TEST(ReportPages, StateTheirScaleAsADrawingDoes) {
    EXPECT_EQ(scaleText(1.0), "1:1");
    EXPECT_EQ(scaleText(2.0), "2:1");
    EXPECT_EQ(scaleText(0.4), "1:2.5");
    EXPECT_EQ(scaleText(0.05), "1:20");
}

}  // namespace
}  // namespace rolvanta
