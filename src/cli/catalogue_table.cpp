#include "cli/catalogue_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "engine/windows1252.h"

namespace rolvanta::cli {

namespace {

// The fields of one CSV line; a field in double quotes may hold commas, and
// "" inside it is one quote.
std::vector<std::string> csvFields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// The whole field as a finite number, or false.
bool tableNumber(std::string_view text, double& value) {
    text = trimmed(text);
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() &&
           std::isfinite(value) && std::isfinite(static_cast<float>(value));
}

enum Column {
    kDesignation,
    kMass,
    kArea,
    kDepth,
    kFlangeWidth,
    kWebThickness,
    kFlangeThickness,
    kRootRadius,
    kToeRadius,
    kFlangeSlope,
    kColumnCount
};

constexpr const char* kColumnNames[kColumnCount] = {"designation",
                                                    "mass_kg_per_m",
                                                    "area_cm2",
                                                    "depth_mm",
                                                    "flange_width_mm",
                                                    "web_thickness_mm",
                                                    "flange_thickness_mm",
                                                    "root_radius_mm",
                                                    "toe_radius_mm",
                                                    "flange_slope_deg"};

std::string shortest(float value) {
    char text[32];
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

}  // namespace

bool readBeamTable(std::string_view csv, std::vector<ProfileRecord>& records, std::string& error) {
    if (csv.substr(0, 3) == "\xEF\xBB\xBF") csv.remove_prefix(3);  // a byte order mark
    records.clear();
    std::size_t where[kColumnCount];
    bool haveHeader = false;
    int lineNumber = 0;
    while (!csv.empty()) {
        const std::size_t end = std::min(csv.find('\n'), csv.size());
        std::string_view line = csv.substr(0, end);
        csv.remove_prefix(std::min(end + 1, csv.size()));
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (trimmed(line).empty()) continue;

        const auto fields = csvFields(line);
        const std::string at = "line " + std::to_string(lineNumber) + ": ";
        if (!haveHeader) {
            for (int c = 0; c < kColumnCount; ++c) {
                const auto found = std::find_if(fields.begin(), fields.end(), [&](auto& f) {
                    return trimmed(f) == kColumnNames[c];
                });
                if (found == fields.end()) {
                    error = at + "no column " + kColumnNames[c];
                    return false;
                }
                where[c] = static_cast<std::size_t>(found - fields.begin());
            }
            haveHeader = true;
            continue;
        }

        double values[kColumnCount] = {};
        for (int c = 0; c < kColumnCount; ++c) {
            if (where[c] >= fields.size()) {
                error = at + "no value for " + kColumnNames[c];
                return false;
            }
            if (c != kDesignation && !tableNumber(fields[where[c]], values[c])) {
                error = at + kColumnNames[c] + " is not a number";
                return false;
            }
        }
        const std::string name = windows1252FromUtf8(trimmed(fields[where[kDesignation]]));
        if (name.empty() || name.size() >= kNameFieldSize) {
            error = at + "the designation must have 1 to 51 characters";
            return false;
        }

        ProfileRecord record{};
        std::memcpy(record.name, name.data(), name.size());
        record.webWidth = static_cast<float>(values[kDepth]);
        record.webThickness = static_cast<float>(values[kWebThickness]);
        record.flangeHeight = static_cast<float>(values[kFlangeWidth]);
        record.flangeThickness = static_cast<float>(values[kFlangeThickness]);
        record.flangeSlope = static_cast<float>(values[kFlangeSlope]);
        record.rootRadius = static_cast<float>(values[kRootRadius]);
        record.tipRadius = static_cast<float>(values[kToeRadius]);
        record.massPerLength = static_cast<float>(values[kMass] / 1000.0);  // kg/m -> kg/mm
        record.area = static_cast<float>(values[kArea] * 100.0);            // cm2 -> mm2
        records.push_back(record);
    }
    if (!haveHeader) {
        error = "the table is empty";
        return false;
    }
    return true;
}

std::string formatCatalogueListing(const ProfileList& list) {
    static constexpr const char* kHeads[][2] = {
        {"webWidth", "mm"},        {"webThickness", "mm"},     {"flangeHeight", "mm"},
        {"flangeThickness", "mm"}, {"flangeSlope", "deg"},     {"rootRadius", "mm"},
        {"tipRadius", "mm"},       {"massPerLength", "kg/mm"}, {"area", "mm2"}};
    std::vector<std::vector<std::string>> rows;
    rows.push_back({"name"});
    rows.push_back({""});
    for (const auto& head : kHeads) {
        rows[0].push_back(head[0]);
        rows[1].push_back(head[1]);
    }
    for (const ProfileRecord& r : list) {
        rows.push_back(
            {utf8FromWindows1252(std::string_view(r.name, strnlen(r.name, kNameFieldSize))),
             shortest(r.webWidth), shortest(r.webThickness), shortest(r.flangeHeight),
             shortest(r.flangeThickness), shortest(r.flangeSlope), shortest(r.rootRadius),
             shortest(r.tipRadius), shortest(r.massPerLength), shortest(r.area)});
    }

    // Column widths in characters; a name may hold multi-byte UTF-8.
    auto width = [](const std::string& text) {
        return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        }));
    };
    std::vector<std::size_t> widths(rows[0].size(), 0);
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], width(row[c]));
    }
    std::string text;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string pad(widths[c] - width(row[c]), ' ');
            // The name is aligned left, numbers right.
            line += c == 0 ? row[c] + pad : "  " + pad + row[c];
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        text += line + "\n";
    }
    return text;
}

}  // namespace rolvanta::cli
