#include "project/design_checks.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <optional>

#include "engine/fixed_number.h"
#include "engine/pass_fields.h"
#include "engine/section_outline.h"
#include "engine/windows1252.h"
#include "project/schedule_rows.h"

namespace rolvanta {

namespace {

// What a warning begins with: the pass it names, or the bar in.
std::string passPrefix(const ScheduleRow& row) {
    return row.barIn ? std::string(kBarInPrefix) : "Pass " + std::to_string(row.pass) + ": ";
}

// The pass before one, as a warning names it.
std::string passBefore(const ScheduleRow& before) {
    return before.barIn ? std::string("the bar in is")
                        : "the pass before it, pass " + std::to_string(before.pass) + ", is";
}

// A pass field as the checks name it: its label in lower case, its unit.
std::string checkedName(const PassField& field) {
    std::string name = field.label;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name;
}

void checkPositive(const ScheduleRow& row, std::vector<DesignWarning>& warnings) {
    std::string found;
    // In the report's order, the units as the warnings write them (UTF-8).
    for (float PassRecord::*member : kReportFieldOrder) {
        const float value = row.values.*member;
        if (value > 0.0f) continue;  // a NaN is caught here too
        const PassField& field = passField(member);
        if (!found.empty()) found += ", ";
        found += checkedName(field) + " " + fixedNumber(value, 1) + " " +
                 utf8FromWindows1252(unitSymbol(field.unit));
    }
    if (found.empty()) return;
    warnings.push_back(
        {row.pass, DesignRule::NotPositive, passPrefix(row) + "at or below 0: " + found});
}

// The legs of one flange, one at each end of the web, stand out on the same
// side of it: their roots, and their tips, must stay apart.
bool checkFlangeLegs(const ScheduleRow& row, const char* flange, double root, double tip,
                     double width, std::vector<DesignWarning>& warnings) {
    const auto meet = [&](const char* where, const char* across, double thickness) {
        const char* verb = 2.0 * thickness > width ? " overlap " : " meet ";
        warnings.push_back({row.pass, DesignRule::OutlineCrosses,
                            passPrefix(row) + "the " + flange + " " + where + verb + across +
                                " (2 \u00d7 " + fixedNumber(thickness, 1) + " mm on a " +
                                fixedNumber(width, 1) + " mm pass width)"});
    };
    if (2.0 * root >= width) {
        meet("roots", "across the web", root);
        return true;
    }
    if (2.0 * tip >= width) {
        meet("tips", "across the pass", tip);
        return true;
    }
    return false;
}

void checkOutline(const ScheduleRow& row, std::vector<DesignWarning>& warnings) {
    const PassRecord& r = row.values;
    const double width = r.passWidth;
    // A width at or below 0 is told as such; its outline is folded anyway.
    bool named = width > 0.0 && checkFlangeLegs(row, "dead flange", r.deadFlangeRoot,
                                                r.deadFlangeTip, width, warnings);
    named = (width > 0.0 && checkFlangeLegs(row, "live flange", r.liveFlangeRoot, r.liveFlangeTip,
                                            width, warnings)) ||
            named;
    if (named) return;
    if (outlineCrossesItself(computeSectionOutline(row.pass - 2, r))) {
        warnings.push_back(
            {row.pass, DesignRule::OutlineCrosses, passPrefix(row) + "the outline crosses itself"});
    }
}

std::optional<double> ratio(float before, float after) {
    if (!(before > 0.0f) || !(after > 0.0f)) return std::nullopt;
    return double{before} / after;
}

void checkElongation(const ScheduleRow& row, const ScheduleRow& before,
                     std::vector<DesignWarning>& warnings) {
    if (row.elongation && *row.elongation < 1.0) {
        warnings.push_back({row.pass, DesignRule::ElongationBelowOne,
                            passPrefix(row) + "the elongation " + fixedNumber(*row.elongation, 3) +
                                " is below 1.0: " + passBefore(before) + " smaller (" +
                                fixedNumber(before.values.crossSectionArea, 1) + " against " +
                                fixedNumber(row.values.crossSectionArea, 1) + " mm\u00b2)"});
    }
    // Live and dead flange change sides between passes: the leg that is the
    // dead flange in this pass was the live flange in the pass before.
    const PassRecord& a = before.values;
    const PassRecord& b = row.values;
    const std::optional<double> parts[] = {
        ratio(a.webArea, b.webArea),
        ratio(a.deadFlangeArea, b.liveFlangeArea),
        ratio(a.liveFlangeArea, b.deadFlangeArea),
    };
    static_assert(std::size(parts) == std::size(kElongationCeilings));
    for (std::size_t i = 0; i < std::size(parts); ++i) {
        const ElongationCeiling& limit = kElongationCeilings[i];
        if (!parts[i] || *parts[i] <= limit.ceiling) continue;
        warnings.push_back({row.pass, DesignRule::ElongationAboveCeiling,
                            passPrefix(row) + "the " + limit.part + " elongation " +
                                fixedNumber(*parts[i], 3) + " is above the ceiling of " +
                                fixedNumber(limit.ceiling, 1)});
    }
}

}  // namespace

std::vector<DesignWarning> checkDesign(const Project& project) {
    std::vector<DesignWarning> warnings;
    const std::vector<ScheduleRow> rows = scheduleRows(project);
    // A bar in that is no section gives the first pass no elongation to
    // check: its own warnings say what is wrong with it.
    const bool barSound = !rows.empty() && soundOutline(rows.back().pass - 2, rows.back().values);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ScheduleRow& row = rows[i];
        if (row.pass >= 2) checkOutline(row, warnings);
        checkPositive(row, warnings);
        if (i + 1 < rows.size() && (!rows[i + 1].barIn || barSound)) {
            checkElongation(row, rows[i + 1], warnings);
        }
    }
    return warnings;
}

std::string warningBody(const DesignWarning& warning) {
    const std::size_t colon = warning.text.find(": ");
    return colon == std::string::npos ? warning.text : warning.text.substr(colon + 2);
}

const char* warningsPlace(const std::vector<DesignWarning>& warnings) {
    const auto loads = static_cast<std::size_t>(
        std::count_if(warnings.begin(), warnings.end(),
                      [](const DesignWarning& w) { return isLoadRule(w.rule); }));
    return loads == 0                 ? "the Schedule Table"
           : loads == warnings.size() ? "Mill Loads"
                                      : "the Schedule Table and Mill Loads";
}

std::string warningsNote(const std::vector<DesignWarning>& warnings) {
    const std::size_t count = warnings.size();
    if (count == 0) return {};
    return std::to_string(count) + (count == 1 ? " warning" : " warnings") + ": see " +
           warningsPlace(warnings);
}

}  // namespace rolvanta
