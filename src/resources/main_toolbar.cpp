#include "resources/main_toolbar.h"

#include "resources/command_ids.h"

namespace rolvanta {

const std::array<ToolbarEntry, kToolbarEntryCount>& mainToolbar() {
    static constexpr ToolbarEntry kSeparator{true, 0, 0, ""};
    static const std::array<ToolbarEntry, kToolbarEntryCount> toolbar = {{
        {false, kTileBlankSheet, kButtonNewFile, "New File"},
        {false, kTileOpeningFolder, kButtonOpenFile, "Open File"},
        {false, kTileDiskette, kButtonSaveFile, "Save File"},
        kSeparator,
        {false, kTileBook, kButtonStandardProfiles, "Standard Profiles"},
        {false, kTileHandWithPen, kButtonCustomProfiles, "Custom Profiles"},
        {false, kTileLambda, kButtonCoefficients, "Coefficients"},
        {false, kTileBeamOutlines, kButtonSetup, "Setup"},
        {false, kTileRollStand, kButtonMill, "Mill"},
        kSeparator,
        {false, kTileLetterC, kButtonCompute, "Compute"},
        {false, kTileLetterT, kButtonTextMode, "Text Mode"},
        {false, kTileLetterGInDiamond, kButtonGraphicsMode, "Graphics Mode"},
        {false, kTileTable, kButtonScheduleTable, "Schedule Table"},
        {false, kTileMillLoads, kButtonMillLoads, "Mill Loads"},
        kSeparator,
        {false, kTileQuestionMark, kButtonHelp, "Help"},
    }};
    return toolbar;
}

}  // namespace rolvanta
