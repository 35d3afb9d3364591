#include <gtest/gtest.h>

#include "display/pass_colours.h"

namespace rolvanta {
namespace {

TEST(PassColours, TableFromTheRuntimeSequence) {
    const Rgb expected[kPassTableSize] = {
        {130, 17, 70},  {181, 232, 0},  {40, 253, 16},  {79, 23, 1},    {184, 132, 85},
        {57, 201, 23},  {57, 89, 76},   {50, 215, 104}, {224, 162, 51}, {244, 181, 6},
        {16, 145, 133}, {164, 50, 154}, {65, 6, 27},    {129, 68, 161}, {249, 27, 93},
    };
    const PassColours colours = makePassColours();
    for (int position = 0; position < kPassTableSize; ++position) {
        EXPECT_EQ(colours.entries[position], expected[position]) << "position " << position;
    }
}

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
