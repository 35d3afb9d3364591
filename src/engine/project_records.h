#pragma once

// The project records: the section being designed, the project flags, the
// elongation coefficients and the computed passes. They are plain records of
// fixed layout because the project file stores them byte for byte
// (little-endian, IEEE 754 single-precision floats, signed 32-bit integers).
// Lengths are millimetres, areas square millimetres, masses kilograms,
// temperatures degrees Celsius.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/mill_records.h"

namespace rolvanta {

// Length of the name field of a section or catalogue record, terminator included.
constexpr int kNameFieldSize = 52;

// The section being designed. It first holds the finished (cold) section;
// Compute turns it in place into the section required at rolling temperature
// ("Pass 1") and adds the derived dimensions.
struct BeamSection {
    char name[kNameFieldSize];  // designation, NUL-terminated, Windows-1252
    float webWidth;             // overall depth along the web; hot after Compute
    float webThickness;
    float flangeHeight;     // overall flange height across both sides of the web
    float flangeThickness;  // measured halfway along a flange leg
    float rootRadius;
    float tipRadius;
    float flangeSlope;       // degrees; 90 is a flange without taper
    float slopeAngle;        // flangeSlope - 90, in radians
    float liveFlangeHeight;  // one leg, web face to tip
    float deadFlangeHeight;  // same value as liveFlangeHeight
    float rootThickness;     // flange thickness at the root of a leg
    float tipThickness;      // flange thickness at the tip of a leg
    float massPerLength;     // kg per mm
    float mass;              // kg
    float length;            // mm
    // The finished (cold) web width, kept by Compute so that it always
    // starts from the finished section; 0 until then (see finishedWebWidth()).
    // The project file's reserved field at this place carries it.
    float coldWebWidth;
    float area;  // cross-sectional area of the finished section
    std::int32_t passCount;
    float temperature;  // rolling temperature
};

// What the project was last opened or saved as.
enum class SaveKind {
    Nothing,
    ProjectFile,  // ".rol"
    Report,       // ".txt"
    Design,       // ".rolx", with the coefficient set
};

// The state of the design workflow. The project file stores each flag as a
// 32-bit 0 or 1 and the save kind as 0, 1 or 2 (storage/project_file.h); the
// design file names them (storage/design_file.h).
struct ProjectFlags {
    bool standardChosen = false;           // a catalogue profile was taken
    bool customEntered = false;            // the section was typed in, or a project opened
    bool coefficientsGiven = false;        // the coefficients dialog ended with OK or Default
    bool coefficientListsEntered = false;  // its OK read the three lists
    bool reservedFlag = false;             // no meaning; reset, stored and loaded
    bool defaultCoefficients = false;      // the coefficients dialog ended with Default
    bool setupDone = false;                // the Setup dialog ended with OK
    bool computed = false;                 // Compute has run
    bool hasFileName = false;              // the project has a file name
    bool projectStarted = false;           // a project is open for input
    SaveKind lastSaveKind = SaveKind::Nothing;
};

bool operator==(const ProjectFlags& a, const ProjectFlags& b);
inline bool operator!=(const ProjectFlags& a, const ProjectFlags& b) { return !(a == b); }

// Entries per coefficient row and records in the pass table.
constexpr int kPassTableSize = 15;

// Six rows of fifteen entries; entry k stands for pass table record k.
struct CoefficientSet {
    float webElongation[kPassTableSize];         // entry 0 is never used
    float liveFlangeElongation[kPassTableSize];  // multiplies the previous live flange area
    float deadFlangeElongation[kPassTableSize];  // multiplies the previous dead flange area
    float widthReduction[kPassTableSize];        // mm taken off the web; written by Compute
    float liveHeightStep[kPassTableSize];        // mm added to the live flange height
    float deadHeightStep[kPassTableSize];        // mm added to the dead flange height
};

// The lower and upper limits the three elongation rows were spread between
// (engine/coefficient_rules.h).
struct CoefficientLimits {
    float webFrom = 0, webTo = 0;
    float liveFrom = 0, liveTo = 0;
    float deadFrom = 0, deadTo = 0;
};

bool operator==(const CoefficientLimits& a, const CoefficientLimits& b);

// The section in one pass. Flange values are those of one leg; the
// cross-sectional area counts two legs of each flange.
struct PassRecord {
    float webArea;
    float passWidth;  // web width in this pass
    float webThickness;
    float deadFlangeArea;
    float deadFlangeHeight;
    float deadFlangeThickness;
    float deadFlangeTip;   // tip thickness
    float deadFlangeRoot;  // root thickness
    float liveFlangeArea;
    float liveFlangeHeight;
    float liveFlangeThickness;
    float liveFlangeTip;
    float liveFlangeRoot;
    float crossSectionArea;
};

// Record 0 is the pass next to the finished section, each further record one
// pass further back towards the first pass of the mill. Record k is shown to
// the user as pass k + 2 ("Pass 1" is the hot section itself).
struct PassTable {
    PassRecord records[kPassTableSize];
};

// The whole project as the program holds it: one of each record, the mill
// it is rolled on when one is given, and the mill loads of the computed
// schedule on that mill (derived: empty without a mill or a schedule).
// limits are those the elongation rows were last spread between, kept in
// memory only so that a new number of passes spreads them again; none once
// lists, the defaults or a design file gave the rows.
struct Project {
    BeamSection section;
    ProjectFlags flags;
    CoefficientSet coefficients;
    PassTable passes;
    std::optional<Mill> mill;
    std::optional<CoefficientLimits> limits;
    std::vector<PassLoads> loads;
};

static_assert(sizeof(float) == 4, "records hold IEEE 754 single-precision floats");
static_assert(sizeof(BeamSection) == 128, "BeamSection is stored as 128 bytes");
static_assert(offsetof(BeamSection, webWidth) == 52);
static_assert(offsetof(BeamSection, flangeSlope) == 76);
static_assert(offsetof(BeamSection, slopeAngle) == 80);
static_assert(offsetof(BeamSection, massPerLength) == 100);
static_assert(offsetof(BeamSection, coldWebWidth) == 112);
static_assert(offsetof(BeamSection, area) == 116);
static_assert(offsetof(BeamSection, passCount) == 120);
static_assert(offsetof(BeamSection, temperature) == 124);
static_assert(sizeof(CoefficientSet) == 360);
static_assert(offsetof(CoefficientSet, deadHeightStep) == 300);
static_assert(sizeof(PassRecord) == 56, "PassRecord is stored as 56 bytes");
static_assert(offsetof(PassRecord, crossSectionArea) == 52);
static_assert(sizeof(PassTable) == 840);

// Clears all eleven flags.
void resetProjectFlags(ProjectFlags& flags);

// True when the two projects hold the same records, byte for byte for the
// numbers (so a NaN equals itself and -0 differs from 0), the same mill and
// the same limits.
// The loads follow from these and are not compared.
bool sameProject(const Project& a, const Project& b);

// Puts the section into its empty state: name "no name" (the bytes after the
// terminator keep their contents), every number 0, mass 10 kg, length 1000 mm.
void resetBeamSection(BeamSection& section);

// Writes the default elongation coefficients and height steps into every row
// except widthReduction.
void loadDefaultCoefficients(CoefficientSet& coefficients);

void copyPassRecord(const PassRecord& source, PassRecord& target);
void swapFloats(float& a, float& b);

// The finished (cold) web width of the section: the width kept aside by the
// last Compute, or the web width itself while none is kept (a section not yet
// computed, or one from a file that did not keep it).
float finishedWebWidth(const BeamSection& section);

// Sets the finished web width, as the profile dialogs do when they take a section.
void setFinishedWebWidth(BeamSection& section, float width);

// The number of pass table records a schedule of section.passCount passes
// touches: passCount bounded to 0..kPassTableSize.
int scheduledRecordCount(const BeamSection& section);

}  // namespace rolvanta
