#include "cli/design_inputs.h"

#include <vector>

namespace rolvanta::cli {

namespace {

std::vector<std::string_view> splitAt(std::string_view text, char separator) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t at = text.find(separator);
        fields.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return fields;
        text.remove_prefix(at + 1);
    }
}

UsageError refused(const std::string& option, std::string_view value, const std::string& accepted) {
    return {option + ": \"" + std::string(value) + "\" is not accepted: " + accepted};
}

}  // namespace

std::string optionOf(InputField field) {
    switch (field) {
        case InputField::Name:
            return "--section NAME";
        case InputField::WebWidth:
            return "--section WEB_WIDTH";
        case InputField::WebThickness:
            return "--section WEB_THICKNESS";
        case InputField::FlangeHeight:
            return "--section FLANGE_HEIGHT";
        case InputField::FlangeThickness:
            return "--section FLANGE_THICKNESS";
        case InputField::RootRadius:
            return "--section ROOT_RADIUS";
        case InputField::TipRadius:
            return "--section TIP_RADIUS";
        case InputField::FlangeSlope:
            return "--section FLANGE_SLOPE";
        case InputField::Area:
            return "the catalogue beam's area";
        case InputField::MassPerLength:
            return "the catalogue beam's mass per unit length";
        case InputField::Mass:
            return "--section MASS";
        case InputField::Length:
            return "--section LENGTH";
        case InputField::Passes:
            return "--passes";
        case InputField::Temperature:
            return "--temperature";
        case InputField::WebList:
            return "--web-coefficients";
        case InputField::LiveList:
            return "--live-coefficients";
        case InputField::DeadList:
            return "--dead-coefficients";
        case InputField::WebFrom:
        case InputField::WebTo:
            return "--web-limits";
        case InputField::LiveFrom:
        case InputField::LiveTo:
            return "--live-limits";
        case InputField::DeadFrom:
        case InputField::DeadTo:
            return "--dead-limits";
    }
    return "an option";
}

UsageError usageError(const FieldProblem& problem) {
    return refused(optionOf(problem.field), problem.value, problem.accepted);
}

std::optional<UsageError> readSectionOption(std::string_view text, CustomSectionFields& fields) {
    const auto parts = splitAt(text, ',');
    if (parts.size() != 10) {
        return refused("--section", text, "a name and nine numbers, separated by commas");
    }
    CustomSectionTexts texts;
    std::string* const inOrder[] = {
        &texts.name,         &texts.webWidth,        &texts.webThickness,
        &texts.flangeHeight, &texts.flangeThickness, &texts.rootRadius,
        &texts.tipRadius,    &texts.flangeSlope,     &texts.mass,
        &texts.length};
    for (std::size_t i = 0; i < parts.size(); ++i) *inOrder[i] = std::string(parts[i]);
    const InputResult read = readCustomSection(texts, fields);
    if (!read.accepted()) return usageError(*read.problem);
    return std::nullopt;
}

std::optional<UsageError> readSetupOptions(std::string_view passes, std::string_view temperature,
                                           SetupFields& fields) {
    SetupFields read = fields;
    if (!passes.empty()) {
        if (InputResult r = readPasses(passes, read.passes); !r.accepted()) {
            return usageError(*r.problem);
        }
    }
    if (!temperature.empty()) {
        if (InputResult r = readTemperature(temperature, read.temperature); !r.accepted()) {
            return usageError(*r.problem);
        }
    }
    fields = read;
    return std::nullopt;
}

std::optional<UsageError> readCoefficientList(InputField field, std::string_view text,
                                              std::string& list) {
    if (InputResult r = checkCoefficientList(field, text); !r.accepted()) {
        return usageError(*r.problem);
    }
    list = std::string(text);
    return std::nullopt;
}

std::optional<UsageError> readLimitPair(InputField fromField, std::string_view text, float& from,
                                        float& to) {
    const auto parts = splitAt(text, ',');
    if (parts.size() != 2) {
        return refused(optionOf(fromField), text, "FROM,TO: two numbers above 0");
    }
    const InputField toField = static_cast<InputField>(static_cast<int>(fromField) + 1);
    float low = 0, high = 0;
    if (!readNumberField(fromField, parts[0], low).accepted() ||
        !readNumberField(toField, parts[1], high).accepted()) {
        return refused(optionOf(fromField), text, "FROM,TO: two numbers above 0");
    }
    from = low;
    to = high;
    return std::nullopt;
}

}  // namespace rolvanta::cli
