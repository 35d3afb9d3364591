#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

#include "display/loads_chart.h"
#include "support/golden_file.h"
#include "support/mill_loads_fixture.h"

namespace rolvanta {
namespace {

// Writes down what the chart draws, one line each, in a face of fixed
// measures: lines 10 high, characters 6 wide.
class RecordingChart : public ChartCanvas {
  public:
    std::string drawn;

    double lineHeight() const override { return 10; }
    double textWidth(std::string_view text) const override {
        double characters = 0;
        for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        return 6 * characters;
    }
    void fillRect(const ChartRect& r, Rgb colour) override {
        add("rect %.1f %.1f %.1f %.1f ", r.x, r.y, r.width, r.height);
        drawn += nameOf(colour) + "\n";
    }
    void drawPolyline(const std::vector<ChartPoint>& points, Rgb colour,
                      ChartStroke stroke) override {
        drawn += stroke == ChartStroke::Thick ? "THICK" : "line";
        for (const ChartPoint& p : points) add(" %.1f,%.1f", p.x, p.y);
        drawn += " " + nameOf(colour) + "\n";
    }
    void drawText(ChartPoint at, ChartAlign align, Rgb colour, std::string_view text) override {
        add("text %.1f,%.1f %c ", at.x, at.y, "LCR"[static_cast<int>(align)]);
        drawn += nameOf(colour) + " " + std::string(text) + "\n";
    }

  private:
    template <typename... Values>
    void add(const char* format, Values... values) {
        char text[160];
        std::snprintf(text, sizeof text, format, values...);
        drawn += text;
    }
    static std::string nameOf(Rgb c) {
        const std::pair<Rgb, const char*> names[] = {
            {kChartForce, "force"}, {kChartTorque, "torque"},
            {kChartMotor, "motor"}, {kChartTemperature, "temperature"},
            {kChartLimit, "limit"}, {kChartInk, "ink"},
            {kChartGrid, "grid"}};
        for (const auto& [colour, name] : names) {
            if (colour == c) return name;
        }
        return "?";
    }
};

// The first three passes of the fixture: use of the limits with the 100 %
// line and the temperature, and Pass 3's motor power, which has no rating,
// as a value beneath; then all of them in a window too low to read, and no
// loads at all.
TEST(LoadsChart, DrawsTheUseOfTheLimitsTheTemperatureAndTheValuesWithoutALimit) {
    const std::vector<PassLoads> loads = testing::millLoadsProject().loads;
    RecordingChart chart;
    paintLoadsChart({loads.begin(), loads.begin() + 3}, {0, 0, 400, 240}, chart);
    chart.drawn += "== too low\n";
    paintLoadsChart(loads, {0, 0, 400, 60}, chart);
    chart.drawn += "== no loads\n";
    paintLoadsChart({}, {0, 0, 400, 240}, chart);
    testing::expectGolden("loads-chart.txt", chart.drawn);
}

}  // namespace
}  // namespace rolvanta
