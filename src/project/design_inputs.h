#pragma once

// The inputs of a design, for every front end: the section (a catalogue beam
// or a typed one), the Setup (passes and rolling temperature) and the
// elongation coefficients. The front ends turn their texts into these field
// values and hand them here; the rules and the flags each input sets live
// here only. Each input returns an InputResult: accepted, or the field that
// was refused with its value and what is accepted.

#include <optional>
#include <string>

#include "engine/project_records.h"
#include "storage/profile_catalogue.h"

namespace rolvanta {

// A refused field: which one (as the user knows it), the value given and
// what would have been accepted.
struct FieldProblem {
    std::string field;
    std::string value;
    std::string accepted;
};

struct InputResult {
    std::optional<FieldProblem> problem;  // empty: taken
    bool accepted() const { return !problem.has_value(); }
};

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

// Takes a catalogue beam: its name cut to nine characters, its dimensions as
// the finished section, length one metre, mass = mass per length x length.
// Sets standardChosen.
InputResult takeStandardSection(Project& project, const StandardSectionFields& fields);

// Takes a typed section; the area is computed from the web across the whole
// width and both flanges, two legs each, outside the web (radii and slope do
// not enter). Sets customEntered.
InputResult takeCustomSection(Project& project, const CustomSectionFields& fields);

// The Setup's limits.
constexpr int kFewestPasses = 5;
constexpr int kMostPasses = 13;
constexpr float kLowestTemperature = 800.0f;    // °C
constexpr float kHighestTemperature = 1200.0f;  // °C
constexpr float kUsualTemperature = 1000.0f;    // °C

struct SetupFields {
    unsigned long passes = 0;  // as typed: an unsigned number, 0 for none
    float temperature = 0;     // °C; 0 for none
};

// The Setup dialog's OK: the pass count kept within 5 to 13, the temperature
// 1000 °C unless it lies within 800 to 1200 °C. Sets setupDone.
InputResult applySetup(Project& project, const SetupFields& fields);

// The Setup's limits as a strict check, for a front end where no one sees a
// value kept in bounds (the command line): passes 5 to 13, temperature 800
// to 1200 °C. passesText and temperatureText name the fields in the problem.
InputResult checkSetup(const SetupFields& fields, const std::string& passesName,
                       const std::string& temperatureName);

// The limits a coefficients dialog reads: all six numbers other than 0, or
// none (a limit left empty reads as 0).
struct CoefficientLimits {
    float webFrom = 0, webTo = 0;
    float liveFrom = 0, liveTo = 0;
    float deadFrom = 0, deadTo = 0;

    bool complete() const;
};

// The longest coefficient list a field holds, in characters.
constexpr std::size_t kCoefficientListLength = 99;

struct CoefficientFields {
    std::string webList, liveList, deadList;  // numbers separated by spaces
    CoefficientLimits limits;
};

// The Coefficients dialog's OK: the three lists into the elongation rows
// (coefficientListsEntered), then, when the limits are complete, the rows
// interpolated between them and the height steps that go with limits. Sets
// coefficientsGiven.
InputResult applyCoefficients(Project& project, const CoefficientFields& fields);

// The Coefficients dialog's Default: the table is accepted as it stands.
// Sets defaultCoefficients and coefficientsGiven.
void acceptDefaultCoefficients(Project& project);

}  // namespace rolvanta
