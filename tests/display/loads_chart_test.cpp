#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "display/loads_chart.h"
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
        const struct {
            Rgb colour;
            const char* name;
        } names[] = {{kChartForce, "force"}, {kChartTorque, "torque"},
                     {kChartMotor, "motor"}, {kChartTemperature, "temperature"},
                     {kChartLimit, "limit"}, {kChartInk, "ink"},
                     {kChartGrid, "grid"}};
        for (const auto& n : names) {
            if (n.colour == c) return n.name;
        }
        return "?";
    }
};

// The first three passes of the fixture: use of the limits with the 100 %
// line and the temperature, and Pass 3's motor power, which has no rating,
// as a value beneath.
TEST(LoadsChart, DrawsTheUseOfTheLimitsTheTemperatureAndTheValuesWithoutALimit) {
    std::vector<PassLoads> loads = testing::millLoadsProject().loads;
    loads.resize(3);
    RecordingChart chart;
    paintLoadsChart(loads, {0, 0, 400, 240}, chart);
    EXPECT_EQ(
        chart.drawn,
        "rect 0.0 3.0 9.0 7.0 force\n"
        "text 13.0,10.0 L ink Force\n"
        "rect 55.0 3.0 9.0 7.0 torque\n"
        "text 68.0,10.0 L ink Torque\n"
        "rect 116.0 3.0 9.0 7.0 motor\n"
        "text 129.0,10.0 L ink Motor power\n"
        "THICK 207.0,6.5 220.0,6.5 temperature\n"
        "text 224.0,10.0 L ink Bar temperature\n"
        "THICK 326.0,6.5 339.0,6.5 limit\n"
        "text 343.0,10.0 L ink Stand's limit (100 %)\n"
        "text 24.0,25.0 L ink Use of the stand's limit [%]\n"
        "line 24.0,112.5 370.0,112.5 grid\n"
        "text 21.0,116.0 R ink 0\n"
        "line 24.0,84.7 370.0,84.7 grid\n"
        "text 21.0,88.2 R ink 50\n"
        "line 24.0,56.8 370.0,56.8 grid\n"
        "text 21.0,60.3 R ink 100\n"
        "line 24.0,29.0 370.0,29.0 grid\n"
        "text 21.0,32.5 R ink 150\n"
        "rect 40.1 70.5 27.7 42.0 force\n"
        "rect 67.8 77.1 27.7 35.4 torque\n"
        "rect 95.5 91.0 27.7 21.5 motor\n"
        "rect 155.5 65.6 27.7 46.9 force\n"
        "rect 183.2 71.3 27.7 41.2 torque\n"
        "rect 210.8 81.9 27.7 30.6 motor\n"
        "rect 270.8 51.9 27.7 60.6 force\n"
        "rect 298.5 66.3 27.7 46.2 torque\n"
        "line 24.0,29.0 24.0,112.5 ink\n"
        "line 24.0,112.5 370.0,112.5 ink\n"
        "THICK 24.0,56.8 370.0,56.8 limit\n"
        "line 370.0,29.0 370.0,112.5 temperature\n"
        "text 370.0,25.0 R temperature Bar temperature [°C]\n"
        "text 373.0,116.0 L temperature 1080\n"
        "text 373.0,95.1 L temperature 1100\n"
        "text 373.0,74.2 L temperature 1120\n"
        "text 373.0,53.4 L temperature 1140\n"
        "text 373.0,32.5 L temperature 1160\n"
        "THICK 35.5,39.4 127.8,48.5 150.9,74.2 243.1,81.0 266.2,100.1 358.5,104.7 temperature\n"
        "text 24.0,126.5 L ink Motor power [kW], no rating given\n"
        "line 24.0,214.0 370.0,214.0 grid\n"
        "text 21.0,217.5 R ink 0\n"
        "line 24.0,193.1 370.0,193.1 grid\n"
        "text 21.0,196.6 R ink 200\n"
        "line 24.0,172.2 370.0,172.2 grid\n"
        "text 21.0,175.8 R ink 400\n"
        "line 24.0,151.4 370.0,151.4 grid\n"
        "text 21.0,154.9 R ink 600\n"
        "line 24.0,130.5 370.0,130.5 grid\n"
        "text 21.0,134.0 R ink 800\n"
        "rect 326.2 136.7 27.7 77.3 motor\n"
        "line 24.0,130.5 24.0,214.0 ink\n"
        "line 24.0,214.0 370.0,214.0 ink\n"
        "text 81.7,225.0 C ink 5\n"
        "text 197.0,225.0 C ink 4\n"
        "text 312.3,225.0 C limit 3\n"
        "text 197.0,237.0 C ink Pass, in rolling order (red: over a limit)\n");
}

TEST(LoadsChart, SaysSoWhereItCannotBeRead) {
    RecordingChart chart;
    paintLoadsChart(testing::millLoadsProject().loads, {0, 0, 400, 60}, chart);
    EXPECT_EQ(chart.drawn, "text 200.0,30.0 C ink The chart needs a larger window\n");
    RecordingChart none;
    paintLoadsChart({}, {0, 0, 400, 240}, none);
    EXPECT_EQ(none.drawn, "");
}

}  // namespace
}  // namespace rolvanta
