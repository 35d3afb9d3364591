#include "project/schedule_rows.h"

#include "engine/pass_fields.h"
#include "engine/stored_value.h"

namespace rolvanta {

namespace {

// a / b when both are areas above 0 (a NaN fails the comparisons too).
std::optional<double> areaRatio(double a, double b) {
    if (!(a > 0.0) || !(b > 0.0)) return std::nullopt;
    return a / b;
}

}  // namespace

PassRecord hotSectionPass(const BeamSection& section) {
    PassRecord pass{};
    for (const PassField& field : kPassFields) {
        if (field.hotSectionMember != nullptr) pass.*field.member = section.*field.hotSectionMember;
    }
    pass.webArea = storedValue(double{section.webThickness} * section.webWidth);
    pass.liveFlangeArea = storedValue(double{section.flangeThickness} * section.liveFlangeHeight);
    pass.deadFlangeArea = storedValue(double{section.flangeThickness} * section.deadFlangeHeight);
    // Two legs of each flange, one at each end of the web.
    pass.crossSectionArea =
        storedValue(2.0 * pass.liveFlangeArea + double{pass.webArea} + 2.0 * pass.deadFlangeArea);
    return pass;
}

std::vector<ScheduleRow> scheduleRows(const Project& project) {
    std::vector<ScheduleRow> rows;
    if (!project.flags.computed) return rows;
    const int records = scheduledRecordCount(project.section);
    if (records == 0) return rows;
    // The pages show records 0 to passCount - 2; with Pass 1 that is passCount
    // passes. The last record computed is the bar that enters the mill's
    // first stand.
    rows.push_back({1, false, hotSectionPass(project.section), {}, {}, {}});
    for (int k = 0; k < records; ++k) {
        rows.push_back({k + 2, k + 1 == records, project.passes.records[k], {}, {}, {}});
    }
    const double first = rows.back().values.crossSectionArea;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ScheduleRow& row = rows[i];
        const double area = row.values.crossSectionArea;
        row.totalElongation = areaRatio(first, area);
        if (i + 1 == rows.size()) continue;
        const double before = rows[i + 1].values.crossSectionArea;
        row.elongation = areaRatio(before, area);
        if (row.elongation) row.reductionPercent = (before - area) / before * 100.0;
    }
    return rows;
}

}  // namespace rolvanta
