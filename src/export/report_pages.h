#pragma once

// The printed report, laid out once for the PDF export and for printing and
// painted by the Qt side through a PageCanvas. The pages:
// - every page: a header with the program, the beam name, the file name and
//   the date, and "Page i of n" at its foot;
// - first: the section required at rolling temperature ("Pass 1") and the
//   passes the report lists (passes 2 to passCount), with the report's
//   labels and units and each pass's elongation, reduction and total
//   elongation, as tables of up to six passes, fields down and passes
//   across, continued on further pages when they do not fit; then the
//   "Design checks": every warning of the design and of the mill loads, or
//   "No warnings";
// - then the drawing: every pass outline at one scale stated on the page,
//   in its pass colour, with its number and the pass view's dimension
//   lines: the width below it, the flange heights and the web thickness
//   in a chain at its left;
// - last, when the schedule has mill loads, the mill-loads page
//   (export/loads_page.h).
// Lengths are millimetres from the page's top-left corner, y downwards;
// texts are UTF-8; numbers have "." as decimal point in any locale and a
// fixed number of decimals per quantity (millimetres 2, square millimetres
// 1, elongations 3), set in their columns on the point.

#include <string>
#include <string_view>
#include <vector>

#include "display/line_canvas.h"
#include "engine/fixed_number.h"
#include "engine/project_records.h"
#include "storage/results_report.h"

namespace rolvanta {

struct PagePoint {
    double x;
    double y;
};

struct PageSize {
    double width;
    double height;
};

inline constexpr PageSize kA4Portrait{210.0, 297.0};
inline constexpr PageSize kLetterPortrait{215.9, 279.4};

// Sans-serif faces: Title 14 pt bold, Heading 10.5 pt bold, Body 9 pt,
// Small 7.5 pt.
enum class PageFont { Title, Heading, Body, Small };
// Point: a number whose decimal point (or, without one, its right end)
// stands at at.x, so that numbers of a column line up on the point.
enum class TextAlign { Left, Centre, Right, Point };

// A text on its baseline; at is its left end, centre, right end or point.
struct PageText {
    PagePoint at;
    PageFont font = PageFont::Body;
    TextAlign align = TextAlign::Left;
    Rgb colour{0, 0, 0};
    std::string text;
};

struct PageLine {
    PagePoint from;
    PagePoint to;
    Rgb colour{0, 0, 0};
    double width = 0.2;  // millimetres
};

// A closed outline through its points.
struct PageOutline {
    std::vector<PagePoint> points;
    Rgb colour{0, 0, 0};
    double width = 0.5;
};

// What one page shows, drawn in this order: lines, outlines, texts.
struct Page {
    std::vector<PageLine> lines;
    std::vector<PageOutline> outlines;
    std::vector<PageText> texts;
};

// The pages' greys: units and notes, and the rules of the tables.
inline constexpr Rgb kPageGrey{110, 110, 110};
inline constexpr Rgb kPageRuleGrey{170, 170, 170};

// Adds texts and lines to a page.
class PageWriter {
  public:
    explicit PageWriter(Page& page) : page_(page) {}

    void text(double x, double y, std::string s, PageFont font = PageFont::Body,
              TextAlign align = TextAlign::Left, Rgb colour = {0, 0, 0}) {
        page_.texts.push_back({{x, y}, font, align, colour, std::move(s)});
    }
    void line(double x1, double y1, double x2, double y2, Rgb colour = {0, 0, 0},
              double width = 0.2) {
        page_.lines.push_back({{x1, y1}, {x2, y2}, colour, width});
    }
    // Words set in lines of the face no wider than width, a line height
    // apart; returns the y below them.
    double paragraph(double x, double y, double width, const std::string& words, PageFont font,
                     Rgb colour = {0, 0, 0});

  private:
    Page& page_;
};

struct ReportPages {
    PageSize size{kA4Portrait};
    std::vector<Page> pages;
    // The drawing's scale: page millimetres per millimetre of the section.
    double drawingScale = 1.0;
};

ReportPages layOutReportPages(const Project& project, const std::string& fileTitle,
                              const ReportTime& time, PageSize size = kA4Portrait);

// What the report pages need from a painter.
class PageCanvas {
  public:
    virtual ~PageCanvas() = default;

    // Ends the page drawn so far and starts the next; false when no further
    // page can be started. Not called before the first page.
    virtual bool nextPage() = 0;
    virtual void drawLine(const PageLine& line) = 0;
    virtual void drawOutline(const PageOutline& outline) = 0;
    virtual void drawText(const PageText& text) = 0;
};

// Draws every page in order; false when the canvas could not start a page.
bool paintReportPages(const ReportPages& pages, PageCanvas& canvas);

// "1:2.5" or "2:1" for a drawing scale.
std::string scaleText(double scale);

// The width of a text in a face, near enough to lay out by: characters
// times an average character's advance.
double estimatedTextWidth(std::string_view text, PageFont font);

// The distance between the baselines of a face's lines: 1.25 em.
double lineHeight(PageFont font);

// Words set in lines no wider than width in the face; a word wider than
// that has a line of its own.
std::vector<std::string> wrappedLines(const std::string& words, PageFont font, double width);

}  // namespace rolvanta
