#include "storage/schedule_export.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "engine/pass_fields.h"
#include "engine/windows1252.h"
#include "storage/file_io.h"
#include "storage/record_fields.h"

namespace rolvanta {

namespace {

std::string number(float value) {
    char text[32];
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
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
bool exported(const FloatField<BeamSection>& field) {
    return std::strcmp(field.name, "finishedWebWidth") != 0;
}

}  // namespace

std::string formatScheduleCsv(const Project& project) {
    std::string csv = "pass";
    for (const PassField& field : kPassFields) {
        csv += std::string(",") + field.name + " [" + unitKey(field.unit) + "]";
    }
    csv += "\n1";
    for (const PassField& field : kPassFields) {
        csv += ",";
        if (field.hotSectionMember != nullptr)
            csv += number(project.section.*field.hotSectionMember);
    }
    csv += "\n";
    for (int k = 0; k < shownPassRecordCount(project.section); ++k) {
        csv += std::to_string(k + 2);
        for (const PassField& field : kPassFields) {
            csv += "," + number(project.passes.records[k].*field.member);
        }
        csv += "\n";
    }
    return csv;
}

std::string formatScheduleJson(const Project& project, const std::vector<std::string>& warnings) {
    const BeamSection& s = project.section;
    const std::string name(s.name, strnlen(s.name, kNameFieldSize));
    std::string json =
        "{\n  \"section\": {\n    \"name\": " + jsonString(utf8FromWindows1252(name));
    for (const auto& field : kSectionFloatFields) {
        if (!exported(field)) continue;
        json += ",\n    \"" + keyOf(field.name, field.unit) + "\": " + number(s.*field.member);
    }
    json += ",\n    \"passCount\": " + std::to_string(s.passCount) + "\n  },\n  \"passes\": [";
    for (int k = 0; k < shownPassRecordCount(s); ++k) {
        json += std::string(k == 0 ? "" : ",") + "\n    {\"pass\": " + std::to_string(k + 2);
        for (const PassField& field : kPassFields) {
            json += ", \"" + keyOf(field.name, unitKey(field.unit)) +
                    "\": " + number(project.passes.records[k].*field.member);
        }
        json += "}";
    }
    json += "\n  ],\n  \"warnings\": [";
    for (std::size_t i = 0; i < warnings.size(); ++i) {
        json += std::string(i == 0 ? "" : ",") + "\n    " + jsonString(warnings[i]);
    }
    json += warnings.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return json;
}

StorageResult writeScheduleCsv(const std::string& path, const Project& project) {
    return replaceFile(path, formatScheduleCsv(project));
}

StorageResult writeScheduleJson(const std::string& path, const Project& project,
                                const std::vector<std::string>& warnings) {
    return replaceFile(path, formatScheduleJson(project, warnings));
}

}  // namespace rolvanta
