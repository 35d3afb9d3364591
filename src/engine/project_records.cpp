#include "engine/project_records.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>

namespace rolvanta {

void resetProjectFlags(ProjectFlags& flags) { flags = ProjectFlags{}; }

bool operator==(const ProjectFlags& a, const ProjectFlags& b) {
    return a.standardChosen == b.standardChosen && a.customEntered == b.customEntered &&
           a.coefficientsGiven == b.coefficientsGiven &&
           a.coefficientListsEntered == b.coefficientListsEntered &&
           a.reservedFlag == b.reservedFlag && a.defaultCoefficients == b.defaultCoefficients &&
           a.setupDone == b.setupDone && a.computed == b.computed &&
           a.hasFileName == b.hasFileName && a.projectStarted == b.projectStarted &&
           a.lastSaveKind == b.lastSaveKind;
}

bool operator==(const CoefficientLimits& a, const CoefficientLimits& b) {
    return a.webFrom == b.webFrom && a.webTo == b.webTo && a.liveFrom == b.liveFrom &&
           a.liveTo == b.liveTo && a.deadFrom == b.deadFrom && a.deadTo == b.deadTo;
}

bool sameProject(const Project& a, const Project& b) {
    // The number records are plain bytes without padding; the flags are not.
    return a.flags == b.flags && std::memcmp(&a.section, &b.section, sizeof a.section) == 0 &&
           std::memcmp(&a.coefficients, &b.coefficients, sizeof a.coefficients) == 0 &&
           std::memcmp(&a.passes, &b.passes, sizeof a.passes) == 0 && a.mill == b.mill &&
           a.limits == b.limits;
}

void resetBeamSection(BeamSection& section) {
    static constexpr char kEmptyName[] = "no name";
    std::memcpy(section.name, kEmptyName, sizeof kEmptyName);
    // Every field from webWidth to temperature goes to zero.
    char* const numbers = reinterpret_cast<char*>(&section) + offsetof(BeamSection, webWidth);
    std::memset(numbers, 0, sizeof(BeamSection) - offsetof(BeamSection, webWidth));
    section.mass = 10.0f;
    section.length = 1000.0f;
}

void loadDefaultCoefficients(CoefficientSet& coefficients) {
    static constexpr float kWeb[] = {1.0f, 1.04f, 1.06f, 1.14f, 1.16f, 1.22f, 1.22f};
    static constexpr float kLive[] = {1.03f, 1.035f, 1.1f, 1.16f, 1.17f, 1.24f, 1.2f};
    static constexpr float kDead[] = {1.06f, 1.11f, 1.16f, 1.16f, 1.24f, 1.18f, 1.33f};
    static constexpr float kLiveSteps[] = {7.0f, 7.0f, 7.0f, 7.0f, 7.0f, 7.0f, 7.0f, 7.0f,
                                           7.0f, 7.0f, 0.0f, 2.0f, 0.0f, 2.0f, 0.0f};

    // The first seven entries are given; entries 7 to 14 repeat one value.
    auto fill = [](float(&row)[kPassTableSize], const float(&head)[7], float tail) {
        std::copy(std::begin(head), std::end(head), row);
        std::fill(row + 7, row + kPassTableSize, tail);
    };
    fill(coefficients.webElongation, kWeb, 1.29f);
    fill(coefficients.liveFlangeElongation, kLive, 1.41f);
    fill(coefficients.deadFlangeElongation, kDead, 1.09f);
    std::copy(std::begin(kLiveSteps), std::end(kLiveSteps), coefficients.liveHeightStep);
    std::fill(std::begin(coefficients.deadHeightStep), std::end(coefficients.deadHeightStep),
              -1.0f);
}

void copyPassRecord(const PassRecord& source, PassRecord& target) { target = source; }

void swapFloats(float& a, float& b) { std::swap(a, b); }

float finishedWebWidth(const BeamSection& section) {
    return section.coldWebWidth != 0.0f ? section.coldWebWidth : section.webWidth;
}

void setFinishedWebWidth(BeamSection& section, float width) {
    section.webWidth = width;
    section.coldWebWidth = width;
}

int scheduledRecordCount(const BeamSection& section) {
    return std::clamp<int>(section.passCount, 0, kPassTableSize);
}

}  // namespace rolvanta
