#pragma once

// The Mill Loads chart: for every pass in rolling order (Pass N on the
// left, the finishing Pass 1 on the right) the roll force, roll torque and
// motor power as bars in per cent of the stand's limits, with the 100 %
// line, and the bar temperature along the passes as a line on an axis of
// its own (°C, at the right): up through each pass, down between passes.
// A quantity a stand gives no limit for is drawn as its value in a panel
// of its own beneath, on an axis in its unit. Drawn through a small canvas
// that the widget and the PDF page implement; lengths are the canvas's
// units (pixels, millimetres) from the top-left corner, y downwards; texts
// are UTF-8.

#include <string_view>
#include <vector>

#include "display/line_canvas.h"
#include "engine/mill_records.h"

namespace rolvanta {

struct ChartPoint {
    double x = 0;
    double y = 0;
};

struct ChartRect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

enum class ChartAlign { Left, Centre, Right };
enum class ChartStroke { Thin, Thick };  // a thick line is about twice a thin one

class ChartCanvas {
  public:
    virtual ~ChartCanvas() = default;
    // The chart's one text face: the height of a line and the advance of a text.
    virtual double lineHeight() const = 0;
    virtual double textWidth(std::string_view text) const = 0;
    virtual void fillRect(const ChartRect& rect, Rgb colour) = 0;
    virtual void drawPolyline(const std::vector<ChartPoint>& points, Rgb colour,
                              ChartStroke stroke) = 0;
    // Text on its baseline; at is its left end, centre or right end.
    virtual void drawText(ChartPoint at, ChartAlign align, Rgb colour, std::string_view text) = 0;
};

// The quantities' colours, told apart also in grey print by their place in
// a pass's group of bars (force, torque, motor power, left to right).
constexpr Rgb kChartForce{31, 96, 180};
constexpr Rgb kChartTorque{60, 150, 60};
constexpr Rgb kChartMotor{150, 90, 190};
constexpr Rgb kChartTemperature{200, 90, 0};
constexpr Rgb kChartLimit{215, 30, 30};
constexpr Rgb kChartInk{40, 40, 40};
constexpr Rgb kChartGrid{218, 218, 218};

// Draws the chart of the loads (rolling order) into area; nothing without
// loads, a one-line note when the area is too small to read.
void paintLoadsChart(const std::vector<PassLoads>& loads, const ChartRect& area,
                     ChartCanvas& canvas);

}  // namespace rolvanta
