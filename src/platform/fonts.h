#pragma once

// The faces the program writes in, asked for by name so that it looks the
// same on every machine: Liberation Serif for the text pages and the pass
// view, Liberation Sans for the dialogs (both from Debian's
// fonts-liberation, which scripts/install-deps installs). A machine without
// them gets the nearest face the font system offers.

#include <QFont>

namespace rolvanta {

// The serif, sized as window systems size a font by its height: the cell
// (ascent + descent) is at most the height given.
QFont serifFont(int cellHeight);

// The serif with the given em size in pixels, as the pass view uses it.
QFont serifFontOfEm(int pixels);

// The sans-serif of the dialogs at a size in points.
QFont sansFont(int pointSize);

}  // namespace rolvanta
