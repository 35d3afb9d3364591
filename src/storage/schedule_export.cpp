#include "storage/schedule_export.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>

#include "engine/pass_fields.h"
#include "engine/section_fields.h"
#include "engine/windows1252.h"
#include "storage/file_io.h"

namespace rolvanta {

namespace {

constexpr const char* kFormatName = "ROLVANTA Schedule";
constexpr int kFormatVersion = 1;
constexpr double kMillimetresPerMetre = 1000.0;

std::string number(float value) {
    char text[32];
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

// A load; empty where the models give no finite number.
std::string number(double value) {
    if (!std::isfinite(value)) return {};
    char text[32];
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

// The mass per length in kg/m, as the float the record would hold in these units.
float massPerMetre(const BeamSection& section) {
    return static_cast<float>(double{section.massPerLength} * kMillimetresPerMetre);
}

// The loads of a pass, with the name of the stand that rolls it.
struct LoadField {
    const char* key;      // in JSON
    const char* heading;  // in CSV
    double PassLoads::*value;
    std::optional<double> PassLoads::*option;  // none after the finishing pass
};

const LoadField kLoadFields[] = {
    {"entryTemperature_C", "entryTemperature [degC]", &PassLoads::entryTemperature_C, nullptr},
    {"exitTemperature_C", "exitTemperature [degC]", &PassLoads::exitTemperature_C, nullptr},
    {"strain", "strain", &PassLoads::strain, nullptr},
    {"strainRate_per_s", "strainRate [1/s]", &PassLoads::strainRate_per_s, nullptr},
    {"meanFlowStress_MPa", "meanFlowStress [MPa]", &PassLoads::meanFlowStress_MPa, nullptr},
    {"contactLength_mm", "contactLength [mm]", &PassLoads::contactLength_mm, nullptr},
    {"biteAngle_deg", "biteAngle [deg]", &PassLoads::biteAngle_deg, nullptr},
    {"force_kN", "force [kN]", &PassLoads::force_kN, nullptr},
    {"forceLow_kN", "forceLow [kN]", &PassLoads::forceLow_kN, nullptr},
    {"torque_kNm", "torque [kNm]", &PassLoads::torque_kNm, nullptr},
    {"rollPower_kW", "rollPower [kW]", &PassLoads::rollPower_kW, nullptr},
    {"motorPower_kW", "motorPower [kW]", &PassLoads::motorPower_kW, nullptr},
    {"exitSpeed_m_s", "exitSpeed [m/s]", &PassLoads::exitSpeed_m_s, nullptr},
    {"interpass_s", "interpass [s]", nullptr, &PassLoads::interpass_s},
    {"interpassDrop_K", "interpassDrop [K]", nullptr, &PassLoads::interpassDrop_K},
};

std::string loadText(const PassLoads& loads, const LoadField& field) {
    if (field.value != nullptr) return number(loads.*field.value);
    const std::optional<double>& value = loads.*field.option;
    return value ? number(*value) : std::string();
}

// The loads of the pass that makes section pass (the schedule's number),
// and its stand's name; null without loads.
const PassLoads* loadsOfPass(const Project& project, int pass, std::string& stand) {
    if (!project.mill) return nullptr;
    for (std::size_t j = 0; j < project.loads.size(); ++j) {
        if (project.loads[j].pass != pass) continue;
        stand = j < project.mill->stands.size() ? project.mill->stands[j].stand : std::string();
        return &project.loads[j];
    }
    return nullptr;
}

bool hasLoads(const Project& project) { return project.mill && !project.loads.empty(); }

// A CSV cell, quoted when it holds a separator, a quote or a line end.
std::string csvCell(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// The pass's warnings, joined.
std::string warningsOfPass(const std::vector<PassWarning>& warnings, int pass) {
    std::string joined;
    for (const PassWarning& warning : warnings) {
        if (warning.pass != pass) continue;
        joined += (joined.empty() ? "" : "; ") + warning.text;
    }
    return joined;
}

std::string jsonString(std::string_view utf8) {
    std::string quoted = "\"";
    for (const char c : utf8) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

// A unit as part of a key: "kg/mm" becomes "kg_per_mm".
std::string keyOf(const char* name, const char* unit) {
    std::string key = std::string(name) + "_";
    for (const char* c = unit; *c; ++c)
        key += *c == '/' ? std::string("_per_") : std::string(1, *c);
    return key;
}

// The finished web width is an internal of the program, not a dimension of
// the section at rolling temperature.
bool exported(const SectionField& field) { return field.member != &BeamSection::coldWebWidth; }

// The loads' cells of a CSV line, each after a comma; empty cells without
// loads for the pass.
std::string csvLoads(const Project& project, int pass) {
    std::string stand;
    const PassLoads* loads = loadsOfPass(project, pass, stand);
    std::string cells = "," + csvCell(stand);
    for (const LoadField& field : kLoadFields) {
        cells += "," + (loads != nullptr ? loadText(*loads, field) : std::string());
    }
    return cells;
}

// "loads": {...} of the pass, after a comma; nothing without loads for it.
std::string jsonLoads(const Project& project, int pass) {
    std::string stand;
    const PassLoads* loads = loadsOfPass(project, pass, stand);
    if (loads == nullptr) return {};
    std::string json = ", \"loads\": {\"stand\": " + jsonString(stand);
    for (const LoadField& field : kLoadFields) {
        const std::string value = loadText(*loads, field);
        json += ", \"" + std::string(field.key) + "\": " + (value.empty() ? "null" : value);
    }
    return json + "}";
}

}  // namespace

std::string formatScheduleCsv(const Project& project, const std::vector<PassWarning>& warnings) {
    const bool withLoads = hasLoads(project);
    std::string csv = "pass";
    for (const PassField& field : kPassFields) {
        csv += std::string(",") + field.name + " [" + unitKey(field.unit) + "]";
    }
    csv += ",massPerLength [kg/m]";
    if (withLoads) {
        csv += ",stand";
        for (const LoadField& field : kLoadFields) csv += std::string(",") + field.heading;
    }
    csv += ",warnings\n1";
    for (const PassField& field : kPassFields) {
        csv += ",";
        if (field.hotSectionMember != nullptr)
            csv += number(project.section.*field.hotSectionMember);
    }
    csv += "," + number(massPerMetre(project.section));
    if (withLoads) csv += csvLoads(project, 1);
    csv += "," + csvCell(warningsOfPass(warnings, 1)) + "\n";
    for (int k = 0; k < shownPassRecordCount(project.section); ++k) {
        csv += std::to_string(k + 2);
        for (const PassField& field : kPassFields) {
            csv += "," + number(project.passes.records[k].*field.member);
        }
        csv += ",";  // the mass per length is the section's
        if (withLoads) csv += csvLoads(project, k + 2);
        csv += "," + csvCell(warningsOfPass(warnings, k + 2)) + "\n";
    }
    // The bar that enters the mill: no pass makes it, so it has no loads.
    const int bar = scheduledRecordCount(project.section) - 1;
    if (bar < 0) return csv;
    csv += kBarInName;
    for (const PassField& field : kPassFields) {
        csv += "," + number(project.passes.records[bar].*field.member);
    }
    csv += ",";
    if (withLoads) csv += csvLoads(project, bar + 2);
    csv += "," + csvCell(warningsOfPass(warnings, bar + 2)) + "\n";
    return csv;
}

std::string formatScheduleJson(const Project& project, const std::vector<PassWarning>& warnings) {
    const BeamSection& s = project.section;
    const std::string name(s.name, strnlen(s.name, kNameFieldSize));
    std::string json =
        "{\n  \"format\": \"" + std::string(kFormatName) +
        "\",\n  \"version\": " + std::to_string(kFormatVersion) +
        ",\n  \"section\": {\n    \"name\": " + jsonString(utf8FromWindows1252(name));
    for (const auto& field : kSectionFields) {
        if (!exported(field)) continue;
        json += ",\n    \"";
        json += field.member == &BeamSection::massPerLength
                    ? "massPerLength_kg_per_m\": " + number(massPerMetre(s))
                    : keyOf(field.name, unitKey(field.unit)) + "\": " + number(s.*field.member);
    }
    json += ",\n    \"passCount\": " + std::to_string(s.passCount);
    if (const std::string loads = jsonLoads(project, 1); !loads.empty()) {
        json += ",\n    " + loads.substr(2);  // without its leading comma
    }
    json += "\n  },\n  \"passes\": [";
    for (int k = 0; k < shownPassRecordCount(s); ++k) {
        json += std::string(k == 0 ? "" : ",") + "\n    {\"pass\": " + std::to_string(k + 2);
        for (const PassField& field : kPassFields) {
            json += ", \"" + keyOf(field.name, unitKey(field.unit)) +
                    "\": " + number(project.passes.records[k].*field.member);
        }
        json += jsonLoads(project, k + 2) + "}";
    }
    json += "\n  ],";
    if (const int bar = scheduledRecordCount(s) - 1; bar >= 0) {
        const char* comma = "";
        json += "\n  \"barIn\": {";
        for (const PassField& field : kPassFields) {
            json += std::string(comma) + "\"" + keyOf(field.name, unitKey(field.unit)) +
                    "\": " + number(project.passes.records[bar].*field.member);
            comma = ", ";
        }
        json += "},";
    }
    json += "\n  \"warnings\": [";
    for (std::size_t i = 0; i < warnings.size(); ++i) {
        json += std::string(i == 0 ? "" : ",") + "\n    " + jsonString(warnings[i].text);
    }
    json += warnings.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return json;
}

StorageResult writeScheduleCsv(const std::string& path, const Project& project,
                               const std::vector<PassWarning>& warnings) {
    return replaceFile(path, formatScheduleCsv(project, warnings));
}

StorageResult writeScheduleJson(const std::string& path, const Project& project,
                                const std::vector<PassWarning>& warnings) {
    return replaceFile(path, formatScheduleJson(project, warnings));
}

}  // namespace rolvanta
