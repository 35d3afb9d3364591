#pragma once

// The rules by which the Coefficients dialog changes the elongation
// coefficients and the height steps. n below is the section's passCount.

#include <string_view>
#include <vector>

#include "engine/project_records.h"

namespace rolvanta {

// The numbers of a coefficient list: the texts between blanks, in
// order, empty ones skipped.
std::vector<std::string_view> coefficientListTokens(std::string_view text);

// Fills webElongation, liveFlangeElongation and deadFlangeElongation from
// three lists of numbers separated by spaces (a comma or any other character
// is part of a number's text, so "1.2,1.1" reads as 1.2). The k-th number goes
// to entry k; when a list has fewer numbers than n, its last number fills the
// entries up to n - 1. Numbers past the fifteenth are ignored, and a list
// with no number leaves its row unchanged.
void parseCoefficientLists(CoefficientSet& coefficients, const BeamSection& section,
                           std::string_view webText, std::string_view liveText,
                           std::string_view deadText);

// Interpolates the three elongation rows between a lower and an upper limit:
// each row starts at its lower limit on the finishing end and grows by
// (upper - lower) / (n - 1) per entry, so that entry n - 1, the mill's first
// pass (the bar entering it), takes the upper limit. The flange rows fill
// entries 0 to n - 1 and zero entries n to 10; the web row fills entries 0
// to 10, or to n - 1 when n is larger. Nothing is applied below 2 records.
void applyCoefficientLimits(CoefficientSet& coefficients, const BeamSection& section, float webFrom,
                            float webTo, float liveFrom, float liveTo, float deadFrom,
                            float deadTo);

// The height steps that go with limits: -1.5 mm for the dead flange in
// entries 0 to n - 2, 8 mm for the live flange in entries 0 to n - 3, and no
// step in liveHeightStep[n - 2]. Every other entry keeps its value.
void adjustHeightSteps(CoefficientSet& coefficients, const BeamSection& section);

}  // namespace rolvanta
