#pragma once

// The mill as an input of the design, for every front end: the Mill
// dialog's fields and their checks, the example mill, a mill file opened or
// saved, and the mill following the Setup's pass count. Every accepted
// range is the one the load models are valid for (engine/mill_records.h);
// a refused input names the pass (its row), the column or field, the value
// and what is accepted, and changes nothing. Texts are UTF-8.

#include <optional>
#include <string>
#include <vector>

#include "engine/project_records.h"
#include "project/field_checks.h"
#include "storage/storage_error.h"

namespace rolvanta {

// The columns of the Mill dialog's table, one row per pass in rolling order.
enum class MillColumn {
    Stand,            // name, 1 to 20 characters
    Diameter,         // mm, 200 to 1500
    Rpm,              // 1 to 600
    Interpass,        // s, 0 to 600; or Distance; one of them for every pass but the last
    Distance,         // m, 0 to 500
    MaxForce,         // kN, above 0 and at most 1000000, optional
    MaxTorque,        // kN·m, above 0 and at most 100000, optional
    Motor,            // kW, above 0 and at most 1000000, optional
    NeckRatio,        // 0.3 to 0.8, empty: 0.55
    NeckFriction,     // 0.001 to 0.1, empty: 0.005
    DriveEfficiency,  // 0.5 to 1, empty: 0.90
};
constexpr int kMillColumnCount = 11;

// "Stand", "Diameter [mm]", "Speed [rpm]", "Interpass [s]", "Distance [m]",
// "Max Force [kN]", "Max Torque [kN·m]", "Motor [kW]", "Neck Ratio",
// "Neck Friction", "Drive Efficiency".
std::string millColumnHeading(MillColumn column);

// The fields of the mill as a whole.
enum class MillField {
    Name,              // 0 to 40 characters
    EntryTemperature,  // °C, 700 to 1300
    Carbon,            // wt %, 0.02 to 1.5 (Shida)
    Emissivity,        // 0.1 to 1
    Convection,        // W/(m² K), 0 to 200
    Contact,           // W/(m² K), 0 to 20000
    RollTemperature,   // °C, 0 to 300
    HeatFraction,      // 0 to 1
    MinimumTaper,      // 0.001 to 0.2
    AirTemperature,    // °C, -20 to 60
    Density,           // kg/m³, 7000 to 8000
    SpecificHeat,      // J/(kg K), 400 to 1000
};

// The field as the dialog labels it, with its unit: "Entry Temperature
// [°C]", "Carbon [%]", "Mill Name".
std::string millFieldLabel(MillField field);

// The steels the dialog offers, in its list's order.
enum class SteelChoice { Shida, HenselSpittelC20C22, HenselSpittelS355J2, HenselSpittelC45 };

// The list of steels in SteelChoice's order: "Shida (carbon %)",
// "Hensel-Spittel C20/C22", "Hensel-Spittel S355J2", "Hensel-Spittel C45".
std::vector<std::string> steelChoices();
// The roll materials in RollMaterial's order: "Steel rolls", "Chilled iron rolls".
std::vector<std::string> rollMaterialChoices();

// The Mill dialog as typed.
struct MillTexts {
    std::string name;
    std::string entryTemperature;
    SteelChoice steel = SteelChoice::Shida;
    std::string carbon;
    RollMaterial rollMaterial = RollMaterial::Steel;
    // Filled by Example Mill and not edited since: the mill read is labelled
    // as an example.
    bool example = false;
    // Under "More": the constants, empty for the default.
    std::string emissivity, convection, contact, rollTemperature, heatFraction, minimumTaper,
        airTemperature, density, specificHeat;
    // One row per pass in rolling order, kMillColumnCount texts each.
    std::vector<std::vector<std::string>> rows;
};

// A refused mill input: a whole-mill field, or a cell of the table.
struct MillProblem {
    std::optional<MillField> field;  // set for a whole-mill field
    int row = -1;                    // the table row (rolling order) of a cell
    int pass = 0;                    // the schedule's pass number of that row
    MillColumn column = MillColumn::Stand;
    std::string value;     // as given
    std::string accepted;  // what is accepted
};

// "Pass 9, Speed [rpm]: "abc" is not accepted. Accepted: a number from 1 to
// 600." or "Entry Temperature: ...".
std::string describeMillProblem(const MillProblem& problem);

// The texts of a mill, as the dialog shows it (the shortest decimals).
MillTexts textsOfMill(const Mill& mill);

// Reads the texts strictly, the whole-mill fields first, then the table
// row by row; mill is set only when everything is accepted. passCount
// numbers the rows for the messages, and the table has one row for each of
// them (none before the Setup: a mill needs its passes). The time or the
// distance to the next pass is needed on every row but the last, and the
// last takes neither: no pass follows the finishing pass. The carbon
// content is read for the Shida steel only.
std::optional<MillProblem> readMill(const MillTexts& texts, int passCount, Mill& mill);

// The same checks of a mill from elsewhere (a mill file, the command line),
// a value out of range shown as its shortest decimal.
std::optional<MillProblem> checkMill(const Mill& mill, int passCount);

// A plausible mill for passCount passes: a breakdown stand, then roughing,
// intermediate and finishing stands, named as an example ("Example mill").
Mill exampleMill(int passCount);

// The dialog's OK: the mill taken into the project, and its loads computed
// at once when the schedule is. An OK that changes nothing changes nothing.
std::optional<MillProblem> applyMill(Project& project, const Mill& mill);

// Rows added (copies of the last) or taken away so that the mill has one
// stand per pass of the Setup. Returns the note the status bar shows ("The
// mill has 11 stands now: 2 copied from the last", "The mill has 7 stands
// now: the last 2 taken away"), empty when nothing changed (or there is no
// stand to copy, or passCount is below 1). The copies, and the stand they
// copy, lead to their next pass as the stand before the last did; the new
// last stand leads nowhere.
std::string fitMillToPasses(Mill& mill, int passCount);

// Open Mill: the mill file read and checked (checkMill, with the passes of
// the file), then fitted to passCount stands (the note says so; none before
// the Setup). On failure (storage, or a value out of range, whose
// describeMillProblem text on one line is the reason) error is set and mill
// is empty.
struct MillOpened {
    StorageResult error;
    std::optional<Mill> mill;
    std::string note;  // fitMillToPasses' note, if any
};
MillOpened openMillFile(const std::string& path, int passCount);

// Save Mill As: the mill written to path (".rolmill" appended unless the
// path ends in it), never destroying the previous file.
StorageResult saveMillFile(const Mill& mill, const std::string& path);

// Computes the mill loads of a computed project with a mill of one stand
// per pass, or clears them. Compute and every input that recomputes call it.
void computeProjectLoads(Project& project);

}  // namespace rolvanta
