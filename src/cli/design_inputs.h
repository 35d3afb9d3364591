#pragma once

// How the command-line tool reads its design inputs: with the same checks
// as the desktop program's dialogs (project/field_checks.h), so both accept
// exactly the same values. A value refused is a usage error that names the
// option, the value and what is accepted. Nothing is cut, kept in bounds or
// defaulted in silence.

#include <optional>
#include <string>
#include <string_view>

#include "project/design_inputs.h"

namespace rolvanta::cli {

// One line: "--passes: "99" is not accepted: a whole number from 5 to 13".
struct UsageError {
    std::string message;
};

// The option (or the part of --section) that gives the field.
std::string optionOf(InputField field);

// A refused field as a usage error.
UsageError usageError(const FieldProblem& problem);

// "NAME,WEB_WIDTH,WEB_THICKNESS,FLANGE_HEIGHT,FLANGE_THICKNESS,ROOT_RADIUS,
// TIP_RADIUS,FLANGE_SLOPE,MASS,LENGTH" (UTF-8), read as the custom profile
// dialog reads its fields.
std::optional<UsageError> readSectionOption(std::string_view text, CustomSectionFields& fields);

// --passes and --temperature; an empty text is not given and keeps the
// value already in fields.
std::optional<UsageError> readSetupOptions(std::string_view passes, std::string_view temperature,
                                           SetupFields& fields);

// A coefficient list of the field's row, as the Coefficients dialog reads it.
std::optional<UsageError> readCoefficientList(InputField field, std::string_view text,
                                              std::string& list);

// A limit pair "FROM,TO" of the row whose lower limit is fromField.
std::optional<UsageError> readLimitPair(InputField fromField, std::string_view text, float& from,
                                        float& to);

}  // namespace rolvanta::cli
