#include "export/report_pages.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>

#include "display/pass_colours.h"
#include "display/section_dimensions.h"
#include "engine/pass_fields.h"
#include "engine/section_fields.h"
#include "engine/windows1252.h"
#include "export/dxf_drawing.h"
#include "export/loads_page.h"
#include "project/load_checks.h"
#include "project/schedule_rows.h"

namespace rolvanta {
namespace {

constexpr double kMargin = 15.0;
constexpr double kHeaderHeight = 22.0;  // from the top margin to the first content
constexpr double kFooterHeight = 12.0;  // from the foot of the content to the page edge
constexpr double kRow = 4.6;
constexpr int kPassesPerTable = 6;

// Decimals per quantity, as a drawing office writes them.
constexpr int kMmDecimals = 2;
constexpr int kSquareMmDecimals = 1;
constexpr int kElongationDecimals = 3;
constexpr int kAngleDecimals = 1;
constexpr int kMassDecimals = 2;
constexpr int kTemperatureDecimals = 1;
constexpr int kPercentDecimals = 1;

// Each face's em in millimetres.
constexpr double kEm[] = {14.0 * 25.4 / 72, 10.5 * 25.4 / 72, 9.0 * 25.4 / 72, 7.5 * 25.4 / 72};
// An average character's advance: 0.55 em.
constexpr double kAdvanceEms = 0.55;

// The decimals a drawing office writes a quantity of this unit with.
int decimalsOf(FieldUnit unit) {
    switch (unit) {
        case FieldUnit::SquareMillimetre:
            return kSquareMmDecimals;
        case FieldUnit::Degree:
            return kAngleDecimals;
        case FieldUnit::Kilogram:
            return kMassDecimals;
        case FieldUnit::DegreeCelsius:
            return kTemperatureDecimals;
        default:
            return kMmDecimals;
    }
}

std::string twoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

void addHeader(Page& page, PageSize size, const std::string& beamName, const std::string& fileTitle,
               const ReportTime& t) {
    PageWriter b(page);
    const double right = size.width - kMargin;
    b.text(kMargin, kMargin + 5.0, "ROLVANTA", PageFont::Title);
    b.text(right, kMargin + 5.0, "Results Of Project - " + fileTitle, PageFont::Body,
           TextAlign::Right);
    b.text(kMargin, kMargin + 11.0, "Beam Name: " + beamName, PageFont::Heading);
    b.text(right, kMargin + 11.0,
           "Created " + std::to_string(t.year) + "-" + twoDigits(t.month) + "-" + twoDigits(t.day) +
               " " + twoDigits(t.hour) + ":" + twoDigits(t.minute),
           PageFont::Body, TextAlign::Right);
    b.line(kMargin, kMargin + 14.0, right, kMargin + 14.0, kPageRuleGrey, 0.3);
}

struct ValueRow {
    std::string label, value, unit;
};

// Pass 1 as the report lists it, each value with its unit ("( All
// Dimensions in mm,Kg,°,°C )" spelt out per value).
std::vector<ValueRow> sectionRows(const BeamSection& s) {
    std::vector<ValueRow> rows;
    for (const auto member : kReportSectionOrder) {
        if (member == &BeamSection::temperature) {
            rows.push_back({kPassCountLabel, std::to_string(s.passCount), ""});
        }
        const SectionField& field = sectionField(member);
        rows.push_back({field.label, fixedNumber(s.*member, decimalsOf(field.unit)),
                        utf8FromWindows1252(unitSymbol(field.unit))});
    }
    return rows;
}

// Pass 1: label, value and unit, in two columns side by side. Returns the
// y below it.
double addSection(Page& page, PageSize size, const BeamSection& s, double y) {
    PageWriter b(page);
    b.text(kMargin, y, "Pass 1 (Required Dimensions Before Cooling)", PageFont::Heading);
    y += 6.0;
    const std::vector<ValueRow> rows = sectionRows(s);
    const int perColumn = static_cast<int>(rows.size() + 1) / 2;
    const double half = (size.width - 2 * kMargin) / 2;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const double x = kMargin + (i < perColumn ? 0.0 : half);
        const double rowY = y + (i % perColumn) * kRow;
        b.text(x, rowY, rows[i].label);
        b.text(x + half - 27.5, rowY, rows[i].value, PageFont::Body, TextAlign::Point);
        b.text(x + half - 20.0, rowY, rows[i].unit, PageFont::Small, TextAlign::Left, kPageGrey);
    }
    return y + perColumn * kRow + 4.0;
}

constexpr double kLabelColumn = 46.0;
constexpr double kUnitColumn = 12.0;

// What the table shows of a pass after its fields: how much the pass
// stretches it, from the schedule's rows.
struct StretchRow {
    const char* label;
    const char* unit;
    int decimals;
    std::optional<double> ScheduleRow::*value;
};

constexpr StretchRow kStretchRows[] = {
    {"Elongation", "", kElongationDecimals, &ScheduleRow::elongation},
    {"Reduction", "%", kPercentDecimals, &ScheduleRow::reductionPercent},
    {"Total Elongation", "", kElongationDecimals, &ScheduleRow::totalElongation},
};

double passTableHeight() {
    return (std::size(kReportFieldOrder) + std::size(kStretchRows) + 1) * kRow + 6.0;
}

// Where a column's numbers have their point: room for three decimals at
// its right.
constexpr double kPointFromRight = 6.5;

// Up to six passes from first. Returns the y below the table.
double addPassTable(Page& page, PageSize size, const Project& project,
                    const std::vector<ScheduleRow>& rows, int first, int count, double y) {
    PageWriter b(page);
    const double left = kMargin;
    const double valuesLeft = left + kLabelColumn + kUnitColumn;
    const double column = (size.width - kMargin - valuesLeft) / kPassesPerTable;
    const PassColours colours = makePassColours();
    b.text(left, y, "Pass", PageFont::Heading);
    for (int i = 0; i < count; ++i) {
        const int position = first + i;
        b.text(valuesLeft + (i + 1) * column - 1.5, y, std::to_string(position + 2),
               PageFont::Heading, TextAlign::Right);
        // The pass colour under its number, as the drawing shows it.
        b.line(valuesLeft + i * column + 3.0, y + 1.4, valuesLeft + (i + 1) * column - 1.5, y + 1.4,
               passColour(colours, position), 0.8);
    }
    b.line(left, y + 2.4, size.width - kMargin, y + 2.4, kPageRuleGrey, 0.2);
    y += kRow + 1.5;
    for (const auto member : kReportFieldOrder) {
        const PassField& field = passField(member);
        b.text(left, y, utf8FromWindows1252(field.shortLabel));
        b.text(left + kLabelColumn, y, utf8FromWindows1252(unitSymbol(field.unit)), PageFont::Small,
               TextAlign::Left, kPageGrey);
        const int decimals =
            field.unit == FieldUnit::SquareMillimetre ? kSquareMmDecimals : kMmDecimals;
        for (int i = 0; i < count; ++i) {
            b.text(valuesLeft + (i + 1) * column - kPointFromRight, y,
                   fixedNumber(project.passes.records[first + i].*member, decimals), PageFont::Body,
                   TextAlign::Point);
        }
        y += kRow;
    }
    for (const StretchRow& stretch : kStretchRows) {
        b.text(left, y, stretch.label);
        b.text(left + kLabelColumn, y, stretch.unit, PageFont::Small, TextAlign::Left, kPageGrey);
        for (int i = 0; i < count; ++i) {
            // Schedule row 0 is Pass 1; record k is pass k + 2.
            const std::size_t row = static_cast<std::size_t>(first + i) + 1;
            if (row >= rows.size() || !(rows[row].*stretch.value)) continue;
            b.text(valuesLeft + (i + 1) * column - kPointFromRight, y,
                   fixedNumber(*(rows[row].*stretch.value), stretch.decimals), PageFont::Body,
                   TextAlign::Point);
        }
        y += kRow;
    }
    return y + 4.0;
}

// The drawing's standard scales, largest first.
constexpr double kScales[] = {5.0, 2.0, 1.0, 0.5, 0.4, 0.2, 0.1, 0.05, 0.04, 0.02, 0.01};

struct Box {
    double minX, minY, maxX, maxY;
    double width() const { return maxX - minX; }
    double height() const { return maxY - minY; }
};

bool finite(const std::vector<DrawingPoint>& outline) {
    return std::all_of(outline.begin(), outline.end(), [](const DrawingPoint& p) {
        return std::isfinite(p.x) && std::isfinite(p.y);
    });
}

Box boxOf(const std::vector<DrawingPoint>& outline) {
    Box box{outline[0].x, outline[0].y, outline[0].x, outline[0].y};
    for (const DrawingPoint& p : outline) {
        box.minX = std::min(box.minX, p.x);
        box.maxX = std::max(box.maxX, p.x);
        box.minY = std::min(box.minY, p.y);
        box.maxY = std::max(box.maxY, p.y);
    }
    return box;
}

// Room in a cell around the outline: the number above, the width's
// dimension line and value below, the chain of the flange heights and the
// web thickness with their values at the left.
constexpr double kCellTop = 7.0;
constexpr double kCellBottom = 10.0;
constexpr double kCellRight = 3.0;
constexpr double kCellLeft = 22.0;
constexpr int kCellColumns = 3;
constexpr int kCellRows = 4;
// Dimension lines as the pass view draws them: how far they stand off the
// outline and the extension lines run past them, on the page.
constexpr double kDimensionOffset = 4.0;
constexpr double kExtensionOvershoot = 1.0;
constexpr double kTextGap = 1.0;
constexpr double kSmallTextHeight = 2.0;  // the digits of 7.5 pt, near enough

void arrowHead(PageWriter& b, PagePoint tip, PagePoint towards) {
    const double dx = towards.x - tip.x, dy = towards.y - tip.y;
    const double length = std::hypot(dx, dy);
    if (!(length > 0.0)) return;
    const double ux = dx / length, uy = dy / length;
    const double along = std::min(1.6, length / 2), spread = 0.5;
    b.line(tip.x, tip.y, tip.x + ux * along - uy * spread, tip.y + uy * along + ux * spread,
           kPageGrey, 0.15);
    b.line(tip.x, tip.y, tip.x + ux * along + uy * spread, tip.y + uy * along - ux * spread,
           kPageGrey, 0.15);
}

void addPassDrawing(Page& page, const PassRecord& record, int position, Rgb colour, double scale,
                    double cellX, double cellY, double cellW, double cellH) {
    PageWriter b(page);
    b.text(cellX + 2.0, cellY + 4.5, "PASS " + std::to_string(position + 2), PageFont::Heading,
           TextAlign::Left, colour);
    const std::vector<DrawingPoint> outline = drawingOutline(position, record);
    if (!finite(outline)) return;
    const Box box = boxOf(outline);
    const double areaX = cellX + kCellLeft, areaY = cellY + kCellTop;
    const double areaW = cellW - kCellLeft - kCellRight, areaH = cellH - kCellTop - kCellBottom;
    const double centreX = areaX + areaW / 2, centreY = areaY + areaH / 2;
    const auto place = [&](double x, double y) {
        return PagePoint{centreX + (x - (box.minX + box.maxX) / 2) * scale,
                         centreY - (y - (box.minY + box.maxY) / 2) * scale};
    };
    PageOutline drawn{{}, colour, 0.5};
    for (std::size_t i = 0; i + 1 < outline.size(); ++i) {
        drawn.points.push_back(place(outline[i].x, outline[i].y));
    }
    page.outlines.push_back(std::move(drawn));

    // The pass view's dimension lines, in the outline's own drawing space
    // (the view's, whose reference point the drawing moves to the origin).
    const OutlinePoint origin = computeSectionOutline(position, record).points[0];
    const auto onPage = [&](OutlinePoint p) {
        return place(static_cast<double>(p.x) - origin.x + outline[0].x,
                     static_cast<double>(p.y) - origin.y + outline[0].y);
    };
    const SectionDimensions dimensions =
        sectionDimensions(position, record, kDimensionOffset / scale, kExtensionOvershoot / scale);
    double textY[kDimensionLineCount] = {};
    for (int i = 0; i < kDimensionLineCount; ++i) {
        const DimensionLine& line = dimensions.lines[i];
        const PagePoint from = onPage(line.from), to = onPage(line.to);
        for (int e = 0; e < 2; ++e) {
            const PagePoint a = onPage(line.extensionFrom[e]), z = onPage(line.extensionTo[e]);
            b.line(a.x, a.y, z.x, z.y, kPageGrey, 0.15);
        }
        b.line(from.x, from.y, to.x, to.y, kPageGrey, 0.15);
        arrowHead(b, from, to);
        arrowHead(b, to, from);
        textY[i] = i == 0 ? from.y + kTextGap + kSmallTextHeight
                          : (from.y + to.y) / 2 + kSmallTextHeight / 2;
    }
    // The web's value between the two flange heights' values, a line apart
    // (the page's y runs down: the upper legs first).
    const double apart = kSmallTextHeight + 1.2;
    textY[3] = std::min(textY[3], textY[2] - apart);
    textY[1] = std::max(textY[1], textY[2] + apart);
    for (int i = 0; i < kDimensionLineCount; ++i) {
        const DimensionLine& line = dimensions.lines[i];
        char text[64];
        dimensionText(line, text);
        const PagePoint from = onPage(line.from), to = onPage(line.to);
        if (i == 0) {
            b.text((from.x + to.x) / 2, textY[i], text, PageFont::Small, TextAlign::Centre);
        } else {
            b.text(from.x - kExtensionOvershoot - kTextGap, textY[i], text, PageFont::Small,
                   TextAlign::Right);
        }
    }
}

// The largest standard scale at which every drawable outline fits its cell.
double drawingScaleFor(const Project& project, double areaW, double areaH) {
    double widest = 0.0, tallest = 0.0;
    for (int position = 0; position < shownPassRecordCount(project.section); ++position) {
        const std::vector<DrawingPoint> outline =
            drawingOutline(position, project.passes.records[position]);
        if (!finite(outline)) continue;
        const Box box = boxOf(outline);
        widest = std::max(widest, box.width());
        tallest = std::max(tallest, box.height());
    }
    for (const double scale : kScales) {
        if (widest * scale <= areaW && tallest * scale <= areaH) return scale;
    }
    return kScales[std::size(kScales) - 1];
}

// The warnings of the design and of its loads after the tables, on further
// pages when they run past the foot.
void addDesignChecks(ReportPages& report, const Project& project, double y, double top,
                     double bottom) {
    const double width = report.size.width - 2 * kMargin;
    const auto room = [&](double needed) {
        if (y + needed <= bottom) return;
        report.pages.emplace_back();
        y = top;
    };
    std::vector<std::string> lines;
    for (const DesignWarning& warning : checkProject(project)) {
        for (std::string& line : wrappedLines(warning.text, PageFont::Body, width)) {
            lines.push_back(std::move(line));
        }
    }
    if (lines.empty()) lines.push_back("No warnings");
    // The block kept on one page where a page holds it.
    const double height = kRow + 1.5 + static_cast<double>(lines.size()) * kRow;
    room(std::min(height, bottom - top));
    PageWriter(report.pages.back()).text(kMargin, y, "Design checks", PageFont::Heading);
    y += kRow + 1.5;
    for (std::string& line : lines) {
        room(kRow);
        PageWriter(report.pages.back()).text(kMargin, y, std::move(line));
        y += kRow;
    }
}

}  // namespace

double estimatedTextWidth(std::string_view text, PageFont font) {
    // Characters, not bytes: every UTF-8 byte but the continuation bytes.
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    return static_cast<double>(characters) * kAdvanceEms * kEm[static_cast<int>(font)];
}

double lineHeight(PageFont font) { return 1.25 * kEm[static_cast<int>(font)]; }

double PageWriter::paragraph(double x, double y, double width, const std::string& words,
                             PageFont font, Rgb colour) {
    for (std::string& line : wrappedLines(words, font, width)) {
        text(x, y, std::move(line), font, TextAlign::Left, colour);
        y += lineHeight(font);
    }
    return y;
}

std::vector<std::string> wrappedLines(const std::string& words, PageFont font, double width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t at = 0;
    while (at < words.size()) {
        std::size_t end = words.find(' ', at);
        if (end == std::string::npos) end = words.size();
        const std::string word = words.substr(at, end - at);
        at = end + 1;
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && estimatedTextWidth(longer, font) > width) {
            lines.push_back(std::move(line));
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

std::string scaleText(double scale) {
    char text[32];
    if (scale >= 1.0) {
        std::snprintf(text, sizeof text, "%g:1", scale);
    } else {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, 1.0 / scale,
                                       std::chars_format::general, 4)
                             .ptr;
        std::snprintf(text, sizeof text, "1:%.*s", static_cast<int>(end - digits), digits);
    }
    return text;
}

ReportPages layOutReportPages(const Project& project, const std::string& fileTitle,
                              const ReportTime& time, PageSize size) {
    ReportPages report;
    report.size = size;
    const BeamSection& s = project.section;
    const std::string beamName =
        utf8FromWindows1252(std::string(s.name, strnlen(s.name, kNameFieldSize)));
    const double top = kMargin + kHeaderHeight;
    const double bottom = size.height - kFooterHeight - 4.0;

    // The tables.
    report.pages.emplace_back();
    double y = addSection(report.pages.back(), size, s, top);
    const int passes = shownPassRecordCount(s);
    const std::vector<ScheduleRow> rows = scheduleRows(project);
    for (int first = 0; first < passes; first += kPassesPerTable) {
        if (y + passTableHeight() > bottom) {
            report.pages.emplace_back();
            y = top;
        }
        y = addPassTable(report.pages.back(), size, project, rows, first,
                         std::min(kPassesPerTable, passes - first), y);
    }
    addDesignChecks(report, project, y, top, bottom);

    // The drawing.
    const double cellW = (size.width - 2 * kMargin) / kCellColumns;
    const double cellH = (bottom - top - 8.0) / kCellRows;
    report.drawingScale =
        drawingScaleFor(project, cellW - kCellLeft - kCellRight, cellH - kCellTop - kCellBottom);
    const PassColours colours = makePassColours();
    for (int position = 0; position < passes || position == 0; ++position) {
        const int cell = position % (kCellColumns * kCellRows);
        if (cell == 0) {
            report.pages.emplace_back();
            PageWriter(report.pages.back())
                .text(kMargin, top,
                      "Pass Drawings    Scale " + scaleText(report.drawingScale) +
                          "    (All Dimensions in mm)",
                      PageFont::Heading);
        }
        if (position >= passes) break;  // a drawing page that says there is nothing to draw
        addPassDrawing(report.pages.back(), project.passes.records[position], position,
                       passColour(colours, position), report.drawingScale,
                       kMargin + (cell % kCellColumns) * cellW,
                       top + 4.0 + (cell / kCellColumns) * cellH, cellW, cellH);
    }

    if (!project.loads.empty()) {
        report.pages.push_back(
            millLoadsPage(project, {kMargin, top, size.width - kMargin, bottom}));
    }

    const int count = static_cast<int>(report.pages.size());
    for (int i = 0; i < count; ++i) {
        Page& page = report.pages[i];
        addHeader(page, size, beamName, fileTitle, time);
        PageWriter(page).text(size.width / 2, size.height - kFooterHeight,
                              "Page " + std::to_string(i + 1) + " of " + std::to_string(count),
                              PageFont::Small, TextAlign::Centre);
    }
    return report;
}

bool paintReportPages(const ReportPages& pages, PageCanvas& canvas) {
    bool first = true;
    for (const Page& page : pages.pages) {
        if (!first && !canvas.nextPage()) return false;
        first = false;
        for (const PageLine& line : page.lines) canvas.drawLine(line);
        for (const PageOutline& outline : page.outlines) canvas.drawOutline(outline);
        for (const PageText& text : page.texts) canvas.drawText(text);
    }
    return true;
}

}  // namespace rolvanta
