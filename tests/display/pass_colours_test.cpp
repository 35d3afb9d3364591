#include <gtest/gtest.h>

#include "display/pass_colours.h"

namespace rolvanta {
namespace {

// The fifteen entries are pinned by the pass view's golden display lists.
TEST(PassColours, PositionsOutsideTheTableTakeTheNearestEntry) {
    const PassColours colours = makePassColours();
    const struct {
        int position;
        int entry;
    } cases[] = {{-1, 0}, {-2147483647 - 1, 0}, {15, 14}, {2147483647, 14}, {7, 7}};
    for (const auto& c : cases) {
        EXPECT_EQ(passColour(colours, c.position), colours.entries[c.entry]) << c.position;
    }
}

}  // namespace
}  // namespace rolvanta
