#pragma once

// The inputs of a design, for every front end: the section (a catalogue beam
// or a typed one), the Setup (passes and rolling temperature) and the
// elongation coefficients. The front ends turn their texts into these field
// values and hand them here; the rules and the flags each input sets live
// here only. Each input returns an InputResult: accepted, or the field that
// was refused with its value and what is accepted (project/field_checks.h);
// a refused input changes nothing.
//
// One design at a time: once a design has been computed, an input that
// changes the section, the Setup or the coefficients computes it again at
// once, with its mill loads, so the schedule always belongs to the inputs
// shown. An input that
// changes nothing leaves the project exactly as it was.

#include <optional>
#include <string>

#include "engine/project_records.h"
#include "project/field_checks.h"
#include "storage/profile_catalogue.h"

namespace rolvanta {

// What the section fields hold, whatever the dialog. Lengths in mm, the
// slope in degrees; the name is Windows-1252.
struct SectionFields {
    std::string name;
    float webWidth = 0;
    float webThickness = 0;
    float flangeHeight = 0;
    float flangeThickness = 0;
    float rootRadius = 0;
    float tipRadius = 0;
    float flangeSlope = 0;
};

// A catalogue beam's fields: with its area and mass per unit length (kg/mm).
struct StandardSectionFields : SectionFields {
    float area = 0;
    float massPerLength = 0;
};

// A typed section's fields: with its mass (kg) and length (mm).
struct CustomSectionFields : SectionFields {
    float mass = 0;
    float length = 0;
};

// The same fields as typed (UTF-8), before they are read.
struct SectionTexts {
    std::string name, webWidth, webThickness, flangeHeight, flangeThickness, rootRadius, tipRadius,
        flangeSlope;
};
struct StandardSectionTexts : SectionTexts {
    std::string area, massPerLength;
};
struct CustomSectionTexts : SectionTexts {
    std::string mass, length;
};

// Reads the texts strictly, in the order the dialog shows the fields, and
// checks each field's range (field_checks.h); fields is set only when all
// are accepted.
InputResult readStandardSection(const StandardSectionTexts& texts, StandardSectionFields& fields);
InputResult readCustomSection(const CustomSectionTexts& texts, CustomSectionFields& fields);

// One metre: a catalogue beam is always taken as a one-metre piece.
constexpr float kCatalogueBeamLength = 1000.0f;

// The fields of a catalogue record, exactly.
StandardSectionFields fieldsOfProfile(const ProfileRecord& record);

// The fields of a catalogue record as the standard profile dialog shows them
// and reads them back (three decimals, mass per length to the field's width).
StandardSectionFields shownFieldsOfProfile(const ProfileRecord& record);

// The finished section as the custom profile dialog shows it: after a
// Compute the web width is the finished one, not the hot one.
CustomSectionFields fieldsOfSection(const BeamSection& section);

// Takes a catalogue beam: its name, its dimensions as the finished section,
// length one metre, mass = mass per length x length. Sets standardChosen.
// Refused: a field out of its range, a section that is not a real I-beam
// (checkSectionShape), or a web too narrow for the passes of the Setup.
InputResult takeStandardSection(Project& project, const StandardSectionFields& fields);

// Takes a typed section; the area is computed from the web across the whole
// width and both flanges, two legs each, outside the web (radii and slope do
// not enter). Sets customEntered. Refused as takeStandardSection.
InputResult takeCustomSection(Project& project, const CustomSectionFields& fields);

// The Setup's limits.
constexpr int kFewestPasses = 5;
constexpr int kMostPasses = 13;
constexpr float kLowestTemperature = 800.0f;    // °C
constexpr float kHighestTemperature = 1200.0f;  // °C
constexpr float kUsualTemperature = 1000.0f;    // °C

struct SetupFields {
    unsigned long passes = 0;
    float temperature = 0;  // °C
};

struct SetupTexts {
    std::string passes, temperature;
};

// The number of passes: a whole number from 5 to 13.
InputResult readPasses(std::string_view text, unsigned long& passes);

// The rolling temperature: a number from 800 to 1200 °C; nothing takes 1000.
InputResult readTemperature(std::string_view text, float& temperature);

InputResult readSetup(const SetupTexts& texts, SetupFields& fields);

// The Setup dialog's OK: passes 5 to 13, temperature 800 to 1200 °C, and a
// section already taken must keep a positive width through every pass.
// Sets setupDone. A mill follows a new number of passes (fitMillToPasses),
// limits given before are spread again over it as a new OK of the
// Coefficients would, and the result's note says so.
InputResult applySetup(Project& project, const SetupFields& fields);

struct CoefficientFields {
    std::string webList, liveList, deadList;  // numbers separated by spaces
    std::optional<CoefficientLimits> limits;  // empty: none given
};

struct CoefficientTexts {
    std::string webList, liveList, deadList;
    std::string webFrom, webTo, liveFrom, liveTo, deadFrom, deadTo;
};

// Reads the lists (checkCoefficientList) and the limits: all six or none,
// each an elongation coefficient (above 0, at most kLargestElongation).
InputResult readCoefficients(const CoefficientTexts& texts, CoefficientFields& fields);

// The Coefficients dialog's OK: the three lists into the elongation rows
// (coefficientListsEntered), then the rows interpolated between the limits
// and the height steps that go with limits. Limits need the number of
// passes, so they are refused before the Setup; given, they are kept
// (Project::limits), and lists given without them drop the kept ones. Sets
// coefficientsGiven.
InputResult applyCoefficients(Project& project, const CoefficientFields& fields);

// The Coefficients dialog's Default: the default coefficients and height
// steps again, whatever lists or limits were given before. Sets
// defaultCoefficients and coefficientsGiven.
InputResult restoreDefaultCoefficients(Project& project);

}  // namespace rolvanta
