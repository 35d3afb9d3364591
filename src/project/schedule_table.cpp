#include "project/schedule_table.h"

#include <optional>

#include "engine/fixed_number.h"
#include "engine/pass_fields.h"
#include "engine/windows1252.h"
#include "project/design_checks.h"
#include "project/project_life.h"
#include "project/schedule_rows.h"

namespace rolvanta {

namespace {

// The dimensions a designer compares from pass to pass: the web, then each
// flange's height, thickness and area, then the whole section. Their
// headings are the results page's labels with their units.
constexpr float PassRecord::*kDimensionColumns[] = {
    &PassRecord::passWidth,        &PassRecord::webThickness,        &PassRecord::webArea,
    &PassRecord::liveFlangeHeight, &PassRecord::liveFlangeThickness, &PassRecord::liveFlangeArea,
    &PassRecord::deadFlangeHeight, &PassRecord::deadFlangeThickness, &PassRecord::deadFlangeArea,
    &PassRecord::crossSectionArea,
};

std::string heading(float PassRecord::*member) {
    const PassField& field = passField(member);
    return utf8FromWindows1252(std::string(field.label) + " [" + unitSymbol(field.unit) + "]");
}

std::string fixed(std::optional<double> value, int decimals) {
    return value ? fixedNumber(*value, decimals) : std::string();
}

}  // namespace

ScheduleTable scheduleTable(const Project& project) {
    ScheduleTable table;
    table.headings.push_back("Pass");
    for (const auto member : kDimensionColumns) table.headings.push_back(heading(member));
    for (const char* heading : {"Elongation", "Reduction [%]", "Total Elongation", "Warnings"}) {
        table.headings.push_back(heading);
    }

    const std::vector<DesignWarning> warnings = checkDesign(project);
    for (const ScheduleRow& row : scheduleRows(project)) {
        ScheduleTable::Row cells;
        cells.cells.push_back(row.barIn ? std::string(kBarInName) : std::to_string(row.pass));
        for (const auto member : kDimensionColumns) {
            cells.cells.push_back(fixed(double{row.values.*member}, 3));
        }
        cells.cells.push_back(fixed(row.elongation, 3));
        cells.cells.push_back(fixed(row.reductionPercent, 2));
        cells.cells.push_back(fixed(row.totalElongation, 3));
        // The warnings without their "Pass N: ", which the row already says.
        std::string said;
        for (const DesignWarning& warning : warnings) {
            if (warning.pass != row.pass) continue;
            if (!said.empty()) said += "; ";
            said += warningBody(warning);
        }
        cells.marked = !said.empty();
        cells.cells.push_back(said);
        table.rows.push_back(std::move(cells));
    }
    if (table.rows.empty()) {
        const MissingStep missing = computePrecondition(project);
        table.hint = missing != MissingStep::Nothing
                         ? missingStepNote(missing)
                         : "Compute the schedule (Solve \u203A Compute)";
    }
    return table;
}

std::string tabSeparatedText(const ScheduleTable& table) {
    std::string text;
    const auto line = [&text](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) text += '\t';
            text += cells[i];
        }
        text += '\n';
    };
    line(table.headings);
    for (const ScheduleTable::Row& row : table.rows) line(row.cells);
    return text;
}

}  // namespace rolvanta
