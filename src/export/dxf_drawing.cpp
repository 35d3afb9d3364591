#include "export/dxf_drawing.h"

#include <dl_dxf.h>
#include <dl_writer_ascii.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>
#include <map>
#include <string_view>

#include "display/pass_colours.h"
#include "engine/pass_fields.h"

namespace rolvanta {
namespace {

// The point of the pass view's drawing space that becomes the origin: the
// horizontal centre of every outline and the reference height of the web.
constexpr double kOriginX = 437.0;
constexpr double kOriginY = 350.0;

// Text of the pass numbers, and the column they stand in.
constexpr double kTextHeight = 3.5;
constexpr double kLineSpacing = 2.0 * kTextHeight;
constexpr double kColumnGap = 10.0;
// A generous width per character for the extents: CAD fonts stay within it.
constexpr double kCharacterWidth = kTextHeight;

// dxflib's writer works on a file stream; this one collects the same group
// codes and values in memory, so that the export can be written atomically
// like every other save. Numbers are written in the shortest form that reads
// back to the same double, whatever the locale.
class MemoryWriter : public DL_WriterA {
  public:
    // An empty name: the base opens no file.
    MemoryWriter() : DL_WriterA("", DL_Codes::AC1015) {}

    void dxfReal(int gc, double value) const override {
        char digits[32];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        code(gc);
        text_.append(digits, end);
        text_ += '\n';
    }
    void dxfInt(int gc, int value) const override {
        code(gc);
        text_ += std::to_string(value);
        text_ += '\n';
    }
    void dxfHex(int gc, int value) const override {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%0X", static_cast<unsigned>(value));
        dxfString(gc, digits);
    }
    void dxfString(int gc, const char* value) const override {
        code(gc);
        text_ += value;
        text_ += '\n';
    }
    void dxfString(int gc, const std::string& value) const override {
        dxfString(gc, value.c_str());
    }

    std::string take() { return std::move(text_); }

  private:
    // Group codes right-aligned in three columns, as CAD programs write them.
    void code(int gc) const {
        if (gc < 10)
            text_ += "  ";
        else if (gc < 100)
            text_ += ' ';
        text_ += std::to_string(gc);
        text_ += '\n';
    }

    mutable std::string text_;
};

struct Extents {
    double minX = std::numeric_limits<double>::infinity();
    double minY = std::numeric_limits<double>::infinity();
    double maxX = -std::numeric_limits<double>::infinity();
    double maxY = -std::numeric_limits<double>::infinity();

    void add(DrawingPoint p) {
        minX = std::min(minX, p.x);
        minY = std::min(minY, p.y);
        maxX = std::max(maxX, p.x);
        maxY = std::max(maxY, p.y);
    }
    bool empty() const { return minX > maxX; }
};

struct DrawnPass {
    int position;
    std::vector<DrawingPoint> outline;
    std::string label;
    DrawingPoint labelAt;
};

std::string passLabel(int position) { return "PASS " + std::to_string(position + 2); }

// The outlines, and the labels in a column to the right of them, top down.
std::vector<DrawnPass> layOut(const Project& project, int first, int last, Extents& extents) {
    std::vector<DrawnPass> passes;
    for (int position = std::max(first, 0); position < std::min(last, kPassTableSize); ++position) {
        DrawnPass pass{position,
                       drawingOutline(position, project.passes.records[position]),
                       passLabel(position),
                       {}};
        for (const DrawingPoint& p : pass.outline) extents.add(p);
        passes.push_back(std::move(pass));
    }
    if (extents.empty()) return passes;
    const double column = extents.maxX + kColumnGap;
    double baseline = extents.maxY - kTextHeight;
    for (DrawnPass& pass : passes) {
        pass.labelAt = {column, baseline};
        extents.add({column, baseline});
        extents.add({column + kCharacterWidth * static_cast<double>(pass.label.size()),
                     baseline + kTextHeight});
        baseline -= kLineSpacing;
    }
    return passes;
}

void writePoint(MemoryWriter& w, const char* name, double x, double y) {
    w.dxfString(9, name);
    w.dxfReal(10, x);
    w.dxfReal(20, y);
    w.dxfReal(30, 0.0);
}

int trueColour(Rgb colour) { return colour.red << 16 | colour.green << 8 | colour.blue; }

// dxflib writes the objects (the dictionaries, layouts and styles a CAD
// program expects) without their owners; a reader that checks the file
// repairs every one. Each object is owned by the dictionary whose entry
// (group 350) names it, so its owner is written after its handle (group
// 330 after group 5), as the format has it.
std::string withObjectOwners(const std::string& dxf) {
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at < dxf.size();) {
        const std::size_t end = std::min(dxf.find('\n', at), dxf.size());
        lines.emplace_back(dxf.data() + at, end - at);
        at = end + 1;
    }
    const auto code = [&](std::size_t i) {
        std::string_view c = lines[i];
        c.remove_prefix(std::min(c.find_first_not_of(' '), c.size()));
        return c;
    };
    std::size_t objects = 0;
    while (objects + 1 < lines.size() && !(code(objects) == "2" && lines[objects + 1] == "OBJECTS"))
        objects += 2;
    std::map<std::string_view, std::string_view> owners;
    std::string_view type, handle;
    for (std::size_t i = objects; i + 1 < lines.size(); i += 2) {
        if (code(i) == "0") type = lines[i + 1];
        if (code(i) == "5") handle = lines[i + 1];
        if (code(i) == "350" && (type == "DICTIONARY" || type == "ACDBDICTIONARYWDFLT"))
            owners[lines[i + 1]] = handle;
    }
    std::string owned;
    owned.reserve(dxf.size() + owners.size() * 12);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        owned.append(lines[i]).append("\n");
        if (i % 2 == 1 && i > objects && code(i - 1) == "5") {
            const auto owner = owners.find(lines[i]);
            if (owner != owners.end()) owned.append("330\n").append(owner->second).append("\n");
        }
    }
    return owned;
}

std::string formatDrawing(const Project& project, int first, int last) {
    const PassColours colours = makePassColours();
    Extents extents;
    const std::vector<DrawnPass> passes = layOut(project, first, last, extents);
    if (extents.empty()) extents.add({0.0, 0.0});

    DL_Dxf dxf;
    MemoryWriter w;
    dxf.writeHeader(w);
    w.dxfString(9, "$INSUNITS");
    w.dxfInt(70, 4);  // millimetres
    w.dxfString(9, "$MEASUREMENT");
    w.dxfInt(70, 1);  // metric
    writePoint(w, "$EXTMIN", extents.minX, extents.minY);
    writePoint(w, "$EXTMAX", extents.maxX, extents.maxY);
    writePoint(w, "$LIMMIN", extents.minX, extents.minY);
    writePoint(w, "$LIMMAX", extents.maxX, extents.maxY);
    w.sectionEnd();

    w.sectionTables();
    dxf.writeVPort(w);
    w.tableLinetypes(3);
    dxf.writeLinetype(w, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(w, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(w, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    w.tableEnd();
    w.tableLayers(static_cast<int>(passes.size()) + 1);
    dxf.writeLayer(w, DL_LayerData("0", 0),
                   DL_Attributes("", DL_Codes::black, 100, "CONTINUOUS", 1.0));
    for (const DrawnPass& pass : passes) {
        const Rgb colour = passColour(colours, pass.position);
        dxf.writeLayer(
            w, DL_LayerData(passLayerName(pass.position), 0),
            DL_Attributes("", nearestIndexedColour(colour), trueColour(colour), -1, "CONTINUOUS"));
    }
    w.tableEnd();
    w.tableStyle(1);
    dxf.writeStyle(w, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, kTextHeight, "txt", ""));
    w.tableEnd();
    dxf.writeView(w);
    dxf.writeUcs(w);
    w.tableAppid(1);
    dxf.writeAppid(w, "ACAD");
    w.tableEnd();
    dxf.writeDimStyle(w, 2.5, 1.25, 0.625, 0.625, kTextHeight);
    dxf.writeBlockRecord(w);
    w.tableEnd();
    w.sectionEnd();

    w.sectionBlocks();
    for (const char* block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(w, DL_BlockData(block, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(w, block);
    }
    w.sectionEnd();

    w.sectionEntities();
    for (const DrawnPass& pass : passes) {
        const Rgb colour = passColour(colours, pass.position);
        // The entities carry the layer's colour themselves too, so that a
        // program that ignores layer colours still shows each pass in its own.
        const DL_Attributes attributes(passLayerName(pass.position), nearestIndexedColour(colour),
                                       trueColour(colour), -1, "BYLAYER");
        // The outline's last point repeats its first; a closed polyline
        // closes itself, so it is left out.
        const int vertices = static_cast<int>(pass.outline.size()) - 1;
        dxf.writePolyline(w, DL_PolylineData(vertices, 0, 0, 1), attributes);
        for (int i = 0; i < vertices; ++i) {
            dxf.writeVertex(w, DL_VertexData(pass.outline[i].x, pass.outline[i].y, 0.0, 0.0));
        }
        dxf.writePolylineEnd(w);
        dxf.writeText(w,
                      DL_TextData(pass.labelAt.x, pass.labelAt.y, 0.0, 0.0, 0.0, 0.0, kTextHeight,
                                  1.0, 0, 0, 0, pass.label, "Standard", 0.0),
                      attributes);
    }
    w.sectionEnd();
    dxf.writeObjects(w);
    dxf.writeObjectsEnd(w);
    w.dxfEOF();
    return withObjectOwners(w.take());
}

}  // namespace

std::vector<DrawingPoint> drawingOutline(int position, const PassRecord& record) {
    const SectionOutline outline = computeSectionOutline(position, record);
    std::vector<DrawingPoint> points;
    points.reserve(kOutlinePointCount);
    for (const OutlinePoint& p : outline.points) {
        points.push_back(
            {static_cast<double>(p.x) - kOriginX, static_cast<double>(p.y) - kOriginY});
    }
    return points;
}

std::string passLayerName(int position) {
    const int pass = position + 2;
    return std::string(pass < 10 ? "PASS_0" : "PASS_") + std::to_string(pass);
}

int nearestIndexedColour(Rgb colour) {
    int best = 1;
    double bestDistance = std::numeric_limits<double>::infinity();
    // Index 0 (by block) and 256 (by layer) are no colours of their own.
    for (int index = 1; index < 256; ++index) {
        const double dr = dxfColors[index][0] * 255.0 - colour.red;
        const double dg = dxfColors[index][1] * 255.0 - colour.green;
        const double db = dxfColors[index][2] * 255.0 - colour.blue;
        const double distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = index;
        }
    }
    return best;
}

std::string formatPassDrawingsDxf(const Project& project) {
    return formatDrawing(project, 0, shownPassRecordCount(project.section));
}

std::string formatPassDrawingDxf(const Project& project, int position) {
    return formatDrawing(project, position, position + 1);
}

}  // namespace rolvanta
