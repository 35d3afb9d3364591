#include "project/field_checks.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "engine/coefficient_rules.h"
#include "engine/section_fields.h"
#include "engine/stored_value.h"
#include "engine/windows1252.h"
#include "project/design_inputs.h"

namespace rolvanta {

namespace {

// The inputs that fill a float of the section, named as the section names it.
constexpr std::pair<InputField, float BeamSection::*> kSectionInputs[] = {
    {InputField::WebWidth, &BeamSection::webWidth},
    {InputField::WebThickness, &BeamSection::webThickness},
    {InputField::FlangeHeight, &BeamSection::flangeHeight},
    {InputField::FlangeThickness, &BeamSection::flangeThickness},
    {InputField::RootRadius, &BeamSection::rootRadius},
    {InputField::TipRadius, &BeamSection::tipRadius},
    {InputField::FlangeSlope, &BeamSection::flangeSlope},
    {InputField::Area, &BeamSection::area},
    {InputField::MassPerLength, &BeamSection::massPerLength},
    {InputField::Mass, &BeamSection::mass},
    {InputField::Length, &BeamSection::length},
    {InputField::Temperature, &BeamSection::temperature},
};

bool isBlank(char c) { return c == ' ' || c == '\t'; }

FieldProblem refused(InputField field, std::string value, std::string accepted) {
    return {field, std::move(value), std::move(accepted)};
}

// What a number field accepts, as a range and in words.
struct Range {
    float lowest;
    bool lowestIncluded;
    float highest;
    const char* words;
};

Range rangeOf(InputField field) {
    switch (field) {
        case InputField::WebWidth:
        case InputField::WebThickness:
        case InputField::FlangeHeight:
        case InputField::FlangeThickness:
            return {0.0f, false, kLargestDimension, "a number above 0 and at most 1000 (mm)"};
        case InputField::RootRadius:
        case InputField::TipRadius:
            return {0.0f, true, kLargestDimension, "a number from 0 to 1000 (mm)"};
        case InputField::FlangeSlope:
            return {kParallelFlangeSlope, true, kSteepestFlangeSlope,
                    "a number from 90 to 120 (degrees; 90 is parallel flanges)"};
        case InputField::Area:
            return {0.0f, false, kLargestArea, "a number above 0 and at most 1000000 (mm²)"};
        case InputField::MassPerLength:
            return {0.0f, false, kLargestMassPerLength, "a number above 0 and at most 10 (kg/mm)"};
        case InputField::Mass:
            return {0.0f, false, kLargestMass, "a number above 0 and at most 1000000 (kg)"};
        case InputField::Length:
            return {0.0f, false, kLargestLength, "a number above 0 and at most 100000 (mm)"};
        case InputField::Temperature:
            return {kLowestTemperature, true, kHighestTemperature,
                    "a number from 800 to 1200 (°C), or nothing for 1000"};
        case InputField::WebFrom:
        case InputField::WebTo:
        case InputField::LiveFrom:
        case InputField::LiveTo:
        case InputField::DeadFrom:
        case InputField::DeadTo:
            return {0.0f, false, kLargestElongation, "a number above 0 and at most 3"};
        case InputField::Name:
        case InputField::Passes:
        case InputField::WebList:
        case InputField::LiveList:
        case InputField::DeadList:
            break;
    }
    return {0.0f, true, HUGE_VALF, "a number"};
}

bool within(const Range& range, float value) {
    const bool aboveLowest = range.lowestIncluded ? value >= range.lowest : value > range.lowest;
    return std::isfinite(value) && aboveLowest && value <= range.highest;
}

std::string fixed(double value, int decimals) {
    char text[64];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return std::string(text, result.ptr);
}

}  // namespace

std::string fieldLabel(InputField field) {
    for (const auto& [input, member] : kSectionInputs) {
        if (input == field) return sectionField(member).label;
    }
    switch (field) {
        case InputField::Name:
            return "Beam Name";
        case InputField::Passes:
            return kPassCountLabel;
        case InputField::WebList:
            return "Web Coefficients";
        case InputField::LiveList:
            return "Live Flange Coefficients";
        case InputField::DeadList:
            return "Dead Flange Coefficients";
        case InputField::WebFrom:
            return "Web lower limit";
        case InputField::WebTo:
            return "Web upper limit";
        case InputField::LiveFrom:
            return "Live Flange lower limit";
        case InputField::LiveTo:
            return "Live Flange upper limit";
        case InputField::DeadFrom:
            return "Dead Flange lower limit";
        case InputField::DeadTo:
            return "Dead Flange upper limit";
        default:
            break;  // the section's fields, named above
    }
    return "field";
}

std::string describeFieldProblem(const FieldProblem& problem) {
    return fieldLabel(problem.field) + ": \"" + problem.value +
           "\" is not accepted.\nAccepted: " + problem.accepted + ".";
}

std::optional<double> strictNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    // from_chars takes no leading plus sign, and reads "+-1" as well as "-1".
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    // Only decimal numbers: from_chars would also read "inf", "nan" and hex.
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E')) {
            return std::nullopt;
        }
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    // "-0" is 0: kept as -0 it would be printed so in every report.
    return value == 0 ? 0.0 : value;
}

std::optional<float> strictFloat(std::string_view text) {
    const std::optional<double> number = strictNumber(text);
    if (!number || !std::isfinite(static_cast<float>(*number))) return std::nullopt;
    return static_cast<float>(*number);
}

std::string numberText(float value) {
    if (value == 0) value = 0;  // never "-0"
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

InputResult readNumberField(InputField field, std::string_view text, float& value) {
    const std::optional<float> number = strictFloat(text);
    if (!number) return {refused(field, std::string(text), rangeOf(field).words)};
    if (InputResult checked = checkNumberField(field, *number); !checked.accepted()) {
        checked.problem->value = std::string(text);
        return checked;
    }
    value = *number;
    return {};
}

InputResult checkNumberField(InputField field, float value) {
    const Range range = rangeOf(field);
    if (within(range, value)) return {};
    return {refused(field, numberText(value), range.words)};
}

InputResult readNameField(std::string_view utf8, std::string& windows1252) {
    const std::string bytes = windows1252FromUtf8(utf8);
    // A character the code page cannot hold comes back as "?".
    if (utf8FromWindows1252(bytes) != utf8) {
        return {refused(InputField::Name, std::string(utf8),
                        "1 to 9 characters, each one of Windows-1252 (Latin letters, digits, "
                        "signs)")};
    }
    if (InputResult checked = checkName(bytes); !checked.accepted()) return checked;
    windows1252 = bytes;
    return {};
}

InputResult checkName(std::string_view windows1252) {
    bool allBlank = true;
    bool printable = true;
    for (const char c : windows1252) {
        printable = printable && isPrintableWindows1252(static_cast<unsigned char>(c));
        allBlank = allBlank && c == ' ';
    }
    if (!allBlank && printable && windows1252.size() <= kLongestName) return {};
    return {refused(InputField::Name, utf8FromWindows1252(windows1252),
                    "1 to 9 characters, each one of Windows-1252 (Latin letters, digits, signs), "
                    "not all blanks")};
}

InputResult checkSectionShape(const SectionShape& s) {
    if (!(double{s.webThickness} + 2.0 * kLargestHeightLoss < s.flangeHeight)) {
        return {refused(InputField::WebThickness, numberText(s.webThickness),
                        "less than the flange height less 3 mm (" +
                            numberText(s.flangeHeight - 2.0f * kLargestHeightLoss) +
                            "): each flange leg must stand out more than 1.5 mm from the web, "
                            "as much as a dead flange may lose in one pass")};
    }
    if (!(2.0 * s.flangeThickness < s.webWidth)) {
        return {refused(InputField::FlangeThickness, numberText(s.flangeThickness),
                        "less than half the web width (" + numberText(s.webWidth / 2.0f) +
                            "): the two flanges must leave a web between them")};
    }
    // The thickness is measured halfway along the leg; the taper takes
    // legHeight / 2 x tan(slope) from it towards the tip.
    const double legHeight = (double{s.flangeHeight} - s.webThickness) * 0.5;
    const double taper =
        legHeight * 0.5 * std::tan((double{s.flangeSlope} - 90.0) * 3.141592653589793 / 180.0);
    if (!(s.flangeThickness > taper)) {
        return {refused(InputField::FlangeThickness, numberText(s.flangeThickness),
                        "more than " + fixed(taper, 3) +
                            " (mm) for this flange slope and flange height: the taper must "
                            "leave the tip of each flange leg a thickness")};
    }
    return {};
}

bool passWidthsStayPositive(float finishedWebWidth, float temperature, int passes) {
    // The same arithmetic as the schedule's: the hot web width, then each
    // pass's width reduction.
    const float hot = storedValue((0.000012 * temperature + 1.0) * finishedWebWidth);
    if (passes <= 0 || !(hot > 0.0f)) return true;
    float width = hot;
    for (int k = 0; k < passes; ++k) {
        width = storedValue(double{width} - storedValue(0.01 * hot + k));
        if (!(width > 0.0f)) return false;
    }
    return true;
}

int mostPassesForWeb(float finishedWebWidth, float temperature) {
    for (int passes = kMostPasses; passes >= kFewestPasses; --passes) {
        if (passWidthsStayPositive(finishedWebWidth, temperature, passes)) return passes;
    }
    return 0;
}

InputResult checkCoefficientList(InputField field, std::string_view text) {
    const std::string accepted = "numbers above 0 and at most 3 separated by spaces, at most " +
                                 std::to_string(kMostCoefficients) + " of them";
    const std::vector<std::string_view> tokens = coefficientListTokens(text);
    if (tokens.size() > std::size_t{kMostCoefficients}) {
        return {refused(field, std::string(text), accepted)};
    }
    for (const std::string_view token : tokens) {
        const std::optional<float> number = strictFloat(token);
        if (!number || !(*number > 0.0f && *number <= kLargestElongation)) {
            return {refused(field, std::string(text), accepted)};
        }
    }
    return {};
}

}  // namespace rolvanta
