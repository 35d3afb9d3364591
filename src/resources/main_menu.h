#pragma once

// Menu MAINMENU as the resource script holds it: popups, items and
// separators in order, texts exactly as stored ("&" marks the mnemonic, "\t"
// is a tab). Plain data; the desktop program builds its menu bar from it.

#include <vector>

namespace rolvanta {

enum class MenuEntryKind { Item, Separator, Popup };

struct MenuEntry {
    MenuEntryKind kind = MenuEntryKind::Item;
    const char* text = "";           // Windows-1252; empty for a separator
    int command = 0;                 // items only
    std::vector<MenuEntry> entries;  // popups only
};

// The four top-level popups: File, Inputs, Solve, Help.
const std::vector<MenuEntry>& mainMenu();

}  // namespace rolvanta
