#pragma once

// The text pages of the main window: a welcome line before any section is
// given, the input summary of the section and setup, and the results page of
// the computed schedule. The page is chosen anew at every paint from the
// project flags. Lines are Windows-1252 text, each drawn with its top-left
// corner at a pixel position of the client area; numbers always use "." as
// decimal point.

#include <cstdint>
#include <string_view>

#include "display/display_mode.h"
#include "display/text_layout.h"
#include "display/text_scroll.h"
#include "engine/project_records.h"

namespace rolvanta {

struct TextColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(TextColour a, TextColour b) {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
};

constexpr TextColour kTextRed{255, 0, 0};
constexpr TextColour kTextBlack{0, 0, 0};
constexpr TextColour kTextBlue{0, 0, 255};
constexpr TextColour kTextDarkRed{128, 0, 0};

// Where the pages are drawn: the desktop program paints on its client area,
// tests record the calls.
class TextSurface {
  public:
    virtual ~TextSurface() = default;
    // text is Windows-1252; (x, y) is the top-left corner of its first cell.
    virtual void drawText(int x, int y, TextColour colour, std::string_view text) = 0;
};

enum class TextPage { None, Welcome, InputSummary, Results };

// The page the project's state calls for. While the pass view is shown it
// covers the window and no page is painted.
TextPage chooseTextPage(const ProjectFlags& flags, DisplayMode mode);

// Scroll positions: lines down, average characters to the right.
struct TextOffset {
    int vertical = 0;
    int horizontal = 0;
};

// Draws the page the state calls for; returns which one it was.
TextPage paintTextPage(const Project& project, DisplayMode mode, const TextLayout& layout,
                       TextOffset offset, TextSurface& surface);

// The size of the page the state calls for, unscrolled: down to the bottom of
// its last line, and across to its margin plus the widest line the layout
// allows for. Nothing when no page is shown.
PixelSize textPageSize(const Project& project, DisplayMode mode, const TextLayout& layout);

}  // namespace rolvanta
