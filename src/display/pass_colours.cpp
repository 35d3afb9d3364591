#include "display/pass_colours.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace rolvanta {

namespace {
// The linear congruential generator of the classic C runtime: 32-bit state,
// multiplied by 22695477 plus 1 at each step; a value is bits 16 to 30 of
// the new state.
class RuntimeRandom {
  public:
    explicit RuntimeRandom(std::uint32_t seed) : state_(seed) {}

    int next() {
        state_ = state_ * 22695477u + 1u;
        return static_cast<int>((state_ >> 16) & 0x7FFFu);
    }

  private:
    std::uint32_t state_;
};
}  // namespace

PassColours makePassColours() {
    // Seeded with 1 at start-up, where one value was drawn before the table.
    RuntimeRandom random(1);
    random.next();

    PassColours colours{};
    const auto channel = [&random] { return static_cast<std::uint8_t>(random.next() % 255); };
    for (Rgb& colour : colours.entries) {
        colour.red = channel();
        colour.green = channel();
        colour.blue = channel();
    }
    return colours;
}

Rgb passColour(const PassColours& colours, int position) {
    return colours.entries[std::clamp(position, 0, kPassTableSize - 1)];
}

namespace {
double linearChannel(std::uint8_t value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(Rgb colour) {
    return 0.2126 * linearChannel(colour.red) + 0.7152 * linearChannel(colour.green) +
           0.0722 * linearChannel(colour.blue);
}
}  // namespace

double contrastRatio(Rgb a, Rgb b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb lightenedToContrast(Rgb colour, Rgb background, double ratio) {
    const auto towardsWhite = [](std::uint8_t value, int step) {
        return static_cast<std::uint8_t>(value + (255 - value) * step / 255);
    };
    for (int step = 0; step < 255; ++step) {
        const Rgb mixed{towardsWhite(colour.red, step), towardsWhite(colour.green, step),
                        towardsWhite(colour.blue, step)};
        if (contrastRatio(mixed, background) >= ratio) return mixed;
    }
    return {255, 255, 255};
}

}  // namespace rolvanta
