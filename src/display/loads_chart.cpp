#include "display/loads_chart.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace rolvanta {
namespace {

// One of the three loads a stand is checked against.
struct Quantity {
    const char* name;        // in the legend
    const char* valueTitle;  // over its panel of values, where no limit is given
    Rgb colour;
    double PassLoads::*value;
    std::optional<double> PassLoads::*use;
};

const Quantity kQuantities[] = {
    {"Force", "Force [kN], no limit given", kChartForce, &PassLoads::force_kN,
     &PassLoads::forceUse_pct},
    {"Torque", "Torque [kN\u00B7m], no limit given", kChartTorque, &PassLoads::torque_kNm,
     &PassLoads::torqueUse_pct},
    {"Motor power", "Motor power [kW], no rating given", kChartMotor, &PassLoads::motorPower_kW,
     &PassLoads::motorUse_pct},
};
constexpr int kQuantityCount = 3;

// The use axis reaches at least this far, so that the 100 % line never
// lies on the panel's top edge.
constexpr double kLeastUseTop = 110.0;

// Proportions of the layout, in lines of text.
constexpr double kLegendRows = 1.6;
constexpr double kTitleRows = 1.3;
constexpr double kBottomRows = 2.6;  // the pass numbers and the axis title
constexpr double kPanelGap = 0.5;
constexpr double kTickSpacing = 1.8;  // the least room between two tick labels
constexpr double kLeastPlotRows = 2.0;
constexpr double kGroupShare = 0.72;  // of a pass's slot, taken by its bars

// An axis from low to high in steps of step.
struct Axis {
    double low = 0;
    double high = 1;
    double step = 1;
    double span() const { return high - low; }
};

// The round step (1, 2 or 5 times a power of ten) that divides the range
// into at most intervals, with the ends on whole steps.
Axis niceAxis(double low, double high, int intervals) {
    // A value that is not a number draws nothing wrong: the axis stays 0 to 1.
    if (!std::isfinite(low) || !std::isfinite(high)) {
        low = 0;
        high = 1;
    }
    if (!(high > low)) high = low + 1;
    const double raw = (high - low) / std::max(1, intervals);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * power;
    for (const double m : {1.0, 2.0, 5.0}) {
        if (m * power >= raw * (1 - 1e-9)) {
            step = m * power;
            break;
        }
    }
    return {std::floor(low / step + 1e-9) * step, std::ceil(high / step - 1e-9) * step, step};
}

std::string tickText(double value, double step) {
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    return {text, end};
}

std::vector<double> ticksOf(const Axis& axis) {
    std::vector<double> ticks;
    const int count = static_cast<int>(std::lround(axis.span() / axis.step));
    for (int i = 0; i <= count; ++i) ticks.push_back(axis.low + i * axis.step);
    return ticks;
}

double widestTick(const Axis& axis, const ChartCanvas& canvas) {
    double widest = 0;
    for (const double tick : ticksOf(axis)) {
        widest = std::max(widest, canvas.textWidth(tickText(tick, axis.step)));
    }
    return widest;
}

// A panel of bars: the use of the limits (quantity -1) or one quantity's values.
struct Panel {
    int quantity = -1;
    Axis axis;
    double top = 0;  // of its plot
};

bool overLimit(const PassLoads& p) {
    for (const Quantity& q : kQuantities) {
        if ((p.*q.use).value_or(0) > 100) return true;
    }
    return false;
}

class ChartPainter {
  public:
    ChartPainter(const std::vector<PassLoads>& loads, const ChartRect& area, ChartCanvas& canvas)
        : loads_(loads), area_(area), canvas_(canvas), h_(canvas.lineHeight()) {}

    void paint() {
        const int n = static_cast<int>(loads_.size());
        if (n == 0) return;
        bool anyLimit = false;
        bool lacking[kQuantityCount] = {};
        for (const PassLoads& p : loads_) {
            for (int q = 0; q < kQuantityCount; ++q) {
                if (p.*kQuantities[q].use) {
                    anyLimit = true;
                } else {
                    lacking[q] = true;
                }
            }
        }
        if (anyLimit) panels_.push_back({-1, {}, 0});
        for (int q = 0; q < kQuantityCount; ++q) {
            if (lacking[q]) panels_.push_back({q, {}, 0});
        }
        const int count = static_cast<int>(panels_.size());
        plotH_ = (area_.height - (kLegendRows + kBottomRows + count * kTitleRows) * h_ -
                  (count - 1) * kPanelGap * h_) /
                 count;
        const double leastWidth = 12 * h_ + n * h_;
        if (plotH_ < kLeastPlotRows * h_ || area_.width < leastWidth) {
            canvas_.drawText({area_.x + area_.width / 2, area_.y + area_.height / 2},
                             ChartAlign::Centre, kChartInk, "The chart needs a larger window");
            return;
        }

        const int intervals = std::clamp(static_cast<int>(plotH_ / (kTickSpacing * h_)), 1, 6);
        for (Panel& panel : panels_) panel.axis = niceAxis(0, panelTop(panel), intervals);
        double coolest = loads_[0].entryTemperature_C, hottest = coolest;
        for (const PassLoads& p : loads_) {
            coolest = std::min({coolest, p.entryTemperature_C, p.exitTemperature_C});
            hottest = std::max({hottest, p.entryTemperature_C, p.exitTemperature_C});
        }
        if (hottest - coolest < 10) {
            coolest -= 5;
            hottest += 5;
        }
        temperature_ = niceAxis(coolest, hottest, intervals);

        double left = 0;
        for (const Panel& panel : panels_) left = std::max(left, widestTick(panel.axis, canvas_));
        const double right = widestTick(temperature_, canvas_);
        plotX_ = area_.x + left + 0.6 * h_;
        plotW_ = area_.width - left - right - 1.2 * h_;
        slot_ = plotW_ / n;

        paintLegend(anyLimit);
        double y = area_.y + kLegendRows * h_;
        for (std::size_t i = 0; i < panels_.size(); ++i) {
            Panel& panel = panels_[i];
            panel.top = y + kTitleRows * h_;
            paintPanel(panel, i == 0);
            y = panel.top + plotH_ + kPanelGap * h_;
        }
        paintPassNumbers(panels_.back().top + plotH_);
    }

  private:
    double panelTop(const Panel& panel) const {
        double top = panel.quantity < 0 ? kLeastUseTop : 0;
        for (const PassLoads& p : loads_) {
            if (panel.quantity < 0) {
                for (const Quantity& q : kQuantities) top = std::max(top, (p.*q.use).value_or(0));
            } else if (!(p.*kQuantities[panel.quantity].use)) {
                top = std::max(top, p.*kQuantities[panel.quantity].value);
            }
        }
        return top;
    }

    double yOf(const Panel& panel, double value) const {
        return panel.top + plotH_ - (value - panel.axis.low) / panel.axis.span() * plotH_;
    }
    double yOfTemperature(const Panel& panel, double value) const {
        return panel.top + plotH_ - (value - temperature_.low) / temperature_.span() * plotH_;
    }
    double slotX(int pass) const { return plotX_ + pass * slot_; }

    void line(double x1, double y1, double x2, double y2, Rgb colour,
              ChartStroke stroke = ChartStroke::Thin) {
        canvas_.drawPolyline({{x1, y1}, {x2, y2}}, colour, stroke);
    }

    void paintLegend(bool anyLimit) {
        const double baseline = area_.y + h_;
        double x = area_.x;
        const auto label = [&](const char* text, Rgb colour) {
            canvas_.drawText({x, baseline}, ChartAlign::Left, colour, text);
            x += canvas_.textWidth(text) + 1.2 * h_;
        };
        for (const Quantity& q : kQuantities) {
            canvas_.fillRect({x, baseline - 0.7 * h_, 0.9 * h_, 0.7 * h_}, q.colour);
            x += 1.3 * h_;
            label(q.name, kChartInk);
        }
        line(x, baseline - 0.35 * h_, x + 1.3 * h_, baseline - 0.35 * h_, kChartTemperature,
             ChartStroke::Thick);
        x += 1.7 * h_;
        label("Bar temperature", kChartInk);
        if (anyLimit) {
            line(x, baseline - 0.35 * h_, x + 1.3 * h_, baseline - 0.35 * h_, kChartLimit,
                 ChartStroke::Thick);
            x += 1.7 * h_;
            label("Stand's limit (100 %)", kChartInk);
        }
    }

    void paintPanel(const Panel& panel, bool first) {
        const double bottom = panel.top + plotH_, right = plotX_ + plotW_;
        canvas_.drawText({plotX_, panel.top - 0.4 * h_}, ChartAlign::Left, kChartInk,
                         panel.quantity < 0 ? "Use of the stand's limit [%]"
                                            : kQuantities[panel.quantity].valueTitle);
        for (const double tick : ticksOf(panel.axis)) {
            const double y = yOf(panel, tick);
            line(plotX_, y, right, y, kChartGrid);
            canvas_.drawText({plotX_ - 0.3 * h_, y + 0.35 * h_}, ChartAlign::Right, kChartInk,
                             tickText(tick, panel.axis.step));
        }
        const double group = kGroupShare * slot_, bar = group / kQuantityCount;
        for (int j = 0; j < static_cast<int>(loads_.size()); ++j) {
            const PassLoads& p = loads_[j];
            for (int q = 0; q < kQuantityCount; ++q) {
                const std::optional<double> use = p.*kQuantities[q].use;
                if (panel.quantity >= 0 && (q != panel.quantity || use)) continue;
                if (panel.quantity < 0 && !use) continue;
                const double value = panel.quantity < 0 ? *use : p.*kQuantities[q].value;
                const double top = yOf(panel, std::max(value, 0.0));
                canvas_.fillRect({slotX(j) + (slot_ - group) / 2 + q * bar, top, bar, bottom - top},
                                 kQuantities[q].colour);
            }
        }
        line(plotX_, panel.top, plotX_, bottom, kChartInk);
        line(plotX_, bottom, right, bottom, kChartInk);
        if (panel.quantity < 0) {
            line(plotX_, yOf(panel, 100), right, yOf(panel, 100), kChartLimit, ChartStroke::Thick);
        }
        if (!first) return;

        // The bar temperature: up through each pass, down to the next.
        line(right, panel.top, right, bottom, kChartTemperature);
        canvas_.drawText({right, panel.top - 0.4 * h_}, ChartAlign::Right, kChartTemperature,
                         "Bar temperature [\u00B0C]");
        for (const double tick : ticksOf(temperature_)) {
            canvas_.drawText({right + 0.3 * h_, yOfTemperature(panel, tick) + 0.35 * h_},
                             ChartAlign::Left, kChartTemperature,
                             tickText(tick, temperature_.step));
        }
        std::vector<ChartPoint> path;
        for (int j = 0; j < static_cast<int>(loads_.size()); ++j) {
            path.push_back(
                {slotX(j) + 0.1 * slot_, yOfTemperature(panel, loads_[j].entryTemperature_C)});
            path.push_back(
                {slotX(j) + 0.9 * slot_, yOfTemperature(panel, loads_[j].exitTemperature_C)});
        }
        canvas_.drawPolyline(path, kChartTemperature, ChartStroke::Thick);
    }

    void paintPassNumbers(double bottom) {
        // Every pass numbered where there is room, else every other one.
        const double widest = canvas_.textWidth(std::to_string(loads_[0].pass));
        const int every = widest + 0.4 * h_ > slot_ ? 2 : 1;
        for (int j = 0; j < static_cast<int>(loads_.size()); ++j) {
            if (j % every != 0) continue;
            const PassLoads& p = loads_[j];
            canvas_.drawText({slotX(j) + slot_ / 2, bottom + 1.1 * h_}, ChartAlign::Centre,
                             overLimit(p) ? kChartLimit : kChartInk, std::to_string(p.pass));
        }
        canvas_.drawText({plotX_ + plotW_ / 2, bottom + 2.3 * h_}, ChartAlign::Centre, kChartInk,
                         "Pass, in rolling order (red: over a limit)");
    }

    const std::vector<PassLoads>& loads_;
    ChartRect area_;
    ChartCanvas& canvas_;
    double h_;
    std::vector<Panel> panels_;
    Axis temperature_;
    double plotX_ = 0, plotW_ = 0, plotH_ = 0, slot_ = 0;
};

}  // namespace

void paintLoadsChart(const std::vector<PassLoads>& loads, const ChartRect& area,
                     ChartCanvas& canvas) {
    ChartPainter(loads, area, canvas).paint();
}

}  // namespace rolvanta
