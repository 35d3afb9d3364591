#include "display/text_page.h"

#include <charconv>
#include <cstring>
#include <string>

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
    // The slope is in degrees; the page has always labelled it mm.
    pen.line(1, kTextBlue, "Flange Slope           =     " + mm(s.flangeSlope));
    pen.line(1, kTextBlue, "Mass Of Beam       =     " + fixed(s.mass, 3) + " Kg");
    pen.line(1, kTextBlue, "Length Of Beam     =     " + mm(s.length));
    pen.line(1, kTextBlue, "C / S Area Of Beam     =     " + squareMm(s.area));
    pen.advance(2);
    if (project.flags.setupDone) {
        pen.line(0, kTextDarkRed, "SETUP");
        pen.line(1, kTextBlue, "Number Of Passes Chosen = " + std::to_string(s.passCount));
        pen.line(1, kTextBlue,
                 "Temperarure    = " + fixed(s.temperature, 0) +
                     " \xBA"
                     "C");
        pen.advance(2);
    }
}

void paintPassBlock(int passNumber, const PassRecord& r, PagePen& pen) {
    pen.line(0, kTextBlue, "Pass " + std::to_string(passNumber));
    pen.line(1, kTextBlack, "Web Area                               =     " + squareMm(r.webArea));
    pen.line(1, kTextBlack, "Pass Width                             =     " + mm(r.passWidth));
    pen.line(1, kTextBlack, "Web Thickness                       =     " + mm(r.webThickness));
    pen.line(1, kTextBlack,
             "Dead Flange Area                   =     " + squareMm(r.deadFlangeArea));
    pen.line(1, kTextBlack, "Dead Flange Height                =     " + mm(r.deadFlangeHeight));
    pen.line(1, kTextBlack, "Dead Flange Thickness          =     " + mm(r.deadFlangeThickness));
    pen.line(1, kTextBlack, "Dead Flange Tip Thickness   =     " + mm(r.deadFlangeTip));
    pen.line(1, kTextBlack, "Dead Flange Root Thickness =     " + mm(r.deadFlangeRoot));
    pen.line(1, kTextBlack,
             "Live Flange Area                    =     " + squareMm(r.liveFlangeArea));
    pen.line(1, kTextBlack, "Live Flange Height                 =     " + mm(r.liveFlangeHeight));
    pen.line(1, kTextBlack, "Live Flange Thickness           =     " + mm(r.liveFlangeThickness));
    pen.line(1, kTextBlack, "Live Flange Tip Thickness    =     " + mm(r.liveFlangeTip));
    pen.line(1, kTextBlack, "Live Flange Root Thickness  =     " + mm(r.liveFlangeRoot));
    pen.line(1, kTextBlack,
             "Cross Sectional Area              =     " + squareMm(r.crossSectionArea));
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
    // Record i is pass i + 2; the last record the schedule computes is not
    // listed. The table bounds a pass count read from a damaged file.
    const int blocks = std::min(s.passCount - 1, kPassTableSize);
    for (int i = 0; i < blocks; ++i) paintPassBlock(i + 2, project.passes.records[i], pen);
}

}  // namespace

TextPage chooseTextPage(const ProjectFlags& flags, int graphicsMode) {
    if (graphicsMode == 1) return TextPage::None;
    if (flags.computed) return TextPage::Results;
    if (!flags.customEntered && !flags.standardChosen) return TextPage::Welcome;
    if (flags.customEntered || flags.standardChosen) return TextPage::InputSummary;
    return TextPage::None;
}

TextPage paintTextPage(const Project& project, int graphicsMode, const TextLayout& layout,
                       TextOffset offset, TextSurface& surface) {
    const TextPage page = chooseTextPage(project.flags, graphicsMode);
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

}  // namespace rolvanta
