#include "project/design_inputs.h"

#include <algorithm>

#include "engine/coefficient_rules.h"
#include "engine/stored_value.h"
#include "project/field_text.h"

namespace rolvanta {

namespace {

void takeCommonFields(BeamSection& section, const SectionFields& fields) {
    storeName(section.name, fields.name);
    setFinishedWebWidth(section, fields.webWidth);
    section.webThickness = fields.webThickness;
    section.flangeHeight = fields.flangeHeight;
    section.flangeThickness = fields.flangeThickness;
    section.rootRadius = fields.rootRadius;
    section.tipRadius = fields.tipRadius;
    section.flangeSlope = fields.flangeSlope;
}

std::string numberText(double value) {
    std::string text = std::to_string(value);
    // to_string gives six decimals; the user typed fewer.
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

}  // namespace

StandardSectionFields fieldsOfProfile(const ProfileRecord& record) {
    StandardSectionFields fields;
    fields.name = std::string(storedName(record.name));
    fields.webWidth = record.webWidth;
    fields.webThickness = record.webThickness;
    fields.flangeHeight = record.flangeHeight;
    fields.flangeThickness = record.flangeThickness;
    fields.rootRadius = record.rootRadius;
    fields.tipRadius = record.tipRadius;
    fields.flangeSlope = record.flangeSlope;
    fields.area = record.area;
    fields.massPerLength = record.massPerLength;
    return fields;
}

StandardSectionFields shownFieldsOfProfile(const ProfileRecord& record) {
    StandardSectionFields fields = fieldsOfProfile(record);
    for (float* number :
         {&fields.webWidth, &fields.webThickness, &fields.flangeHeight, &fields.flangeThickness,
          &fields.rootRadius, &fields.tipRadius, &fields.flangeSlope, &fields.area}) {
        *number = readTypedNumber(formatFieldNumber(*number));
    }
    fields.massPerLength = readTypedNumber(formatMassPerLength(fields.massPerLength));
    return fields;
}

CustomSectionFields fieldsOfSection(const BeamSection& section) {
    CustomSectionFields fields;
    fields.name = std::string(storedName(section.name));
    fields.webWidth = finishedWebWidth(section);
    fields.webThickness = section.webThickness;
    fields.flangeHeight = section.flangeHeight;
    fields.flangeThickness = section.flangeThickness;
    fields.rootRadius = section.rootRadius;
    fields.tipRadius = section.tipRadius;
    fields.flangeSlope = section.flangeSlope;
    fields.mass = section.mass;
    fields.length = section.length;
    return fields;
}

InputResult takeStandardSection(Project& project, const StandardSectionFields& fields) {
    BeamSection& section = project.section;
    takeCommonFields(section, fields);
    section.area = fields.area;
    section.massPerLength = fields.massPerLength;
    section.length = kCatalogueBeamLength;
    section.mass = section.massPerLength * section.length;
    project.flags.standardChosen = true;
    return {};
}

InputResult takeCustomSection(Project& project, const CustomSectionFields& fields) {
    BeamSection& section = project.section;
    takeCommonFields(section, fields);
    section.mass = fields.mass;
    section.length = fields.length;
    const double web = double{section.webWidth} * section.webThickness;
    const double flanges =
        (double{section.flangeHeight} - section.webThickness) * section.flangeThickness * 2.0;
    section.area = storedValue(web + flanges);
    project.flags.customEntered = true;
    return {};
}

InputResult applySetup(Project& project, const SetupFields& fields) {
    BeamSection& section = project.section;
    // The count is bounded as an unsigned number, so no entry, however long,
    // can wrap round to a small one.
    section.passCount = static_cast<std::int32_t>(
        std::clamp<unsigned long>(fields.passes, kFewestPasses, kMostPasses));
    section.temperature =
        fields.temperature >= kLowestTemperature && fields.temperature <= kHighestTemperature
            ? fields.temperature
            : kUsualTemperature;
    project.flags.setupDone = true;
    return {};
}

InputResult checkSetup(const SetupFields& fields, const std::string& passesName,
                       const std::string& temperatureName) {
    if (fields.passes < kFewestPasses || fields.passes > kMostPasses) {
        return {FieldProblem{passesName, std::to_string(fields.passes),
                             "a whole number from " + std::to_string(kFewestPasses) + " to " +
                                 std::to_string(kMostPasses)}};
    }
    if (!(fields.temperature >= kLowestTemperature && fields.temperature <= kHighestTemperature)) {
        return {FieldProblem{temperatureName, numberText(fields.temperature),
                             "a number from " + numberText(kLowestTemperature) + " to " +
                                 numberText(kHighestTemperature) + " (degrees Celsius)"}};
    }
    return {};
}

bool CoefficientLimits::complete() const {
    for (float limit : {webFrom, webTo, liveFrom, liveTo, deadFrom, deadTo}) {
        if (limit == 0.0f) return false;
    }
    return true;
}

InputResult applyCoefficients(Project& project, const CoefficientFields& fields) {
    auto cut = [](const std::string& list) {
        return std::string_view(list).substr(0, kCoefficientListLength);
    };
    project.flags.coefficientListsEntered = true;
    parseCoefficientLists(project.coefficients, project.section, cut(fields.webList),
                          cut(fields.liveList), cut(fields.deadList));
    const CoefficientLimits& l = fields.limits;
    if (l.complete()) {
        applyCoefficientLimits(project.coefficients, project.section, l.webFrom, l.webTo,
                               l.liveFrom, l.liveTo, l.deadFrom, l.deadTo);
        adjustHeightSteps(project.coefficients, project.section);
    }
    project.flags.coefficientsGiven = true;
    return {};
}

void acceptDefaultCoefficients(Project& project) {
    project.flags.defaultCoefficients = true;
    project.flags.coefficientsGiven = true;
}

}  // namespace rolvanta
