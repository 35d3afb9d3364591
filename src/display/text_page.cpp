#include "display/text_page.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>

#include "engine/pass_fields.h"

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

std::string mm(double value) { return fixed(value, 3) + " mm"; }
std::string squareMm(double value) { return fixed(value, 3) + " mm\xB2"; }

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

void paintInputSummary(const Project& project, PagePen& pen) {
    const BeamSection& s = project.section;
    pen.line(0, kTextDarkRed, "FINAL DIMENSIONS OF BEAM  :  " + nameOf(s));
    pen.line(1, kTextBlue, "Web Width             =     " + mm(s.webWidth));
    pen.line(1, kTextBlue, "Web Thickness       =     " + mm(s.webThickness));
    pen.line(1, kTextBlue, "Flange Height         =     " + mm(s.flangeHeight));
    pen.line(1, kTextBlue, "Flange Thickness    =     " + mm(s.flangeThickness));
    pen.line(1, kTextBlue, "Root Radius           =     " + mm(s.rootRadius));
    pen.line(1, kTextBlue, "Tip Radius             =     " + mm(s.tipRadius));
    pen.line(1, kTextBlue, "Flange Slope           =     " + fixed(s.flangeSlope, 3) + " \xB0");
    pen.line(1, kTextBlue, "Mass Of Beam       =     " + fixed(s.mass, 3) + " Kg");
    pen.line(1, kTextBlue, "Length Of Beam     =     " + mm(s.length));
    pen.line(1, kTextBlue, "C / S Area Of Beam     =     " + squareMm(s.area));
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

void paintResults(const Project& project, PagePen& pen) {
    const BeamSection& s = project.section;
    pen.line(0, kTextRed, " R E S U L T S ");
    pen.line(1, kTextBlack, "--------------------");
    pen.line(2, kTextBlue, "Pass 1 (Required Dimensions Before Cooling)");
    pen.line(1, kTextBlack, "-------------------------------------------------------");
    pen.line(1, kTextBlack, "Beam Name                     :     " + nameOf(s));
    pen.line(1, kTextBlack, "Web Width                     =     " + mm(s.webWidth));
    pen.line(1, kTextBlack, "Web Thickness               =     " + mm(s.webThickness));
    pen.line(1, kTextBlack, "Flange Height                 =     " + mm(s.flangeHeight));
    pen.line(1, kTextBlack, "Flange Thickness            =     " + mm(s.flangeThickness));
    pen.line(1, kTextBlack, "Root Radius                    =     " + mm(s.rootRadius));
    pen.line(1, kTextBlack, "Tip Radius                      =     " + mm(s.tipRadius));
    pen.line(1, kTextBlack, "Live Flange Height          =     " + mm(s.liveFlangeHeight));
    pen.line(1, kTextBlack, "Dead Flange Height         =     " + mm(s.deadFlangeHeight));
    pen.line(1, kTextBlack, "Root Thickness               =     " + mm(s.rootThickness));
    pen.line(1, kTextBlack, "Tip Thickness                 =     " + mm(s.tipThickness));
    pen.line(2, kTextBlack,
             "Flange Slope                    =     " + fixed(s.flangeSlope, 1) + " \xB0");
    pen.line(1, kTextBlack, "Mass Of Beam                =     " + fixed(s.mass, 3) + " Kg");
    pen.line(1, kTextBlack, "Length Of Beam              =     " + mm(s.length));
    pen.line(1, kTextBlack, "Number Of Passes           =     " + std::to_string(s.passCount));
    pen.line(1, kTextBlack,
             "Temperature                    =     " + fixed(s.temperature, 3) +
                 " \xB0"
                 "C");
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
