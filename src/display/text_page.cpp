#include "display/text_page.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>

#include "engine/pass_fields.h"
#include "engine/section_fields.h"

namespace rolvanta {
namespace {

// Page margins in pixels; the first line sits one line below them.
constexpr int kWelcomeMarginX = 260;
constexpr int kWelcomeMarginY = 50;
constexpr int kPageMargin = 25;

// printf's "%.Nf" without its dependence on the user's locale.
std::string fixed(double value, int decimals) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) return "0";  // only a value beyond 1e60 could get here
    return std::string(buffer, result.ptr);
}

// A value with its unit as the pages write it: kilograms as "Kg".
std::string withUnit(double value, int decimals, FieldUnit unit) {
    return fixed(value, decimals) + " " + (unit == FieldUnit::Kilogram ? "Kg" : unitSymbol(unit));
}

// "Web Width" + blanks + "=     ": the blanks line the signs up roughly in
// the page's proportional font.
std::string pageLabel(const char* label, int blanks) {
    return std::string(label) + std::string(blanks, ' ') + "=     ";
}

std::string nameOf(const BeamSection& section) {
    return std::string(section.name, strnlen(section.name, sizeof section.name));
}

// Draws lines one below the other; advance() moves down by whole lines.
class PagePen {
  public:
    PagePen(TextSurface& surface, const TextLayout& layout, int marginX, int marginY,
            TextOffset offset)
        : surface_(surface),
          lineHeight_(layout.lineHeight),
          x_(marginX + layout.charWidth * (1 - offset.horizontal)),
          y_(marginY + layout.lineHeight * (1 - offset.vertical)) {}

    void advance(int lines) { y_ += lines * lineHeight_; }

    void line(int advanceBefore, TextColour colour, const std::string& text) {
        advance(advanceBefore);
        surface_.drawText(x_, y_, colour, text);
    }

  private:
    TextSurface& surface_;
    int lineHeight_;
    int x_;
    int y_;
};

void paintWelcomePage(PagePen& pen) {
    pen.line(0, kTextBlue, " ROLVANTA Roll Profile Generation For I-Beams");
}

// The finished section as the input summary lists it, the blanks after each
// label, and the label where the page shortens the field's own.
struct SummaryLine {
    float BeamSection::*member;
    int blanks;
    const char* label = nullptr;
};
constexpr SummaryLine kSummaryLines[] = {
    {&BeamSection::webWidth, 13},    {&BeamSection::webThickness, 7},
    {&BeamSection::flangeHeight, 9}, {&BeamSection::flangeThickness, 4},
    {&BeamSection::rootRadius, 11},  {&BeamSection::tipRadius, 13},
    {&BeamSection::flangeSlope, 11}, {&BeamSection::mass, 7},
    {&BeamSection::length, 5},       {&BeamSection::area, 5, "C / S Area Of Beam"},
};

void paintInputSummary(const Project& project, PagePen& pen) {
    const BeamSection& s = project.section;
    pen.line(0, kTextDarkRed, "FINAL DIMENSIONS OF BEAM  :  " + nameOf(s));
    for (const SummaryLine& line : kSummaryLines) {
        const SectionField& field = sectionField(line.member);
        pen.line(1, kTextBlue,
                 pageLabel(line.label != nullptr ? line.label : field.label, line.blanks) +
                     withUnit(s.*line.member, 3, field.unit));
    }
    pen.advance(2);
    if (project.flags.setupDone) {
        pen.line(0, kTextDarkRed, "SETUP");
        pen.line(1, kTextBlue, "Number Of Passes Chosen = " + std::to_string(s.passCount));
        pen.line(1, kTextBlue,
                 "Temperature    = " + fixed(s.temperature, 0) +
                     " \xBA"
                     "C");
        pen.advance(2);
    }
}

// Blanks between each field's label and its "=" on the results page, in
// record order: they line the signs up roughly in the page's proportional font.
constexpr int kBlanksAfterPassLabel[kPassFieldCount] = {31, 29, 23, 19, 16, 10, 3,
                                                        1,  20, 17, 11, 4,  2,  14};

void paintPassBlock(int passNumber, const PassRecord& r, PagePen& pen) {
    pen.line(0, kTextBlue, "Pass " + std::to_string(passNumber));
    for (int f = 0; f < kPassFieldCount; ++f) {
        const PassField& field = kPassFields[f];
        pen.line(1, kTextBlack,
                 std::string(field.label) + std::string(kBlanksAfterPassLabel[f], ' ') + "=     " +
                     fixed(r.*field.member, 3) + " " + unitSymbol(field.unit));
    }
    pen.advance(2);
}

// Blanks after each label of Pass 1 on the results page, in
// kReportSectionOrder.
constexpr int kBlanksAfterSectionLabel[kReportSectionFieldCount] = {21, 15, 17, 12, 20, 22, 10,
                                                                    9,  15, 17, 20, 16, 14, 20};
constexpr int kBlanksAfterPassCountLabel = 11;

void paintResults(const Project& project, PagePen& pen) {
    const BeamSection& s = project.section;
    pen.line(0, kTextRed, " R E S U L T S ");
    pen.line(1, kTextBlack, "--------------------");
    pen.line(2, kTextBlue, "Pass 1 (Required Dimensions Before Cooling)");
    pen.line(1, kTextBlack, "-------------------------------------------------------");
    pen.line(1, kTextBlack, "Beam Name                     :     " + nameOf(s));
    for (std::size_t i = 0; i < kReportSectionFieldCount; ++i) {
        const SectionField& field = sectionField(kReportSectionOrder[i]);
        if (field.member == &BeamSection::temperature) {
            pen.line(1, kTextBlack,
                     pageLabel(kPassCountLabel, kBlanksAfterPassCountLabel) +
                         std::to_string(s.passCount));
        }
        // The slope, to a tenth of a degree, stands apart from the lengths.
        const bool slope = field.member == &BeamSection::flangeSlope;
        pen.line(slope ? 2 : 1, kTextBlack,
                 pageLabel(field.label, kBlanksAfterSectionLabel[i]) +
                     withUnit(s.*field.member, slope ? 1 : 3, field.unit));
    }
    pen.advance(2);
    // Record i is pass i + 2.
    for (int i = 0; i < shownPassRecordCount(s); ++i) {
        paintPassBlock(i + 2, project.passes.records[i], pen);
    }
}

}  // namespace

TextPage chooseTextPage(const ProjectFlags& flags, DisplayMode mode) {
    if (mode == DisplayMode::PassView) return TextPage::None;
    if (flags.computed) return TextPage::Results;
    if (!flags.customEntered && !flags.standardChosen) return TextPage::Welcome;
    if (flags.customEntered || flags.standardChosen) return TextPage::InputSummary;
    return TextPage::None;
}

TextPage paintTextPage(const Project& project, DisplayMode mode, const TextLayout& layout,
                       TextOffset offset, TextSurface& surface) {
    const TextPage page = chooseTextPage(project.flags, mode);
    switch (page) {
        case TextPage::Welcome: {
            PagePen pen(surface, layout, kWelcomeMarginX, kWelcomeMarginY, offset);
            paintWelcomePage(pen);
            break;
        }
        case TextPage::InputSummary: {
            PagePen pen(surface, layout, kPageMargin, kPageMargin, offset);
            paintInputSummary(project, pen);
            break;
        }
        case TextPage::Results: {
            PagePen pen(surface, layout, kPageMargin, kPageMargin, offset);
            paintResults(project, pen);
            break;
        }
        case TextPage::None:
            break;
    }
    return page;
}

PixelSize textPageSize(const Project& project, DisplayMode mode, const TextLayout& layout) {
    // Where the lines fall, found by drawing them nowhere.
    class Bounds : public TextSurface {
      public:
        void drawText(int x, int y, TextColour, std::string_view) override {
            right = std::max(right, x);
            bottom = std::max(bottom, y);
            drawn = true;
        }
        int right = 0;
        int bottom = 0;
        bool drawn = false;
    } bounds;
    paintTextPage(project, mode, layout, {}, bounds);
    if (!bounds.drawn) return {};
    return {bounds.right + layout.maxWidth, bounds.bottom + layout.lineHeight};
}

}  // namespace rolvanta
