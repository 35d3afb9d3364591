// The printed report's pages as laid out, before any painter sees them.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "display/pass_colours.h"
#include "export/report_pages.h"
#include "support/example_section.h"

namespace rolvanta {
namespace {

const ReportTime kTime{5, 3, 2002, 9, 7, 3};

std::vector<std::string> textsOf(const Page& page) {
    std::vector<std::string> texts;
    for (const PageText& text : page.texts) texts.push_back(text.text);
    return texts;
}

bool holds(const Page& page, const std::string& text) {
    const auto texts = textsOf(page);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(ReportPages, PutTheTablesThenTheDrawingOnNumberedPages) {
    const struct {
        const char* name;
        int passCount;
        PageSize size;
        std::size_t pages;
    } cases[] = {
        {"5 passes on A4", 5, kA4Portrait, 2},
        {"13 passes on A4: the design checks on a page of their own", 13, kA4Portrait, 3},
        {"13 passes on Letter", 13, kLetterPortrait, 3},
        {"15 passes need a second table page", 15, kA4Portrait, 4},
    };
    for (const auto& c : cases) {
        const Project project = testing::computedProject(c.passCount);
        const ReportPages report = layOutReportPages(project, "mb100.rol", kTime, c.size);
        ASSERT_EQ(report.pages.size(), c.pages) << c.name;
        const int passes = std::min(c.passCount, kPassTableSize) - 1;
        int outlines = 0;
        for (std::size_t i = 0; i < report.pages.size(); ++i) {
            const Page& page = report.pages[i];
            const std::string number =
                "Page " + std::to_string(i + 1) + " of " + std::to_string(report.pages.size());
            EXPECT_TRUE(holds(page, number)) << c.name << ": " << number;
            EXPECT_TRUE(holds(page, "Beam Name: MB 100")) << c.name;
            EXPECT_TRUE(holds(page, "Results Of Project - mb100.rol")) << c.name;
            outlines += static_cast<int>(page.outlines.size());
            // Everything stays inside the paper's margins.
            for (const PageText& text : page.texts) {
                EXPECT_GE(text.at.y, 15.0) << c.name << ": " << text.text;
                EXPECT_LE(text.at.y, c.size.height - 10.0) << c.name << ": " << text.text;
            }
            for (const PageOutline& outline : page.outlines) {
                for (const PagePoint& p : outline.points) {
                    EXPECT_TRUE(p.x > 15.0 && p.x < c.size.width - 15.0) << c.name;
                    EXPECT_TRUE(p.y > 15.0 && p.y < c.size.height - 15.0) << c.name;
                }
            }
        }
        EXPECT_EQ(outlines, passes) << c.name;
        EXPECT_TRUE(std::any_of(report.pages.begin(), report.pages.end(), [](const Page& page) {
            return holds(page, "Design checks");
        })) << c.name;
        const Page& drawing = report.pages.back();
        EXPECT_TRUE(holds(drawing, "Pass Drawings    Scale " + scaleText(report.drawingScale) +
                                       "    (All Dimensions in mm)"))
            << c.name;
        for (int position = 0; position < passes; ++position) {
            EXPECT_TRUE(holds(report.pages[0], std::to_string(position + 2)) ||
                        holds(report.pages[1], std::to_string(position + 2)))
                << c.name << ": the tables lack pass " << position + 2;
        }
    }
}

TEST(ReportPages, DrawEachPassInItsColourWithItsNumberAndValues) {
    const Project project = testing::computedProject(5);
    const ReportPages report = layOutReportPages(project, "mb100.rol", kTime);
    const PassColours colours = makePassColours();
    const Page& tables = report.pages[0];
    const Page& drawing = report.pages[1];
    ASSERT_EQ(drawing.outlines.size(), 4u);
    for (int position = 0; position < 4; ++position) {
        EXPECT_EQ(drawing.outlines[position].colour, passColour(colours, position));
        EXPECT_EQ(drawing.outlines[position].points.size(), 14u);
        EXPECT_TRUE(holds(drawing, "PASS " + std::to_string(position + 2)));
    }
    // The report's label, unit and value of a field, as the text report
    // writes the value.
    for (const char* text :
         {"Cross Sectional Area", "mm\u00B2", "Temperature", "1000.0", "Elongation", "No warnings",
          "Pass 1 (Required Dimensions Before Cooling)", "Created 2002-03-05 09:07"}) {
        EXPECT_TRUE(holds(tables, text)) << text;
    }
}

TEST(ReportPages, StateTheirScaleAsADrawingDoes) {
    EXPECT_EQ(scaleText(1.0), "1:1");
    EXPECT_EQ(scaleText(2.0), "2:1");
    EXPECT_EQ(scaleText(0.4), "1:2.5");
    EXPECT_EQ(scaleText(0.05), "1:20");
}

}  // namespace
}  // namespace rolvanta
