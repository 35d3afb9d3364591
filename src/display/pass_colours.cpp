#include "display/pass_colours.h"

#include <algorithm>
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

}  // namespace rolvanta
