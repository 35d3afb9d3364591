#pragma once

// The main toolbar as the resource script holds it: 17 entries, buttons and
// separators, each button with its tile in the toolbar bitmap strip (14
// tiles of 16 x 15 pixels, 224 x 15 in all), its command and its tooltip.

#include <array>

namespace rolvanta {

// Tiles of the toolbar bitmap strip, left to right.
enum ToolbarTile : int {
    kTileBlankSheet = 0,
    kTileOpeningFolder = 1,
    kTileDiskette = 2,
    kTileBook = 3,
    kTileHandWithPen = 4,
    kTileLambda = 5,
    kTileBeamOutlines = 6,
    kTileLetterC = 7,
    kTileLetterT = 8,
    kTileLetterGInDiamond = 9,
    kTileQuestionMark = 10,
    kTileTable = 11,
    kTileMillLoads = 12,
    kTileRollStand = 13,
};
constexpr int kToolbarTileCount = 14;
constexpr int kToolbarTileWidth = 16;
constexpr int kToolbarTileHeight = 15;

struct ToolbarEntry {
    bool separator = false;
    int tile = 0;              // bitmap index; 0 for a separator
    int command = 0;           // 0 for a separator
    const char* tooltip = "";  // empty for a separator
};

constexpr int kToolbarEntryCount = 17;

// The entries in position order.
const std::array<ToolbarEntry, kToolbarEntryCount>& mainToolbar();

}  // namespace rolvanta
