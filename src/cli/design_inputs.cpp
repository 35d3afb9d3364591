#include "cli/design_inputs.h"

#include <vector>

#include "cli/command_line.h"

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
    return {option + ": \"" + shownValue(value) + "\" is not accepted: " + accepted};
}

constexpr const char* kLimitPair = "FROM,TO: two numbers above 0 and at most 3";

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
            return "--web-limits FROM";
        case InputField::WebTo:
            return "--web-limits TO";
        case InputField::LiveFrom:
            return "--live-limits FROM";
        case InputField::LiveTo:
            return "--live-limits TO";
        case InputField::DeadFrom:
            return "--dead-limits FROM";
        case InputField::DeadTo:
            return "--dead-limits TO";
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

std::optional<UsageError> readCoefficientOptions(const CoefficientOptions& o,
                                                 CoefficientFields& fields) {
    CoefficientTexts texts{o.webList, o.liveList, o.deadList, {}, {}, {}, {}, {}, {}};
    const struct {
        const char* option;
        const std::string& text;
        std::string& from;
        std::string& to;
    } pairs[] = {{"--web-limits", o.webLimits, texts.webFrom, texts.webTo},
                 {"--live-limits", o.liveLimits, texts.liveFrom, texts.liveTo},
                 {"--dead-limits", o.deadLimits, texts.deadFrom, texts.deadTo}};
    for (const auto& p : pairs) {
        if (p.text.empty()) continue;
        const auto parts = splitAt(p.text, ',');
        const auto blank = [](std::string_view part) {
            return part.find_first_not_of(" \t") == std::string_view::npos;
        };
        if (parts.size() != 2 || blank(parts[0]) || blank(parts[1])) {
            return refused(p.option, p.text, kLimitPair);
        }
        p.from = std::string(parts[0]);
        p.to = std::string(parts[1]);
    }
    const InputResult read = readCoefficients(texts, fields);
    if (read.accepted()) return std::nullopt;
    // A limit left empty is an option not given: the rule wants all six.
    for (const auto& p : pairs) {
        if (p.text.empty() && optionOf(read.problem->field).rfind(p.option, 0) == 0) {
            return UsageError{std::string(p.option) +
                              " is missing: the limits are all given (--web-limits, "
                              "--live-limits and --dead-limits, FROM,TO each) or none"};
        }
    }
    return usageError(*read.problem);
}

}  // namespace rolvanta::cli
