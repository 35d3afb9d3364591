#include "project/mill_inputs.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace rolvanta {

namespace {

// What a number accepts, as a range and in words. The ranges are those the
// load models are valid for (the mill-loads basis, inputs per pass and for
// the mill as a whole).
struct Range {
    double lowest;
    bool lowestIncluded;
    double highest;
    const char* words;
};

// The mill as a whole. Each one left empty takes its default (Mill{}).
constexpr Range kEntryTemperatureRange = {700, true, 1300,
                                          "a number from 700 to 1300, or nothing for 1150"};
constexpr Range kCarbonRange = {0.02, true, 1.5, "a number from 0.02 to 1.5, or nothing for 0.2"};
constexpr Range kEmissivityRange = {0.1, true, 1, "a number from 0.1 to 1, or nothing for 0.8"};
constexpr Range kConvectionRange = {0, true, 200, "a number from 0 to 200, or nothing for 20"};
constexpr Range kContactRange = {0, true, 20000, "a number from 0 to 20000, or nothing for 6000"};
constexpr Range kRollTemperatureRange = {0, true, 300, "a number from 0 to 300, or nothing for 60"};
constexpr Range kHeatFractionRange = {0, true, 1, "a number from 0 to 1, or nothing for 0.9"};
constexpr Range kMinimumTaperRange = {0.001, true, 0.2,
                                      "a number from 0.001 to 0.2, or nothing for 0.02"};
constexpr Range kAirTemperatureRange = {-20, true, 60,
                                        "a number from -20 to 60, or nothing for 20"};
constexpr Range kDensityRange = {7000, true, 8000,
                                 "a number from 7000 to 8000, or nothing for 7600"};
constexpr Range kSpecificHeatRange = {400, true, 1000,
                                      "a number from 400 to 1000, or nothing for 660"};

// Per pass.
constexpr Range kDiameterRange = {200, true, 1500, "a number from 200 to 1500"};
constexpr Range kRpmRange = {1, true, 600, "a number from 1 to 600"};
constexpr Range kInterpassRange = {0, true, 600, "a number from 0 to 600"};
constexpr Range kDistanceRange = {0, true, 500, "a number from 0 to 500"};
// The stand limits have no lower bound but 0. Their upper bounds are ten
// times the largest mills built (plate mills of about 100 MN, drives of
// about 10 MN m and 20 MW): a limit beyond them is a typing error, not a
// stand.
constexpr Range kForceLimitRange = {0, false, 1e6,
                                    "a number above 0 and at most 1000000, or nothing for no "
                                    "limit"};
constexpr Range kTorqueLimitRange = {0, false, 1e5,
                                     "a number above 0 and at most 100000, or nothing for no "
                                     "limit"};
constexpr Range kMotorLimitRange = {0, false, 1e6,
                                    "a number above 0 and at most 1000000, or nothing for no "
                                    "limit"};
constexpr Range kNeckRatioRange = {0.3, true, 0.8, "a number from 0.3 to 0.8, or nothing for 0.55"};
constexpr Range kNeckFrictionRange = {0.001, true, 0.1,
                                      "a number from 0.001 to 0.1, or nothing for 0.005"};
constexpr Range kDriveEfficiencyRange = {0.5, true, 1,
                                         "a number from 0.5 to 1, or nothing for 0.9"};

constexpr std::size_t kLongestStandName = 20;  // characters
constexpr std::size_t kLongestMillName = 40;   // characters

bool within(const Range& range, double value) {
    const bool aboveLowest = range.lowestIncluded ? value >= range.lowest : value > range.lowest;
    return std::isfinite(value) && aboveLowest && value <= range.highest;
}

bool isEmpty(std::string_view text) { return text.find_first_not_of(" \t") == text.npos; }

std::string shortest(double value) {
    char text[64];
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

// The characters of a UTF-8 text; -1 when it is not UTF-8 or holds a
// control character.
long printableCharacters(std::string_view text) {
    long count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || i + length > text.size() || lead < 0x20 || lead == 0x7F) return -1;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2) return -1;
        }
        i += length;
    }
    return count;
}

// A number field of the mill as a whole: its text, its place in the mill
// and the default an empty text takes.
struct WholeField {
    MillField field;
    std::string MillTexts::*text;
    double& (*value)(Mill&);
    const Range& range;
};

const WholeField kWholeFields[] = {
    {MillField::EntryTemperature, &MillTexts::entryTemperature,
     [](Mill& m) -> double& { return m.entryTemperature_C; }, kEntryTemperatureRange},
    {MillField::Carbon, &MillTexts::carbon, [](Mill& m) -> double& { return m.steel.carbon_pct; },
     kCarbonRange},
    {MillField::Emissivity, &MillTexts::emissivity,
     [](Mill& m) -> double& { return m.constants.emissivity; }, kEmissivityRange},
    {MillField::Convection, &MillTexts::convection,
     [](Mill& m) -> double& { return m.constants.convection_W_m2K; }, kConvectionRange},
    {MillField::Contact, &MillTexts::contact,
     [](Mill& m) -> double& { return m.constants.contact_W_m2K; }, kContactRange},
    {MillField::RollTemperature, &MillTexts::rollTemperature,
     [](Mill& m) -> double& { return m.constants.rollTemperature_C; }, kRollTemperatureRange},
    {MillField::HeatFraction, &MillTexts::heatFraction,
     [](Mill& m) -> double& { return m.constants.heatFraction; }, kHeatFractionRange},
    {MillField::MinimumTaper, &MillTexts::minimumTaper,
     [](Mill& m) -> double& { return m.constants.minimumTaper; }, kMinimumTaperRange},
    {MillField::AirTemperature, &MillTexts::airTemperature,
     [](Mill& m) -> double& { return m.constants.airTemperature_C; }, kAirTemperatureRange},
    {MillField::Density, &MillTexts::density,
     [](Mill& m) -> double& { return m.constants.density_kg_m3; }, kDensityRange},
    {MillField::SpecificHeat, &MillTexts::specificHeat,
     [](Mill& m) -> double& { return m.constants.specificHeat_J_kgK; }, kSpecificHeatRange},
};

// A number column of the table: a required value, one with a default when
// empty, or an optional one (a limit, the time or distance to the next pass).
struct NumberColumn {
    MillColumn column;
    const Range& range;
    double MillStand::*value;                  // required or defaulted
    std::optional<double> MillStand::*option;  // optional
    bool required;
};

const NumberColumn kNumberColumns[] = {
    {MillColumn::Diameter, kDiameterRange, &MillStand::diameter_mm, nullptr, true},
    {MillColumn::Rpm, kRpmRange, &MillStand::rpm, nullptr, true},
    {MillColumn::Interpass, kInterpassRange, nullptr, &MillStand::interpass_s, false},
    {MillColumn::Distance, kDistanceRange, nullptr, &MillStand::distance_m, false},
    {MillColumn::MaxForce, kForceLimitRange, nullptr, &MillStand::maxForce_kN, false},
    {MillColumn::MaxTorque, kTorqueLimitRange, nullptr, &MillStand::maxTorque_kNm, false},
    {MillColumn::Motor, kMotorLimitRange, nullptr, &MillStand::motor_kW, false},
    {MillColumn::NeckRatio, kNeckRatioRange, &MillStand::neckRatio, nullptr, false},
    {MillColumn::NeckFriction, kNeckFrictionRange, &MillStand::neckFriction, nullptr, false},
    {MillColumn::DriveEfficiency, kDriveEfficiencyRange, &MillStand::driveEfficiency, nullptr,
     false},
};

MillProblem wholeProblem(MillField field, std::string value, std::string accepted) {
    MillProblem problem;
    problem.field = field;
    problem.value = std::move(value);
    problem.accepted = std::move(accepted);
    return problem;
}

MillProblem cellProblem(int row, int passCount, MillColumn column, std::string value,
                        std::string accepted) {
    MillProblem problem;
    problem.row = row;
    problem.pass = passOfStand(row, passCount);
    problem.column = column;
    problem.value = std::move(value);
    problem.accepted = std::move(accepted);
    return problem;
}

std::optional<MillProblem> checkMillName(const std::string& name) {
    const long characters = printableCharacters(name);
    if (characters >= 0 && static_cast<std::size_t>(characters) <= kLongestMillName) return {};
    return wholeProblem(MillField::Name, name, "up to 40 characters, without control characters");
}

std::optional<MillProblem> checkStandName(const std::string& name, int row, int passCount) {
    const long characters = printableCharacters(name);
    if (characters > 0 && static_cast<std::size_t>(characters) <= kLongestStandName &&
        !isEmpty(name)) {
        return {};
    }
    return cellProblem(row, passCount, MillColumn::Stand, name,
                       "1 to 20 characters, not all blanks, without control characters");
}

// The time and distance to the next pass: one of them before the last pass,
// neither after it (no pass follows the finishing pass).
std::optional<MillProblem> checkInterpass(const MillStand& stand, int row, int passCount,
                                          const std::string& interpassText,
                                          const std::string& distanceText) {
    const bool last = row == passCount - 1;
    if (last && stand.interpass_s) {
        return cellProblem(row, passCount, MillColumn::Interpass, interpassText,
                           "nothing: no pass follows the finishing pass");
    }
    if (last && stand.distance_m) {
        return cellProblem(row, passCount, MillColumn::Distance, distanceText,
                           "nothing: no pass follows the finishing pass");
    }
    if (!last && !stand.interpass_s && !stand.distance_m) {
        return cellProblem(row, passCount, MillColumn::Interpass, interpassText,
                           "a number from 0 to 600, or the distance to the next pass in " +
                               millColumnHeading(MillColumn::Distance));
    }
    return {};
}

std::optional<MillProblem> checkStandCount(std::size_t stands, int passCount) {
    if (passCount >= 1 && stands == static_cast<std::size_t>(passCount)) return {};
    MillProblem problem;
    problem.value = std::to_string(stands);
    problem.accepted = passCount >= 1 ? "one stand for each of the " + std::to_string(passCount) +
                                            " passes of the Setup"
                                      : std::string(
                                            "one stand per pass, once the Setup has "
                                            "set the passes (Inputs › Setup)");
    return problem;
}

}  // namespace

std::string millColumnHeading(MillColumn column) {
    switch (column) {
        case MillColumn::Stand:
            return "Stand";
        case MillColumn::Diameter:
            return "Diameter [mm]";
        case MillColumn::Rpm:
            return "Speed [rpm]";
        case MillColumn::Interpass:
            return "Interpass [s]";
        case MillColumn::Distance:
            return "Distance [m]";
        case MillColumn::MaxForce:
            return "Max Force [kN]";
        case MillColumn::MaxTorque:
            return "Max Torque [kN·m]";
        case MillColumn::Motor:
            return "Motor [kW]";
        case MillColumn::NeckRatio:
            return "Neck Ratio";
        case MillColumn::NeckFriction:
            return "Neck Friction";
        case MillColumn::DriveEfficiency:
            return "Drive Efficiency";
    }
    return "column";
}

std::string millFieldLabel(MillField field) {
    switch (field) {
        case MillField::Name:
            return "Mill Name";
        case MillField::EntryTemperature:
            return "Entry Temperature [°C]";
        case MillField::Carbon:
            return "Carbon [%]";
        case MillField::Emissivity:
            return "Emissivity";
        case MillField::Convection:
            return "Convection [W/(m² K)]";
        case MillField::Contact:
            return "Roll Contact [W/(m² K)]";
        case MillField::RollTemperature:
            return "Roll Temperature [°C]";
        case MillField::HeatFraction:
            return "Heat Fraction";
        case MillField::MinimumTaper:
            return "Minimum Taper";
        case MillField::AirTemperature:
            return "Air Temperature [°C]";
        case MillField::Density:
            return "Density [kg/m³]";
        case MillField::SpecificHeat:
            return "Specific Heat [J/(kg K)]";
    }
    return "field";
}

std::vector<std::string> steelChoices() {
    return {"Shida (carbon %)", "Hensel-Spittel C20/C22", "Hensel-Spittel S355J2",
            "Hensel-Spittel C45"};
}

std::vector<std::string> rollMaterialChoices() { return {"Steel rolls", "Chilled iron rolls"}; }

std::string describeMillProblem(const MillProblem& problem) {
    std::string where;
    if (problem.field) {
        where = millFieldLabel(*problem.field);
    } else if (problem.row >= 0) {
        where = "Pass " + std::to_string(problem.pass) + ", " + millColumnHeading(problem.column);
    } else {
        where = "Stands";
    }
    return where + ": \"" + problem.value + "\" is not accepted.\nAccepted: " + problem.accepted +
           ".";
}

MillTexts textsOfMill(const Mill& mill) {
    MillTexts texts;
    texts.name = mill.name;
    texts.example = mill.example;
    Mill copy = mill;
    for (const WholeField& f : kWholeFields) texts.*f.text = shortest(f.value(copy));
    texts.steel = mill.steel.model == FlowStressModel::Shida   ? SteelChoice::Shida
                  : mill.steel.set == HenselSpittelSet::C20C22 ? SteelChoice::HenselSpittelC20C22
                  : mill.steel.set == HenselSpittelSet::S355J2 ? SteelChoice::HenselSpittelS355J2
                                                               : SteelChoice::HenselSpittelC45;
    texts.rollMaterial = mill.rollMaterial;
    for (const MillStand& stand : mill.stands) {
        std::vector<std::string> row(kMillColumnCount);
        row[static_cast<int>(MillColumn::Stand)] = stand.stand;
        for (const NumberColumn& c : kNumberColumns) {
            std::string& cell = row[static_cast<int>(c.column)];
            if (c.value != nullptr) cell = shortest(stand.*c.value);
            if (c.option != nullptr && stand.*c.option) cell = shortest(*(stand.*c.option));
        }
        texts.rows.push_back(row);
    }
    return texts;
}

std::optional<MillProblem> readMill(const MillTexts& texts, int passCount, Mill& mill) {
    Mill read;
    if (auto problem = checkMillName(texts.name)) return problem;
    read.name = texts.name;
    read.example = texts.example;
    // A Shida steel keeps the default coefficient set, as a file holds it.
    read.steel.model =
        texts.steel == SteelChoice::Shida ? FlowStressModel::Shida : FlowStressModel::HenselSpittel;
    if (texts.steel == SteelChoice::HenselSpittelS355J2) read.steel.set = HenselSpittelSet::S355J2;
    if (texts.steel == SteelChoice::HenselSpittelC45) read.steel.set = HenselSpittelSet::C45;
    read.rollMaterial = texts.rollMaterial;
    for (const WholeField& f : kWholeFields) {
        // The carbon content is the Shida model's alone.
        if (f.field == MillField::Carbon && read.steel.model != FlowStressModel::Shida) continue;
        const std::string& text = texts.*f.text;
        if (isEmpty(text)) continue;  // the default
        const std::optional<double> number = strictNumber(text);
        if (!number || !within(f.range, *number)) return wholeProblem(f.field, text, f.range.words);
        f.value(read) = *number;
    }

    if (auto problem = checkStandCount(texts.rows.size(), passCount)) return problem;
    for (int j = 0; j < passCount; ++j) {
        std::vector<std::string> row = texts.rows[static_cast<std::size_t>(j)];
        row.resize(kMillColumnCount);
        auto cell = [&row](MillColumn column) -> const std::string& {
            return row[static_cast<int>(column)];
        };
        MillStand stand;
        if (auto problem = checkStandName(cell(MillColumn::Stand), j, passCount)) return problem;
        stand.stand = cell(MillColumn::Stand);
        for (const NumberColumn& c : kNumberColumns) {
            const std::string& text = cell(c.column);
            if (isEmpty(text) && !c.required) continue;  // none, or the default
            const std::optional<double> number = strictNumber(text);
            if (!number || !within(c.range, *number)) {
                return cellProblem(j, passCount, c.column, text, c.range.words);
            }
            if (c.value != nullptr) stand.*c.value = *number;
            if (c.option != nullptr) stand.*c.option = *number;
        }
        if (auto problem = checkInterpass(stand, j, passCount, cell(MillColumn::Interpass),
                                          cell(MillColumn::Distance))) {
            return problem;
        }
        read.stands.push_back(stand);
    }
    mill = read;
    return {};
}

std::optional<MillProblem> checkMill(const Mill& mill, int passCount) {
    if (auto problem = checkMillName(mill.name)) return problem;
    Mill copy = mill;
    for (const WholeField& f : kWholeFields) {
        if (f.field == MillField::Carbon && mill.steel.model != FlowStressModel::Shida) continue;
        const double value = f.value(copy);
        if (!within(f.range, value)) return wholeProblem(f.field, shortest(value), f.range.words);
    }
    if (auto problem = checkStandCount(mill.stands.size(), passCount)) return problem;
    for (int j = 0; j < passCount; ++j) {
        const MillStand& stand = mill.stands[static_cast<std::size_t>(j)];
        if (auto problem = checkStandName(stand.stand, j, passCount)) return problem;
        for (const NumberColumn& c : kNumberColumns) {
            std::optional<double> value;
            if (c.value != nullptr) value = stand.*c.value;
            if (c.option != nullptr) value = stand.*c.option;
            if (value && !within(c.range, *value)) {
                return cellProblem(j, passCount, c.column, shortest(*value), c.range.words);
            }
        }
        const std::string interpass = stand.interpass_s ? shortest(*stand.interpass_s) : "";
        const std::string distance = stand.distance_m ? shortest(*stand.distance_m) : "";
        if (auto problem = checkInterpass(stand, j, passCount, interpass, distance)) {
            return problem;
        }
    }
    return {};
}

}  // namespace rolvanta
