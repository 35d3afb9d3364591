#include "engine/coefficient_rules.h"

#include <algorithm>

#include "engine/number_reader.h"
#include "engine/stored_value.h"

namespace rolvanta {

namespace {

void parseList(float (&row)[kPassTableSize], int n, std::string_view text) {
    int count = 0;
    float last = 0.0f;
    for (const std::string_view token : coefficientListTokens(text)) {
        last = readFloatNumber(token);
        if (count < kPassTableSize) row[count] = last;
        ++count;
    }
    if (count == 0) return;  // nothing to repeat: the row stays as it was
    for (int k = count; k < n; ++k) row[k] = last;
}

void interpolateRow(float (&row)[kPassTableSize], int entries, int n, float from, float to) {
    const float step = storedValue((double{to} - from) / (n - 1));
    row[0] = from;
    for (int k = 1; k < entries; ++k) row[k] = storedValue(double{row[k - 1]} + step);
}

}  // namespace

std::vector<std::string_view> coefficientListTokens(std::string_view text) {
    std::vector<std::string_view> tokens;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ') {
            ++at;
            continue;
        }
        std::size_t end = text.find(' ', at);
        if (end == std::string_view::npos) end = text.size();
        tokens.push_back(text.substr(at, end - at));
        at = end;
    }
    return tokens;
}

void parseCoefficientLists(CoefficientSet& coefficients, const BeamSection& section,
                           std::string_view webText, std::string_view liveText,
                           std::string_view deadText) {
    const int n = scheduledRecordCount(section);
    parseList(coefficients.webElongation, n, webText);
    parseList(coefficients.liveFlangeElongation, n, liveText);
    parseList(coefficients.deadFlangeElongation, n, deadText);
}

void applyCoefficientLimits(CoefficientSet& coefficients, const BeamSection& section, float webFrom,
                            float webTo, float liveFrom, float liveTo, float deadFrom,
                            float deadTo) {
    const int n = scheduledRecordCount(section);
    if (n < 2) return;  // no range to spread

    constexpr int kCleared = 11;  // entries 0 to 10 of each row
    for (float* row : {coefficients.webElongation, coefficients.liveFlangeElongation,
                       coefficients.deadFlangeElongation}) {
        std::fill(row, row + kCleared, 0.0f);
    }
    interpolateRow(coefficients.webElongation, std::max(kCleared, n), n, webFrom, webTo);
    interpolateRow(coefficients.liveFlangeElongation, n, n, liveFrom, liveTo);
    interpolateRow(coefficients.deadFlangeElongation, n, n, deadFrom, deadTo);
}

void adjustHeightSteps(CoefficientSet& coefficients, const BeamSection& section) {
    const int n = scheduledRecordCount(section);
    for (int k = 0; k <= n - 2; ++k) coefficients.deadHeightStep[k] = -1.5f;
    for (int k = 0; k <= n - 3; ++k) coefficients.liveHeightStep[k] = 8.0f;
    if (n >= 2) coefficients.liveHeightStep[n - 2] = 0.0f;
}

}  // namespace rolvanta
