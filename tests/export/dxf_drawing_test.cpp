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

#include "display/pass_colours.h"
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

struct ReadLayer {
    int colour = 0;
};

// Everything the drawing holds that a CAD program shows.
struct ReadDrawing : DL_CreationAdapter {
    std::map<std::string, ReadLayer> layers;
    std::vector<ReadPolyline> polylines;
    std::vector<std::pair<std::string, std::string>> texts;  // layer, text
    std::vector<int> trueColours;
    std::map<std::string, std::vector<double>> variables;

    void addLayer(const DL_LayerData& data) override {
        layers[data.name].colour = getAttributes().getColor();
    }
    void addPolyline(const DL_PolylineData& data) override {
        polylines.push_back({getAttributes().getLayer(), data.flags, {}});
        trueColours.push_back(getAttributes().getColor24());
    }
    void addVertex(const DL_VertexData& data) override {
        polylines.back().vertices.push_back({data.x, data.y});
    }
    void addText(const DL_TextData& data) override {
        texts.emplace_back(getAttributes().getLayer(), data.text);
    }
    void setVariableInt(const std::string& key, int value, int) override {
        variables[key] = {static_cast<double>(value)};
    }
    void setVariableVector(const std::string& key, double x, double y, double z, int) override {
        variables[key] = {x, y, z};
    }
};

ReadDrawing readBack(const std::string& dxf) {
    ReadDrawing drawing;
    std::istringstream in(dxf);
    DL_Dxf reader;
    EXPECT_TRUE(reader.in(in, &drawing));
    return drawing;
}

TEST(PassDrawings, HoldEveryReportedPassOnItsOwnLayerAtTrueSize) {
    const Project project = testing::computedProject(13);
    const ReadDrawing drawing = readBack(formatPassDrawingsDxf(project));
    const PassColours colours = makePassColours();

    ASSERT_EQ(drawing.polylines.size(), 12u);  // passes 2 to 13
    ASSERT_EQ(drawing.texts.size(), 12u);
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (int position = 0; position < 12; ++position) {
        const std::string layer = passLayerName(position);
        const ReadPolyline& polyline = drawing.polylines[position];
        EXPECT_EQ(polyline.layer, layer);
        EXPECT_EQ(polyline.flags & 1, 1) << layer << " is closed";
        const Rgb colour = passColour(colours, position);
        ASSERT_TRUE(drawing.layers.count(layer)) << layer;
        EXPECT_EQ(drawing.layers.at(layer).colour, nearestIndexedColour(colour)) << layer;
        EXPECT_EQ(drawing.trueColours[position],
                  colour.red << 16 | colour.green << 8 | colour.blue);
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
            minX = std::min(minX, polyline.vertices[i].x);
            minY = std::min(minY, polyline.vertices[i].y);
            maxX = std::max(maxX, polyline.vertices[i].x);
            maxY = std::max(maxY, polyline.vertices[i].y);
        }
    }
    EXPECT_EQ(drawing.variables.at("$INSUNITS"), std::vector<double>{4.0});  // millimetres
    // The extents hold every outline, and the column of pass numbers at
    // their right, and no more than that.
    const std::vector<double> low = drawing.variables.at("$EXTMIN");
    const std::vector<double> high = drawing.variables.at("$EXTMAX");
    EXPECT_DOUBLE_EQ(low[0], minX);
    EXPECT_DOUBLE_EQ(low[1], minY);
    EXPECT_DOUBLE_EQ(high[1], maxY);
    EXPECT_GT(high[0], maxX + 10.0);
    EXPECT_LT(high[0], maxX + 50.0);
}

TEST(PassDrawings, OfOnePassHoldThatPassWhereTheWholeDrawingHasIt) {
    const Project project = testing::computedProject(7);
    const ReadDrawing all = readBack(formatPassDrawingsDxf(project));
    const ReadDrawing one = readBack(formatPassDrawingDxf(project, 3));
    ASSERT_EQ(one.polylines.size(), 1u);
    EXPECT_EQ(one.polylines[0].layer, "PASS_05");
    ASSERT_EQ(one.polylines[0].vertices.size(), all.polylines[3].vertices.size());
    for (std::size_t i = 0; i < one.polylines[0].vertices.size(); ++i) {
        EXPECT_EQ(one.polylines[0].vertices[i].x, all.polylines[3].vertices[i].x);
        EXPECT_EQ(one.polylines[0].vertices[i].y, all.polylines[3].vertices[i].y);
    }
    EXPECT_TRUE(readBack(formatPassDrawingDxf(project, kPassTableSize)).polylines.empty());
}

TEST(PassDrawings, OfAnUncomputedProjectHoldNoOutlineAndStillRead) {
    Project project{};
    const ReadDrawing drawing = readBack(formatPassDrawingsDxf(project));
    EXPECT_TRUE(drawing.polylines.empty());
    EXPECT_EQ(drawing.variables.at("$EXTMIN"), (std::vector<double>{0.0, 0.0, 0.0}));
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
