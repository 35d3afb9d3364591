// The printed report's pages as laid out, before any painter sees them;
// and the pass drawings read back with dxflib's reader, as a CAD program
// reads them, and audited by another library's reader.

#include <gtest/gtest.h>

#include <dl_creationadapter.h>
#include <dl_dxf.h>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "export/dxf_drawing.h"
#include "export/report_pages.h"
#include "support/child_process.h"
#include "support/example_section.h"
#include "support/golden_file.h"
#include "support/temporary_folder.h"

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

struct ReadPolyline {
    std::string layer;
    int flags = 0;
    std::size_t vertices = 0;
};

// Everything the drawing holds that a CAD program shows.
struct ReadDrawing : DL_CreationAdapter {
    std::set<std::string> layers;
    std::vector<ReadPolyline> polylines;
    std::vector<std::pair<std::string, std::string>> texts;  // layer, text

    void addLayer(const DL_LayerData& data) override { layers.insert(data.name); }
    void addPolyline(const DL_PolylineData& data) override {
        polylines.push_back({getAttributes().getLayer(), data.flags, 0});
    }
    void addVertex(const DL_VertexData&) override { ++polylines.back().vertices; }
    void addText(const DL_TextData& data) override {
        texts.emplace_back(getAttributes().getLayer(), data.text);
    }
};

ReadDrawing readBack(const std::string& dxf) {
    ReadDrawing drawing;
    std::istringstream in(dxf);
    DL_Dxf reader;
    EXPECT_TRUE(reader.in(in, &drawing));
    return drawing;
}

// The bytes of a 5-pass drawing, whole and one file per pass, are pinned by
// the command-line tool's golden files (worked-example.dxf and .passes/):
// header, extents, layers and their colours, the outlines at true size. Here,
// read as a CAD program reads it: every pass of 13 a closed outline of
// fourteen corners (the fifteenth closes it) on its own layer, numbers with
// "." whatever the locale.
TEST(PassDrawings, HoldEveryReportedPassOnItsOwnLayerAndPassAnAudit) {
    const Project project = testing::computedProject(13);
    const std::string dxf = formatPassDrawingsDxf(project);
    const ReadDrawing drawing = readBack(dxf);
    ASSERT_EQ(drawing.polylines.size(), 12u);  // passes 2 to 13
    ASSERT_EQ(drawing.texts.size(), 12u);
    for (int position = 0; position < 12; ++position) {
        const std::string layer = passLayerName(position);
        const ReadPolyline& polyline = drawing.polylines[position];
        EXPECT_EQ(polyline.layer, layer);
        EXPECT_EQ(polyline.flags & 1, 1) << layer << " is closed";
        EXPECT_EQ(polyline.vertices, 14u) << layer;
        EXPECT_TRUE(drawing.layers.count(layer)) << layer;
        EXPECT_EQ(drawing.texts[position],
                  std::make_pair(layer, "PASS " + std::to_string(position + 2)));
    }
    EXPECT_EQ(passLayerName(11), "PASS_13");
    EXPECT_TRUE(readBack(formatPassDrawingDxf(project, kPassTableSize)).polylines.empty());
    EXPECT_TRUE(readBack(formatPassDrawingsDxf(Project{})).polylines.empty())
        << "an uncomputed project still reads";
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "no de_DE.UTF-8 locale";
    const std::string underComma = formatPassDrawingsDxf(project);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(underComma, dxf);
    // ezdxf (Debian's python3-ezdxf, for the system's python) audits the
    // structure a CAD program relies on, owners and handles: it finds nothing
    // to repair, in the whole drawing or in one pass's.
    testing::TemporaryFolder folder;
    testing::writeFileBytes(folder / "all.dxf", dxf);
    testing::writeFileBytes(folder / "one.dxf", formatPassDrawingDxf(project, 4));
    for (const char* file : {"all.dxf", "one.dxf"}) {
        const std::string command =
            "/usr/bin/python3 -c 'import sys, ezdxf; a = ezdxf.readfile(sys.argv[1]).audit(); "
            "print(len(a.errors), len(a.fixes), *[e.message for e in a.errors + a.fixes])' '" +
            folder / file + "' 2>&1";
        EXPECT_EQ(testing::commandOutput(command), "0 0\n") << file;
    }
}

}  // namespace
}  // namespace rolvanta
