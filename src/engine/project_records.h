#pragma once

// The project records: the section being designed, the project flags, the
// elongation coefficients and the computed passes. They are plain records of
// fixed layout because the project file stores them byte for byte
// (little-endian, IEEE 754 single-precision floats, signed 32-bit integers).
// Lengths are millimetres, areas square millimetres, masses kilograms,
// temperatures degrees Celsius.

#include <cstddef>
#include <cstdint>

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
    float flangeHeight;         // overall flange height across both sides of the web
    float flangeThickness;      // measured halfway along a flange leg
    float rootRadius;
    float tipRadius;
    float flangeSlope;          // degrees; 90 is a flange without taper
    float slopeAngle;           // flangeSlope - 90, in radians
    float liveFlangeHeight;     // one leg, web face to tip
    float deadFlangeHeight;     // same value as liveFlangeHeight
    float rootThickness;        // flange thickness at the root of a leg
    float tipThickness;         // flange thickness at the tip of a leg
    float massPerLength;        // kg per mm
    float mass;                 // kg
    float length;               // mm
    // Carried through the project file. This program keeps the finished
    // (cold) web width here, so that Compute always starts from the finished
    // section; see finishedWebWidth().
    float reserved;
    float area;                 // cross-sectional area of the finished section
    std::int32_t passCount;
    float temperature;          // rolling temperature
};

// Eleven 32-bit flags; each is 0 or 1 except lastSaveKind.
struct ProjectFlags {
    std::int32_t standardChosen;          // a catalogue profile was taken
    std::int32_t customEntered;           // the section was typed in, or a project opened
    std::int32_t coefficientsGiven;       // the coefficients dialog ended with OK or Default
    std::int32_t coefficientListsEntered; // its OK read the three lists
    std::int32_t reservedFlag;            // no meaning; reset, stored and loaded
    std::int32_t defaultCoefficients;     // the coefficients dialog ended with Default
    std::int32_t setupDone;               // the Setup dialog ended with OK
    std::int32_t computed;                // Compute has run
    std::int32_t hasFileName;             // the project has a file name
    std::int32_t projectStarted;          // a project is open for input
    std::int32_t lastSaveKind;            // one of the SaveKind values
};

// What the project was last opened or saved as.
enum SaveKind : std::int32_t {
    kSavedAsNothing = 0,
    kSavedAsProjectFile = 1,  // ".rol"
    kSavedAsReport = 2,       // ".txt"
};

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

// The whole project as the program holds it: one of each record.
struct Project {
    BeamSection section;
    ProjectFlags flags;
    CoefficientSet coefficients;
    PassTable passes;
};

static_assert(sizeof(float) == 4, "records hold IEEE 754 single-precision floats");
static_assert(sizeof(BeamSection) == 128, "BeamSection is stored as 128 bytes");
static_assert(offsetof(BeamSection, webWidth) == 52);
static_assert(offsetof(BeamSection, flangeSlope) == 76);
static_assert(offsetof(BeamSection, slopeAngle) == 80);
static_assert(offsetof(BeamSection, massPerLength) == 100);
static_assert(offsetof(BeamSection, reserved) == 112);
static_assert(offsetof(BeamSection, area) == 116);
static_assert(offsetof(BeamSection, passCount) == 120);
static_assert(offsetof(BeamSection, temperature) == 124);
static_assert(sizeof(ProjectFlags) == 44, "ProjectFlags is stored as 44 bytes");
static_assert(offsetof(ProjectFlags, lastSaveKind) == 40);
static_assert(sizeof(CoefficientSet) == 360);
static_assert(offsetof(CoefficientSet, deadHeightStep) == 300);
static_assert(sizeof(PassRecord) == 56, "PassRecord is stored as 56 bytes");
static_assert(offsetof(PassRecord, crossSectionArea) == 52);
static_assert(sizeof(PassTable) == 840);

// Sets all eleven flags to 0.
void resetProjectFlags(ProjectFlags& flags);

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
