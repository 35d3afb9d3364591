#pragma once

// Notes the pass view shows beneath the caption of a pass: the design
// warnings of that pass, set whenever the design changes and read by every
// frame (which allocates nothing). Texts are Windows-1252.

#include <string>
#include <vector>

#include "display/line_canvas.h"
#include "engine/project_records.h"

namespace rolvanta {

struct PassNotes {
    std::vector<std::string> lines[kPassTableSize];  // by pass table position
};

// The most notes shown beneath a caption.
constexpr int kShownPassNotes = 3;

// Sets the notes of the pass at position (ignored outside the table): the
// first kShownPassNotes, and a last line saying how many more there are and
// where they are listed ("and 2 more: see Mill Loads").
void setPassNotes(PassNotes& notes, int position, const std::vector<std::string>& texts,
                  const std::string& listedIn);

// The colour of the notes: amber reads on the black background and stands
// apart from the pass colours.
constexpr Rgb kPassNoteColour{255, 190, 0};

}  // namespace rolvanta
