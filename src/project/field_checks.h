#pragma once

// The checks every input passes before it changes anything, for every front
// end: a typed text read strictly as a number, the ranges of a section, a
// Setup and the coefficients, and a section that is a real I-beam through
// every pass. A refused input comes back as a FieldProblem naming the
// field, the value given and what is accepted; the front end words it and
// points at the field. Texts are UTF-8.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace rolvanta {

// Every field an input dialog (or a command-line option) fills.
enum class InputField {
    Name,
    WebWidth,
    WebThickness,
    FlangeHeight,
    FlangeThickness,
    RootRadius,
    TipRadius,
    FlangeSlope,
    Area,
    MassPerLength,
    Mass,
    Length,
    Passes,
    Temperature,
    WebList,
    LiveList,
    DeadList,
    WebFrom,
    WebTo,
    LiveFrom,
    LiveTo,
    DeadFrom,
    DeadTo,
};

// The field as the dialogs label it: "Web Width", "Number Of Passes".
std::string fieldLabel(InputField field);

// A refused field: which one, the value given (as typed, or formatted) and
// what would have been accepted.
struct FieldProblem {
    InputField field;
    std::string value;
    std::string accepted;
};

struct InputResult {
    std::optional<FieldProblem> problem;  // empty: taken
    // What an accepted input changed besides its own fields, for the status
    // bar ("The mill has 11 stands now: 2 copied from the last"); empty when
    // there is nothing to say.
    std::string note;

    InputResult() = default;
    InputResult(std::optional<FieldProblem> refused) : problem(std::move(refused)) {}
    bool accepted() const { return !problem.has_value(); }
};

// "Web Width: "1,5" is not accepted. Accepted: a number above 0 and at most
// 1000 (mm)." The message of an input dialog.
std::string describeFieldProblem(const FieldProblem& problem);

// The whole text as a finite decimal number, blanks around it allowed; empty
// when it is anything else ("1,5", "12abc", "nan", "1e999", ""). "-0" is 0.
std::optional<double> strictNumber(std::string_view text);

// The same for a value stored as a single-precision float: it must be
// finite there too.
std::optional<float> strictFloat(std::string_view text);

// A number as a message shows it: shortest form, "." as decimal point, and
// 0 without a sign.
std::string numberText(float value);

// The most any length of a section may be: the pass view's whole space.
constexpr float kLargestDimension = 1000.0f;    // mm
constexpr float kLargestArea = 1000000.0f;      // mm², the same space squared
constexpr float kLargestMassPerLength = 10.0f;  // kg/mm; a steel bar of 1 m² is 7.85
constexpr float kLargestMass = 1000000.0f;      // kg
constexpr float kLargestLength = 100000.0f;     // mm, a beam of 100 m
constexpr float kSteepestFlangeSlope = 120.0f;  // degrees
constexpr float kParallelFlangeSlope = 90.0f;   // degrees
constexpr float kLargestHeightLoss = 1.5f;      // mm a dead flange loses in one pass
constexpr std::size_t kLongestName = 9;         // characters
constexpr int kMostCoefficients = 15;           // one per pass table record
constexpr float kLargestElongation = 3.0f;      // a pass that more than triples the length is
                                                // no rolling pass

// Reads the text of a number field strictly and checks its range; value is
// set only when it is accepted. The range is the field's: see the accepted
// texts in field_checks.cpp.
InputResult readNumberField(InputField field, std::string_view text, float& value);

// Checks a number already read against the field's range.
InputResult checkNumberField(InputField field, float value);

// A beam name typed as UTF-8: 1 to kLongestName characters, each one
// printable in Windows-1252, not all blanks. windows1252 receives it.
InputResult readNameField(std::string_view utf8, std::string& windows1252);

// The same check of a name already in Windows-1252.
InputResult checkName(std::string_view windows1252);

// The dimensions of a section that make a real I-beam, with every leg area
// and every hot dimension positive (the rules are stated in the help):
// - web thickness + 2 x 1.5 mm < flange height: each flange leg stands out
//   more than the 1.5 mm a dead flange may lose in one pass;
// - 2 x flange thickness < web width: the flanges leave a web between them;
// - flange thickness > leg height / 2 x tan(slope - 90°): the taper leaves
//   the tip of the leg a thickness.
struct SectionShape {
    float webWidth;
    float webThickness;
    float flangeHeight;
    float flangeThickness;
    float flangeSlope;
};
InputResult checkSectionShape(const SectionShape& shape);

// Whether every pass of a schedule of passes passes keeps a positive pass
// width: each pass takes 1 % of the hot web width plus one millimetre more
// than the pass before. Checks nothing while passes or the web width is 0.
bool passWidthsStayPositive(float finishedWebWidth, float temperature, int passes);

// The most passes (kFewestPasses..kMostPasses) the web allows; 0 when it
// allows not even the fewest.
int mostPassesForWeb(float finishedWebWidth, float temperature);

// A coefficient list: numbers above 0 and at most kLargestElongation
// separated by spaces, at most kMostCoefficients of them (an empty list is
// accepted).
InputResult checkCoefficientList(InputField field, std::string_view text);

}  // namespace rolvanta
