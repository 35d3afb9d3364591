#include "display/pass_view.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

namespace rolvanta {

namespace {
constexpr float kLineWidth = 1.5f;
constexpr Rgb kPanelColour{64, 128, 128};
constexpr Rgb kSeparatorGrey{128, 128, 128};
// Where the caption's baseline starts, in the drawing space.
constexpr OutlinePoint kCaptionPosition{400.0f, 100.0f};
// Overview viewports beyond this would be refused by the renderer anyway.
constexpr double kLargestViewport = 16384.0;

// A label followed by a number, formatted as "%.2f" or "%d" would in the C
// locale (the view shows "." as the decimal point whatever the user's
// locale), in a buffer on the stack: frames allocate nothing.
class LabelText {
  public:
    explicit LabelText(std::string_view label) {
        std::memcpy(buffer_, label.data(), label.size());
        length_ = label.size();
    }
    LabelText& fixed2(double value) {
        return append(std::to_chars(buffer_ + length_, buffer_ + sizeof buffer_, value,
                                    std::chars_format::fixed, 2));
    }
    LabelText& integer(int value) {
        return append(std::to_chars(buffer_ + length_, buffer_ + sizeof buffer_, value));
    }
    std::string_view text() const { return {buffer_, length_}; }

  private:
    LabelText& append(std::to_chars_result result) {
        // A float has at most 39 integer digits, far inside the buffer.
        if (result.ec == std::errc()) length_ = static_cast<std::size_t>(result.ptr - buffer_);
        return *this;
    }

    char buffer_[96];
    std::size_t length_ = 0;
};

struct PanelLine {
    float y;
    std::string_view label;
    float PassRecord::*value;
};

constexpr PanelLine kPanelLines[] = {
    {900, "WEB WIDTH : ", &PassRecord::passWidth},
    {850, "WEB THICKNESS :", &PassRecord::webThickness},
    {800, "WEB AREA : ", &PassRecord::webArea},
    {750, "DEAD FLANGE HEIGHT : ", &PassRecord::deadFlangeHeight},
    {700, "DEAD FLANGE THICKNESS : ", &PassRecord::deadFlangeThickness},
    {650, "DEAD FLANGE ROOT : ", &PassRecord::deadFlangeRoot},
    {600, "DEAD FLANGE TIP : ", &PassRecord::deadFlangeTip},
    {550, "DEAD FLANGE AREA : ", &PassRecord::deadFlangeArea},
    {500, "LIVE FLANGE HEIGHT : ", &PassRecord::liveFlangeHeight},
    {450, "LIVE FLANGE THICKNESS : ", &PassRecord::liveFlangeThickness},
    {400, "LIVE FLANGE ROOT : ", &PassRecord::liveFlangeRoot},
    {350, "LIVE FLANGE TIP : ", &PassRecord::liveFlangeTip},
    {300, "LIVE FLANGE AREA : ", &PassRecord::liveFlangeArea},
};
constexpr float kPanelLeft = 5.0f;

void drawSinglePass(LineCanvas& canvas, const Project& project, int index,
                    const PassColours& colours) {
    const int position = index - 1;
    // The cursor's own bounds keep it inside the table; a cursor that was
    // set some other way shows nothing rather than memory past the table.
    if (position < 0 || position >= kPassTableSize) return;
    const PassRecord& record = project.passes.records[position];
    const SectionOutline outline = computeSectionOutline(position, record);

    canvas.setViewport(0, 0, 100, 500);
    drawDimensionPanel(canvas, record);

    canvas.setViewport(100, 0, 900, 1000);
    drawPanelSeparator(canvas);

    // The caption takes the outline's colour.
    canvas.setColour(passColour(colours, position));
    drawSectionOutline(canvas, outline);
    canvas.drawText(TextFont::caption, kCaptionPosition,
                    LabelText("PASS : ").integer(position + 2).text());
}

void drawOverview(LineCanvas& canvas, const Project& project, const PassColours& colours) {
    // Every record the schedule computed, one more than the single-pass view
    // reaches: the pass that enters the first stand of the mill.
    const int count = scheduledRecordCount(project.section);
    const int size = overviewViewportSize(project.section);
    for (int position = 0; position < count; ++position) {
        const SectionOutline outline =
            computeSectionOutline(position, project.passes.records[position]);
        canvas.setColour(passColour(colours, position));
        canvas.setViewport(0, 0, size, size);
        drawSectionOutline(canvas, outline);
    }
}
}  // namespace

void renderPassView(LineCanvas& canvas, const Project& project, const PassViewCursor& cursor,
                    const PassColours& colours) {
    canvas.clear();
    if (passViewHint(project) != nullptr) return;
    canvas.pushMatrix();
    canvas.setLineWidth(kLineWidth);
    if (cursor.overview) {
        drawOverview(canvas, project, colours);
    } else {
        drawSinglePass(canvas, project, cursor.index, colours);
    }
    canvas.popMatrix();
}

const char* passViewHint(const Project& project) {
    if (project.flags.computed) return nullptr;
    return "Nothing computed yet: choose a profile, then Solve › Compute draws its passes here";
}

void drawDimensionPanel(LineCanvas& canvas, const PassRecord& record) {
    canvas.pushMatrix();
    canvas.setColour(kPanelColour);
    canvas.drawText(TextFont::label, {kPanelLeft, 950}, "   ( ALL DIMENSIONS IN MM )");
    for (const PanelLine& line : kPanelLines) {
        canvas.drawText(TextFont::label, {kPanelLeft, line.y},
                        LabelText(line.label).fixed2(record.*line.value).text());
    }
    canvas.popMatrix();
}

void drawPanelSeparator(LineCanvas& canvas) {
    canvas.pushMatrix();
    canvas.setColour(kSeparatorGrey);
    canvas.drawLine({105, 0}, {105, 2000});
    canvas.popMatrix();
}

void drawSectionOutline(LineCanvas& canvas, const SectionOutline& outline) {
    canvas.pushMatrix();
    canvas.drawLineLoop(outline.points, kOutlinePointCount);
    canvas.popMatrix();
}

int overviewViewportSize(const BeamSection& section) {
    // The web width's millimetres taken as pixels, truncated towards zero.
    const double side = double{section.webWidth} + 100.0;
    if (!(side > 0.0)) return 0;
    return static_cast<int>(std::fmin(side, kLargestViewport));
}

}  // namespace rolvanta
