#include "project/loads_table.h"

#include <optional>

#include "engine/fixed_number.h"
#include "project/load_checks.h"
#include "project/project_life.h"

namespace rolvanta {
namespace {

struct ColumnInfo {
    const char* heading;
    int decimals;  // of its numbers; -1 for a text
};

// In LoadsColumn order. The decimals show what a designer reads off each
// quantity: whole kN and kW, tenths of a degree and of a kN·m.
constexpr ColumnInfo kColumns[kLoadsColumnCount] = {
    {"Pass", -1},
    {"Stand", -1},
    {"Diameter [mm]", 0},
    {"Speed [rpm]", 1},
    {"Temperature In [\u00B0C]", 1},
    {"Temperature Out [\u00B0C]", 1},
    {"Strain", 3},
    {"Strain Rate [1/s]", 2},
    {"Mean Flow Stress [MPa]", 1},
    {"Contact Length [mm]", 1},
    {"Bite Angle [\u00B0]", 2},
    {"Bite Limit [\u00B0]", 2},
    {"Force [kN]", 0},
    {"Force Low [kN]", 0},
    {"Torque [kN\u00B7m]", 1},
    {"Roll Power [kW]", 0},
    {"Motor Power [kW]", 0},
    {"Force Use [%]", 1},
    {"Torque Use [%]", 1},
    {"Motor Use [%]", 1},
    {"Exit Speed [m/s]", 2},
    {"Interpass [s]", 1},
    {"Interpass Drop [K]", 1},
    {"Warnings", -1},
};

std::string fixed(std::optional<double> value, int decimals) {
    return value ? fixedNumber(*value, decimals) : std::string();
}

std::string steelName(const Steel& steel) {
    if (steel.model == FlowStressModel::Shida) {
        return "Shida, " + fixed(steel.carbon_pct, 2) + " % C";
    }
    switch (steel.set) {
        case HenselSpittelSet::C20C22:
            return "Hensel-Spittel C20/C22";
        case HenselSpittelSet::S355J2:
            return "Hensel-Spittel S355J2";
        case HenselSpittelSet::C45:
            return "Hensel-Spittel C45";
    }
    return "Hensel-Spittel";
}

// The load warnings of one pass without their "Pass N: ", which the row
// already says.
std::string warningsOf(int pass, const std::vector<DesignWarning>& warnings) {
    std::string said;
    const std::string prefix = "Pass " + std::to_string(pass) + ": ";
    for (const DesignWarning& warning : warnings) {
        if (warning.pass != pass || !isLoadRule(warning.rule)) continue;
        if (!said.empty()) said += "; ";
        said += warning.text.compare(0, prefix.size(), prefix) == 0
                    ? warning.text.substr(prefix.size())
                    : warning.text;
    }
    return said;
}

}  // namespace

const char* const kLoadsAccuracyNote =
    "The flange-leg terms (tips and walls) are physics-based but unvalidated: expect "
    "\u00B130\u201350 % on the leg forces. Design with the range from Force Low to Force.";

std::string loadsColumnHeading(LoadsColumn column) {
    return kColumns[static_cast<int>(column)].heading;
}

ScheduleTable loadsTable(const Project& project) {
    return loadsTable(project, checkLoads(project));
}

ScheduleTable loadsTable(const Project& project, const std::vector<DesignWarning>& warnings) {
    ScheduleTable table;
    for (const ColumnInfo& column : kColumns) table.headings.push_back(column.heading);
    if (!project.mill) return table;
    const std::vector<MillStand>& stands = project.mill->stands;
    for (std::size_t j = 0; j < project.loads.size(); ++j) {
        const PassLoads& p = project.loads[j];
        const MillStand stand = j < stands.size() ? stands[j] : MillStand{};
        const std::optional<double> numbers[kLoadsColumnCount] = {
            {},
            {},
            stand.diameter_mm,
            stand.rpm,
            p.entryTemperature_C,
            p.exitTemperature_C,
            p.strain,
            p.strainRate_per_s,
            p.meanFlowStress_MPa,
            p.contactLength_mm,
            p.biteAngle_deg,
            p.biteAngleLimit_deg,
            p.force_kN,
            p.forceLow_kN,
            p.torque_kNm,
            p.rollPower_kW,
            p.motorPower_kW,
            p.forceUse_pct,
            p.torqueUse_pct,
            p.motorUse_pct,
            p.exitSpeed_m_s,
            p.interpass_s,
            p.interpassDrop_K,
            {},
        };
        ScheduleTable::Row row;
        for (int c = 0; c < kLoadsColumnCount; ++c) {
            row.cells.push_back(fixed(numbers[c], kColumns[c].decimals));
        }
        row.cells[static_cast<int>(LoadsColumn::Pass)] = std::to_string(p.pass);
        row.cells[static_cast<int>(LoadsColumn::Stand)] = stand.stand;
        std::string said = warningsOf(p.pass, warnings);
        row.marked = !said.empty();
        row.cells[static_cast<int>(LoadsColumn::Warnings)] = std::move(said);
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::string millHeading(const Mill& mill) {
    std::string heading = "Mill: " + (mill.name.empty() ? std::string("no name") : mill.name);
    if (mill.example) heading += " (example)";
    return heading + " \u00B7 Steel: " + steelName(mill.steel) + " \u00B7 Entry " +
           fixed(mill.entryTemperature_C, 0) + " \u00B0C";
}

std::string millLoadsHint(const Project& project) {
    if (!project.mill) return "Give the mill first (Inputs \u203A Mill; Example Mill fills one)";
    if (!project.loads.empty()) return {};
    const MissingStep missing = computePrecondition(project);
    if (missing != MissingStep::Nothing) return missingStepNote(missing);
    return "Compute the schedule (Solve \u203A Compute)";
}

}  // namespace rolvanta
