// The pass drawings read back with dxflib's reader, as a CAD program reads
// them, and audited by another library's reader.

#include <dl_creationadapter.h>
#include <dl_dxf.h>
#include <gtest/gtest.h>

#include <clocale>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "export/dxf_drawing.h"
#include "support/child_process.h"
#include "support/example_section.h"
#include "support/temporary_folder.h"

namespace rolvanta {
namespace {

struct ReadPolyline {
    std::string layer;
    int flags = 0;
    std::vector<DrawingPoint> vertices;
};

// Everything the drawing holds that a CAD program shows.
struct ReadDrawing : DL_CreationAdapter {
    std::map<std::string, int> layers;
    std::vector<ReadPolyline> polylines;
    std::vector<std::pair<std::string, std::string>> texts;  // layer, text

    void addLayer(const DL_LayerData& data) override {
        layers[data.name] = getAttributes().getColor();
    }
    void addPolyline(const DL_PolylineData& data) override {
        polylines.push_back({getAttributes().getLayer(), data.flags, {}});
    }
    void addVertex(const DL_VertexData& data) override {
        polylines.back().vertices.push_back({data.x, data.y});
    }
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
// header, extents, layers and their colours. Here, read as a CAD program
// reads it: every pass of 13 a closed outline at true size on its own layer.
TEST(PassDrawings, HoldEveryReportedPassOnItsOwnLayerAtTrueSize) {
    const Project project = testing::computedProject(13);
    const ReadDrawing drawing = readBack(formatPassDrawingsDxf(project));
    ASSERT_EQ(drawing.polylines.size(), 12u);  // passes 2 to 13
    ASSERT_EQ(drawing.texts.size(), 12u);
    for (int position = 0; position < 12; ++position) {
        const std::string layer = passLayerName(position);
        const ReadPolyline& polyline = drawing.polylines[position];
        EXPECT_EQ(polyline.layer, layer);
        EXPECT_EQ(polyline.flags & 1, 1) << layer << " is closed";
        EXPECT_TRUE(drawing.layers.count(layer)) << layer;
        EXPECT_EQ(drawing.texts[position],
                  std::make_pair(layer, "PASS " + std::to_string(position + 2)));
        // The fourteen corners of the outline (the fifteenth closes it),
        // the view's web reference point moved to the origin.
        const SectionOutline outline =
            computeSectionOutline(position, project.passes.records[position]);
        ASSERT_EQ(polyline.vertices.size(), 14u) << layer;
        for (int i = 0; i < 14; ++i) {
            EXPECT_NEAR(polyline.vertices[i].x, outline.points[i].x - 437.0, 1e-6) << layer << i;
            EXPECT_NEAR(polyline.vertices[i].y, outline.points[i].y - 350.0, 1e-6) << layer << i;
        }
    }
    EXPECT_TRUE(readBack(formatPassDrawingDxf(project, kPassTableSize)).polylines.empty());
    const ReadDrawing none = readBack(formatPassDrawingsDxf(Project{}));
    EXPECT_TRUE(none.polylines.empty()) << "an uncomputed project still reads";
}

// ezdxf (Debian's python3-ezdxf, for the system's python) audits the
// structure a CAD program relies on, owners and handles: it finds nothing
// to repair, in the whole drawing or in one pass's.
TEST(PassDrawings, PassAnAuditWithNothingToRepair) {
    const Project project = testing::computedProject(13);
    testing::TemporaryFolder folder;
    testing::writeFileBytes(folder / "all.dxf", formatPassDrawingsDxf(project));
    testing::writeFileBytes(folder / "one.dxf", formatPassDrawingDxf(project, 4));
    for (const char* file : {"all.dxf", "one.dxf"}) {
        const std::string command =
            "/usr/bin/python3 -c 'import sys, ezdxf; a = ezdxf.readfile(sys.argv[1]).audit(); "
            "print(len(a.errors), len(a.fixes), *[e.message for e in a.errors + a.fixes])' '" +
            folder / file + "' 2>&1";
        EXPECT_EQ(testing::commandOutput(command), "0 0\n") << file;
    }
}

TEST(PassDrawings, NumbersDoNotFollowTheLocale) {
    const Project project = testing::computedProject(5);
    const std::string before = formatPassDrawingsDxf(project);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no de_DE locale";
    const std::string after = formatPassDrawingsDxf(project);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(before, after);
}

}  // namespace
}  // namespace rolvanta
