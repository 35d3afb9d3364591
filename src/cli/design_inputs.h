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

// One line: "--passes: "99" is not accepted: a whole number from 5 to 13",
// the value as shownValue shows it.
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

// --passes and --temperature; an empty text is not given (the parser
// refuses an empty value) and keeps the value already in fields.
std::optional<UsageError> readSetupOptions(std::string_view passes, std::string_view temperature,
                                           SetupFields& fields);

// The coefficient options, as given (empty: not given).
struct CoefficientOptions {
    std::string webList, liveList, deadList;        // numbers separated by spaces
    std::string webLimits, liveLimits, deadLimits;  // "FROM,TO"
};

// Reads them as the Coefficients dialog reads its fields (readCoefficients):
// the three lists, and the limits all six or none, so a limit option given
// needs the other two.
std::optional<UsageError> readCoefficientOptions(const CoefficientOptions& options,
                                                 CoefficientFields& fields);

}  // namespace rolvanta::cli
