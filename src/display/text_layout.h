#pragma once

// The measures the text pages are laid out by, in pixels: taken once from the
// window's default font when the main window is created, never again. The
// pages are drawn in another font (a 15-pixel serif) but keep these measures.

namespace rolvanta {

// What the platform reports of the window's default font.
struct FontMeasures {
    int height = 0;           // ascent + descent
    int externalLeading = 0;  // extra room the font asks for between lines
    int averageCharWidth = 0;
    bool variablePitch = false;
};

struct TextLayout {
    int lineHeight = 0;  // one text line: height + external leading
    int charWidth = 0;   // average character width
    int capsWidth = 0;   // width of a capital: 3/2 charWidth for a variable pitch font
    int maxWidth = 0;    // the widest page line allowed for: 40 average characters, 22 capitals
};

// The layout by the default font's measures. Lines are never closer than
// pageFontHeight, the cell height of the font the pages are drawn in, so
// that they cannot overlap whatever default font the desktop has.
TextLayout measureTextMetrics(const FontMeasures& font, int pageFontHeight = 0);

}  // namespace rolvanta
