#include "display/pass_notes.h"

namespace rolvanta {

namespace {
// Amber reads on the black background and stands apart from the pass colours.
constexpr Rgb kNoteColour{255, 190, 0};
// Beneath the caption at (400, 100) of the drawing space, one label line apart.
constexpr float kNotesLeft = 400.0f;
constexpr float kFirstNoteY = 72.0f;
constexpr float kNoteSpacing = 22.0f;
}  // namespace

void setPassNotes(PassNotes& notes, int position, const std::vector<std::string>& texts) {
    if (position < 0 || position >= kPassTableSize) return;
    std::vector<std::string>& lines = notes.lines[position];
    lines.clear();
    for (const std::string& text : texts) {
        if (static_cast<int>(lines.size()) == kShownPassNotes) {
            const std::size_t more = texts.size() - lines.size();
            lines.push_back("and " + std::to_string(more) + " more: see the Schedule Table");
            break;
        }
        lines.push_back(text);
    }
}

void drawPassNotes(LineCanvas& canvas, const PassNotes& notes, int position) {
    if (position < 0 || position >= kPassTableSize) return;
    const std::vector<std::string>& lines = notes.lines[position];
    if (lines.empty()) return;
    canvas.pushMatrix();
    canvas.setViewport(100, 0, 900, 1000);
    canvas.setColour(kNoteColour);
    float y = kFirstNoteY;
    for (const std::string& line : lines) {
        canvas.drawText(TextFont::label, {kNotesLeft, y}, line);
        y -= kNoteSpacing;
    }
    canvas.popMatrix();
}

}  // namespace rolvanta
