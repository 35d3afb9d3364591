#include "engine/pass_schedule.h"

#include "engine/hot_section.h"
#include "engine/stored_value.h"

namespace rolvanta {

void computePassSchedule(PassRecord& workingRecord, const BeamSection& section,
                         CoefficientSet& coefficients, PassTable& passes) {
    const int n = scheduledRecordCount(section);
    if (n == 0) return;

    PassRecord& w = workingRecord;
    // Placeholders until the second stage replaces them.
    w.liveFlangeRoot = section.rootThickness;
    w.deadFlangeRoot = section.rootThickness;
    w.liveFlangeTip = section.tipThickness;
    w.deadFlangeTip = section.tipThickness;

    for (int k = 0; k < n; ++k) {
        coefficients.widthReduction[k] = storedValue(0.01 * section.webWidth + k);

        // Live and dead flange exchange sides from one pass to the next, so each
        // flange row multiplies the area of the flange of the same name in the
        // previous pass, which becomes the other flange in this one.
        if (k == 0) {
            w.webArea = storedValue(double{section.webThickness} * section.webWidth);
            w.liveFlangeArea = storedValue(double{section.flangeThickness} *
                                           section.liveFlangeHeight *
                                           coefficients.deadFlangeElongation[0]);
            w.deadFlangeArea = storedValue(double{section.flangeThickness} *
                                           section.deadFlangeHeight *
                                           coefficients.liveFlangeElongation[0]);
            w.passWidth = section.webWidth;
            w.liveFlangeHeight = section.liveFlangeHeight;
            w.deadFlangeHeight = section.deadFlangeHeight;
        } else {
            const float previousLiveArea = w.liveFlangeArea;
            w.webArea = storedValue(double{coefficients.webElongation[k]} * w.webArea);
            w.liveFlangeArea =
                storedValue(double{w.deadFlangeArea} * coefficients.deadFlangeElongation[k]);
            w.deadFlangeArea =
                storedValue(double{previousLiveArea} * coefficients.liveFlangeElongation[k]);
        }

        w.passWidth = storedValue(double{w.passWidth} - coefficients.widthReduction[k]);
        w.liveFlangeHeight =
            storedValue(double{coefficients.liveHeightStep[k]} + w.liveFlangeHeight);
        w.deadFlangeHeight =
            storedValue(double{coefficients.deadHeightStep[k]} + w.deadFlangeHeight);

        w.liveFlangeThickness = storedQuotient(w.liveFlangeArea, w.liveFlangeHeight);
        w.deadFlangeThickness = storedQuotient(w.deadFlangeArea, w.deadFlangeHeight);
        w.webThickness = storedQuotient(w.webArea, w.passWidth);

        // Two legs of each flange, one at each end of the web.
        w.crossSectionArea = storedValue(2.0 * w.liveFlangeArea + w.webArea +
                                         2.0 * w.deadFlangeArea);

        copyPassRecord(w, passes.records[k]);
        swapFloats(w.liveFlangeHeight, w.deadFlangeHeight);
    }
}

namespace {
// thickness / reference × carried, the ratio stored as 0 when reference is 0.
float scaled(float thickness, float reference, float carried) {
    return reference != 0.0f ? storedValue(double{thickness} / reference * carried) : 0.0f;
}
}  // namespace

void computeRootTipThickness(const BeamSection& section, PassTable& passes) {
    const int n = scheduledRecordCount(section);
    if (n == 0) return;

    PassRecord& first = passes.records[0];
    const float tf = section.flangeThickness;
    first.deadFlangeRoot = scaled(first.deadFlangeThickness, tf, section.rootThickness);
    first.liveFlangeRoot = scaled(first.liveFlangeThickness, tf, section.rootThickness);
    first.deadFlangeTip = scaled(first.deadFlangeThickness, tf, section.tipThickness);
    first.liveFlangeTip = scaled(first.liveFlangeThickness, tf, section.tipThickness);

    // The flange that is dead in this pass was live in the previous one.
    for (int k = 1; k < n; ++k) {
        const PassRecord& prev = passes.records[k - 1];
        PassRecord& r = passes.records[k];
        r.deadFlangeRoot = scaled(r.deadFlangeThickness, prev.liveFlangeThickness,
                                  prev.liveFlangeRoot);
        r.liveFlangeRoot = scaled(r.liveFlangeThickness, prev.deadFlangeThickness,
                                  prev.deadFlangeRoot);
        r.deadFlangeTip = scaled(r.deadFlangeThickness, prev.liveFlangeThickness,
                                 prev.liveFlangeTip);
        r.liveFlangeTip = scaled(r.liveFlangeThickness, prev.deadFlangeThickness,
                                 prev.deadFlangeTip);
    }
}

void computeDesign(Project& project) {
    computeHotDimensions(project.section);
    PassRecord workingRecord{};
    computePassSchedule(workingRecord, project.section, project.coefficients, project.passes);
    computeRootTipThickness(project.section, project.passes);
}

}  // namespace rolvanta
