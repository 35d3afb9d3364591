#pragma once

// How the command-line tool fills a project: each step hands its texts to
// the desktop program's own dialog procedure for that step, and sets the same
// flags as the dialog's OK. Texts are UTF-8; names are stored in
// Windows-1252.

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/project_records.h"
#include "storage/profile_catalogue.h"

namespace rolvanta::cli {

// New Project on a fresh program: the records reset, the default
// coefficients, and the project started.
void startNewProject(Project& project);

// The standard profile dialog's OK for a catalogue beam: every value as the
// dialog shows it ("%.3f", read back from at most 9 characters), the name cut
// to 9 characters, length 1000 mm, mass = mass per length x length.
void takeCatalogueProfile(Project& project, const ProfileRecord& record);

// The custom profile dialog's OK for "NAME,WEB_WIDTH,WEB_THICKNESS,
// FLANGE_HEIGHT,FLANGE_THICKNESS,ROOT_RADIUS,TIP_RADIUS,FLANGE_SLOPE,MASS,
// LENGTH": each field read as its edit field is (at most 9 characters), and
// the area computed from the web and flanges. False, with nothing changed,
// when the text does not hold exactly ten fields.
bool takeTypedSection(Project& project, std::string_view text);

// The Setup dialog's reading of one of its fields: 5 to 13 passes; 800 to
// 1200 degC, 1000 for anything else.
std::int32_t setupPassCount(std::string_view text);
float setupTemperature(std::string_view text);

// The Setup dialog's OK: both fields, and setupDone.
void applySetup(Project& project, std::string_view passesText, std::string_view temperatureText);

// What the Coefficients dialog's fields hold. A limit pair is "FROM,TO".
struct CoefficientInput {
    std::string webList, liveList, deadList;
    std::string webLimits, liveLimits, deadLimits;  // empty: not given

    bool given() const;
};

// The Coefficients dialog's OK: the three lists, then the limits when all
// six values are numbers other than 0. False, with nothing changed, when a
// limit pair is not two texts separated by a comma.
bool applyCoefficients(Project& project, const CoefficientInput& input);

// The Coefficients dialog's Default: the current table is accepted as it is.
void acceptCurrentCoefficients(Project& project);

// Compute: sets computed and runs the design.
void computeProject(Project& project);

}  // namespace rolvanta::cli
