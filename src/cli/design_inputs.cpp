#include "cli/design_inputs.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "engine/windows1252.h"
#include "project/field_text.h"

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

// A number as a field stores it: finite in single precision too.
std::optional<float> strictFloat(std::string_view text) {
    const std::optional<double> number = strictNumber(text);
    if (!number || !std::isfinite(static_cast<float>(*number))) return std::nullopt;
    return static_cast<float>(*number);
}

enum class Bound { AboveZero, ZeroOrMore, Slope };

std::optional<UsageError> readField(const std::string& option, std::string_view text, Bound bound,
                                    float& value) {
    const std::optional<float> number = strictFloat(text);
    switch (bound) {
        case Bound::AboveZero:
            if (!number || *number <= 0.0f) return refused(option, text, "a number above 0");
            break;
        case Bound::ZeroOrMore:
            if (!number || *number < 0.0f) return refused(option, text, "a number, 0 or more");
            break;
        case Bound::Slope:
            if (!number || *number < 90.0f || *number > 120.0f) {
                return refused(option, text, "a number from 90 to 120 (degrees)");
            }
            break;
    }
    value = *number;
    return std::nullopt;
}

}  // namespace

std::optional<double> strictNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<UsageError> readSectionOption(std::string_view text, CustomSectionFields& fields) {
    const auto parts = splitAt(text, ',');
    if (parts.size() != 10) {
        return refused("--section", text, "a name and nine numbers, separated by commas");
    }
    CustomSectionFields read;
    read.name = windows1252FromUtf8(parts[0]);
    if (read.name.empty() || read.name.size() > kTypedFieldLength ||
        utf8FromWindows1252(read.name) != parts[0]) {
        return refused("--section NAME", parts[0],
                       "1 to 9 characters, each one of Windows-1252 (Latin letters, digits, "
                       "signs)");
    }
    const struct {
        const char* option;
        Bound bound;
        float CustomSectionFields::*field;
    } numbers[] = {
        {"--section WEB_WIDTH", Bound::AboveZero, &CustomSectionFields::webWidth},
        {"--section WEB_THICKNESS", Bound::AboveZero, &CustomSectionFields::webThickness},
        {"--section FLANGE_HEIGHT", Bound::AboveZero, &CustomSectionFields::flangeHeight},
        {"--section FLANGE_THICKNESS", Bound::AboveZero, &CustomSectionFields::flangeThickness},
        {"--section ROOT_RADIUS", Bound::ZeroOrMore, &CustomSectionFields::rootRadius},
        {"--section TIP_RADIUS", Bound::ZeroOrMore, &CustomSectionFields::tipRadius},
        {"--section FLANGE_SLOPE", Bound::Slope, &CustomSectionFields::flangeSlope},
        {"--section MASS", Bound::AboveZero, &CustomSectionFields::mass},
        {"--section LENGTH", Bound::AboveZero, &CustomSectionFields::length},
    };
    for (std::size_t i = 0; i < std::size(numbers); ++i) {
        const auto& n = numbers[i];
        if (auto error = readField(n.option, parts[i + 1], n.bound, read.*n.field)) return error;
    }
    fields = read;
    return std::nullopt;
}

std::optional<UsageError> readSetupOptions(std::string_view passes, std::string_view temperature,
                                           SetupFields& fields) {
    SetupFields read = fields;
    const std::string passRange = "a whole number from " + std::to_string(kFewestPasses) + " to " +
                                  std::to_string(kMostPasses);
    if (!passes.empty()) {
        const std::optional<double> count = strictNumber(passes);
        if (!count || *count != std::floor(*count) || *count < kFewestPasses ||
            *count > kMostPasses) {
            return refused("--passes", passes, passRange);
        }
        read.passes = static_cast<unsigned long>(*count);
    }
    if (!temperature.empty()) {
        const std::optional<float> degrees = strictFloat(temperature);
        if (!degrees || *degrees < kLowestTemperature || *degrees > kHighestTemperature) {
            return refused("--temperature", temperature,
                           "a number from 800 to 1200 (degrees Celsius)");
        }
        read.temperature = *degrees;
    }
    const InputResult checked = checkSetup(read, "--passes", "--temperature");
    if (checked.problem) {
        return refused(checked.problem->field, checked.problem->value, checked.problem->accepted);
    }
    fields = read;
    return std::nullopt;
}

std::optional<UsageError> readCoefficientList(const std::string& option, std::string_view text,
                                              std::string& list) {
    const std::string accepted = "numbers above 0 separated by spaces, at most " +
                                 std::to_string(kCoefficientListLength) + " characters";
    if (text.size() > kCoefficientListLength) return refused(option, text, accepted);
    for (std::string_view token : splitAt(text, ' ')) {
        if (token.empty()) continue;
        const std::optional<float> number = strictFloat(token);
        if (!number || *number <= 0.0f) return refused(option, text, accepted);
    }
    list = std::string(text);
    return std::nullopt;
}

std::optional<UsageError> readLimitPair(const std::string& option, std::string_view text,
                                        float& from, float& to) {
    const auto parts = splitAt(text, ',');
    const std::string accepted = "FROM,TO: two numbers above 0";
    if (parts.size() != 2) return refused(option, text, accepted);
    const std::optional<float> low = strictFloat(parts[0]);
    const std::optional<float> high = strictFloat(parts[1]);
    if (!low || !high || *low <= 0.0f || *high <= 0.0f) return refused(option, text, accepted);
    from = *low;
    to = *high;
    return std::nullopt;
}

}  // namespace rolvanta::cli
