#pragma once

// The serif the text pages and the pass view write in: "Times", or a face
// of the same measures where Times itself is not installed (Liberation
// Serif on Debian). Sized as window systems size a font by its height: the
// cell (ascent + descent) is at most the height given.

#include <QFont>

namespace rolvanta {

QFont timesFont(int cellHeight);

}  // namespace rolvanta
