#include "cli/design_inputs.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

#include "engine/coefficient_rules.h"
#include "engine/number_reader.h"
#include "engine/pass_schedule.h"
#include "engine/windows1252.h"

namespace rolvanta::cli {

namespace {

// The dialogs' edit fields hold at most this many characters.
constexpr std::size_t kFieldLength = 9;
// The coefficient list fields hold more.
constexpr std::size_t kListLength = 99;

// A number as a dialog shows it in an edit field: "%.3f", in any locale.
std::string fieldText(float value) {
    char text[64];
    const auto end =
        std::to_chars(text, text + sizeof text, double{value}, std::chars_format::fixed, 3).ptr;
    return {text, end};
}

float readField(std::string_view text) { return readFloatNumber(text, kFieldLength); }

// The name as an edit field of 9 characters takes it.
void takeName(BeamSection& section, std::string_view windows1252Name) {
    const std::string_view cut = windows1252Name.substr(0, kFieldLength);
    std::memset(section.name, 0, sizeof section.name);
    std::memcpy(section.name, cut.data(), cut.size());
}

std::vector<std::string_view> splitAtCommas(std::string_view text) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t comma = text.find(',');
        fields.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos) return fields;
        text.remove_prefix(comma + 1);
    }
}

}  // namespace

void startNewProject(Project& project) {
    project = Project{};
    resetProjectFlags(project.flags);
    resetBeamSection(project.section);
    loadDefaultCoefficients(project.coefficients);
    project.flags.projectStarted = 1;
}

void takeCatalogueProfile(Project& project, const ProfileRecord& record) {
    BeamSection& s = project.section;
    takeName(s, std::string_view(record.name, strnlen(record.name, kNameFieldSize)));
    setFinishedWebWidth(s, readField(fieldText(record.webWidth)));
    s.webThickness = readField(fieldText(record.webThickness));
    s.flangeHeight = readField(fieldText(record.flangeHeight));
    s.flangeThickness = readField(fieldText(record.flangeThickness));
    s.rootRadius = readField(fieldText(record.rootRadius));
    s.tipRadius = readField(fieldText(record.tipRadius));
    s.flangeSlope = readField(fieldText(record.flangeSlope));
    s.area = readField(fieldText(record.area));
    s.massPerLength = readField(fieldText(record.massPerLength));
    s.length = 1000.0f;
    s.mass = s.massPerLength * s.length;
    project.flags.standardChosen = 1;
}

bool takeTypedSection(Project& project, std::string_view text) {
    const auto fields = splitAtCommas(text);
    if (fields.size() != 10) return false;

    BeamSection& s = project.section;
    takeName(s, windows1252FromUtf8(fields[0]));
    setFinishedWebWidth(s, readField(fields[1]));
    s.webThickness = readField(fields[2]);
    s.flangeHeight = readField(fields[3]);
    s.flangeThickness = readField(fields[4]);
    s.rootRadius = readField(fields[5]);
    s.tipRadius = readField(fields[6]);
    s.flangeSlope = readField(fields[7]);
    s.mass = readField(fields[8]);
    s.length = readField(fields[9]);
    // The web and both flanges, each flange counted across its two legs;
    // radii and taper do not enter. Evaluated in extended precision.
    const long double area =
        static_cast<long double>(s.webWidth) * s.webThickness +
        (static_cast<long double>(s.flangeHeight) - s.webThickness) * s.flangeThickness * 2;
    const auto stored = static_cast<float>(area);
    s.area = std::isfinite(stored) ? stored : 0.0f;
    project.flags.customEntered = 1;
    return true;
}

std::int32_t setupPassCount(std::string_view text) {
    const unsigned long passes = readUnsignedNumber(text);
    if (passes < 5) return 5;
    if (passes > 13) return 13;
    return static_cast<std::int32_t>(passes);
}

float setupTemperature(std::string_view text) {
    const float temperature = readFloatNumber(text, kFieldLength);
    return temperature >= 800.0f && temperature <= 1200.0f ? temperature : 1000.0f;
}

void applySetup(Project& project, std::string_view passesText, std::string_view temperatureText) {
    project.section.temperature = setupTemperature(temperatureText);
    project.section.passCount = setupPassCount(passesText);
    project.flags.setupDone = 1;
}

bool CoefficientInput::given() const {
    return !webList.empty() || !liveList.empty() || !deadList.empty() || !webLimits.empty() ||
           !liveLimits.empty() || !deadLimits.empty();
}

bool applyCoefficients(Project& project, const CoefficientInput& input) {
    float limits[6] = {};  // webFrom, webTo, liveFrom, liveTo, deadFrom, deadTo
    bool allLimits = true;
    const std::string* pairs[] = {&input.webLimits, &input.liveLimits, &input.deadLimits};
    for (int i = 0; i < 3; ++i) {
        if (pairs[i]->empty()) {
            allLimits = false;
            continue;
        }
        const auto fields = splitAtCommas(*pairs[i]);
        if (fields.size() != 2) return false;
        limits[2 * i] = readField(fields[0]);
        limits[2 * i + 1] = readField(fields[1]);
    }

    CoefficientSet& c = project.coefficients;
    const BeamSection& s = project.section;
    project.flags.coefficientListsEntered = 1;
    parseCoefficientLists(c, s, std::string_view(input.webList).substr(0, kListLength),
                          std::string_view(input.liveList).substr(0, kListLength),
                          std::string_view(input.deadList).substr(0, kListLength));
    // A limit that reads as 0 (empty, or not a number) leaves the limits out.
    for (float limit : limits) allLimits = allLimits && limit != 0.0f;
    if (allLimits) {
        applyCoefficientLimits(c, s, limits[0], limits[1], limits[2], limits[3], limits[4],
                               limits[5]);
        adjustHeightSteps(c, s);
    }
    project.flags.coefficientsGiven = 1;
    return true;
}

void acceptCurrentCoefficients(Project& project) {
    project.flags.defaultCoefficients = 1;
    project.flags.coefficientsGiven = 1;
}

void computeProject(Project& project) {
    project.flags.computed = 1;
    computeDesign(project);
}

}  // namespace rolvanta::cli
