#include "export/loads_page.h"

#include <algorithm>
#include <string_view>

#include "display/loads_chart.h"
#include "project/load_checks.h"
#include "project/loads_table.h"

namespace rolvanta {
namespace {

constexpr Rgb kMarkedRow{255, 226, 160};  // as the tables on screen mark a row

constexpr double kRow = 3.9;
constexpr double kChartHeight = 95.0;
constexpr double kLeastChartHeight = 50.0;

// The columns of the page: what fits A4 portrait in the Small face, with a
// group heading over columns that belong together. Widths are shares of the
// box's width.
struct PageColumn {
    LoadsColumn column;
    double width;
    const char* group;
    const char* name;
    const char* unit;
};

constexpr PageColumn kPageColumns[] = {
    {LoadsColumn::Pass, 8, "", "Pass", ""},
    {LoadsColumn::Stand, 12, "", "Stand", ""},
    {LoadsColumn::TemperatureIn, 11, "Temperature", "In", "\u00B0C"},
    {LoadsColumn::TemperatureOut, 11, "Temperature", "Out", "\u00B0C"},
    {LoadsColumn::Strain, 10, "Deformation", "Strain", ""},
    {LoadsColumn::StrainRate, 10, "Deformation", "Rate", "1/s"},
    {LoadsColumn::MeanFlowStress, 10, "Deformation", "Stress", "MPa"},
    {LoadsColumn::BiteAngle, 10, "Bite", "Angle", "\u00B0"},
    {LoadsColumn::BiteLimit, 10, "Bite", "Limit", "\u00B0"},
    {LoadsColumn::Force, 11, "Roll Force", "High", "kN"},
    {LoadsColumn::ForceLow, 11, "Roll Force", "Low", "kN"},
    {LoadsColumn::Torque, 11, "", "Torque", "kN\u00B7m"},
    {LoadsColumn::MotorPower, 11, "", "Motor", "kW"},
    {LoadsColumn::ForceUse, 10, "Use Of The Limit", "Force", "%"},
    {LoadsColumn::TorqueUse, 10, "Use Of The Limit", "Torque", "%"},
    {LoadsColumn::MotorUse, 10, "Use Of The Limit", "Motor", "%"},
};

// The chart drawn on the page: a bar is a line as wide as the bar (the
// page's lines have flat ends), the texts in the Small face.
class PageChartCanvas : public ChartCanvas {
  public:
    explicit PageChartCanvas(Page& page) : page_(page) {}

    double lineHeight() const override { return rolvanta::lineHeight(PageFont::Small); }
    double textWidth(std::string_view text) const override {
        return estimatedTextWidth(text, PageFont::Small);
    }
    void fillRect(const ChartRect& r, Rgb colour) override {
        if (!(r.width > 0) || !(r.height > 0)) return;
        const double x = r.x + r.width / 2;
        page_.lines.push_back({{x, r.y + r.height}, {x, r.y}, colour, r.width});
    }
    void drawPolyline(const std::vector<ChartPoint>& points, Rgb colour,
                      ChartStroke stroke) override {
        const double width = stroke == ChartStroke::Thick ? 0.45 : 0.18;
        for (std::size_t i = 0; i + 1 < points.size(); ++i) {
            page_.lines.push_back(
                {{points[i].x, points[i].y}, {points[i + 1].x, points[i + 1].y}, colour, width});
        }
    }
    void drawText(ChartPoint at, ChartAlign align, Rgb colour, std::string_view text) override {
        const TextAlign aligned = align == ChartAlign::Left     ? TextAlign::Left
                                  : align == ChartAlign::Centre ? TextAlign::Centre
                                                                : TextAlign::Right;
        page_.texts.push_back({{at.x, at.y}, PageFont::Small, aligned, colour, std::string(text)});
    }

  private:
    Page& page_;
};

// The table; returns the y below it.
double addLoadsTable(PageWriter& w, const ScheduleTable& table, const PageBox& box, double y) {
    double total = 0;
    for (const PageColumn& c : kPageColumns) total += c.width;
    const double scale = (box.right - box.left) / total;
    std::vector<double> lefts;
    double x = box.left;
    for (const PageColumn& c : kPageColumns) {
        lefts.push_back(x);
        x += c.width * scale;
    }
    const auto rightOf = [&](std::size_t i) {
        return lefts[i] + kPageColumns[i].width * scale - 1.2;
    };

    // The group headings, each centred over its columns with a rule beneath.
    for (std::size_t i = 0; i < std::size(kPageColumns);) {
        std::size_t end = i + 1;
        const std::string_view group = kPageColumns[i].group;
        while (end < std::size(kPageColumns) && kPageColumns[end].group == group) ++end;
        if (!group.empty()) {
            const double from = lefts[i] + 1.5, to = rightOf(end - 1);
            w.text((from + to) / 2, y, std::string(group), PageFont::Small, TextAlign::Centre);
            w.line(from, y + 1.0, to, y + 1.0, kPageRuleGrey, 0.2);
        }
        i = end;
    }
    y += kRow;
    for (std::size_t i = 0; i < std::size(kPageColumns); ++i) {
        const PageColumn& c = kPageColumns[i];
        const bool left = c.column == LoadsColumn::Stand;
        const double at = left ? lefts[i] + 1.0 : rightOf(i);
        const TextAlign align = left ? TextAlign::Left : TextAlign::Right;
        w.text(at, y, c.name, PageFont::Small, align);
        w.text(at, y + kRow * 0.85, c.unit, PageFont::Small, align, kPageGrey);
    }
    y += kRow * 0.85 + 1.4;
    w.line(box.left, y, box.right, y, kPageRuleGrey, 0.2);
    y += kRow;
    for (const ScheduleTable::Row& row : table.rows) {
        if (row.marked) {
            w.line(box.left, y - 1.05, box.right, y - 1.05, kMarkedRow, kRow);
        }
        for (std::size_t i = 0; i < std::size(kPageColumns); ++i) {
            const PageColumn& c = kPageColumns[i];
            const bool left = c.column == LoadsColumn::Stand;
            w.text(left ? lefts[i] + 1.0 : rightOf(i), y, loadsCell(row, c.column), PageFont::Small,
                   left ? TextAlign::Left : TextAlign::Right);
        }
        y += kRow;
    }
    return y;
}

}  // namespace

Page millLoadsPage(const Project& project, const PageBox& box) {
    Page page;
    PageWriter w(page);
    const double width = box.right - box.left;
    w.text(box.left, box.top, "Mill Loads", PageFont::Heading);
    double y = box.top + 6.0;
    if (project.mill) {
        w.text(box.left, y, millHeading(*project.mill), PageFont::Body);
        y += 6.0;
    }
    const std::vector<DesignWarning> warnings = checkLoads(project);
    y = addLoadsTable(w, loadsTable(project, warnings), box, y);
    y = w.paragraph(box.left, y + 1.0, width,
                    "High: the default run (Sims' Q on the flange walls), the high side of the "
                    "force; Low: Q = 1 on the walls. Stress: the mean flow stress. Rows with "
                    "warnings are marked.",
                    PageFont::Small, kPageGrey);
    y = w.paragraph(box.left, y, width, kLoadsAccuracyNote, PageFont::Small);

    const double chartHeight =
        std::min(kChartHeight, box.bottom - y - 4 * lineHeight(PageFont::Small));
    if (chartHeight >= kLeastChartHeight) {
        PageChartCanvas canvas(page);
        paintLoadsChart(project.loads, {box.left, y + 2.0, width, chartHeight}, canvas);
        y += chartHeight + 6.0;
    }

    w.text(box.left, y, warnings.empty() ? "No Load Warnings" : "Load Warnings", PageFont::Heading);
    y += 5.5;
    for (std::size_t i = 0; i < warnings.size(); ++i) {
        if (y + 2 * lineHeight(PageFont::Small) > box.bottom) {
            w.text(box.left, y,
                   "and " + std::to_string(warnings.size() - i) +
                       " more: the Mill Loads display lists them all",
                   PageFont::Small);
            break;
        }
        y = w.paragraph(box.left, y, width, warnings[i].text, PageFont::Small);
    }
    return page;
}

}  // namespace rolvanta
