#pragma once

// How the command-line tool reads its design inputs: strictly. Each text
// must be exactly a finite number within what the desktop program accepts;
// anything else is a usage error that names the option, the value and what
// is accepted. Nothing is cut, kept in bounds or defaulted in silence. The
// values then go to the same project functions as the dialogs' (project/).

#include <optional>
#include <string>
#include <string_view>

#include "project/design_inputs.h"

namespace rolvanta::cli {

// One line: "--passes: 99 is not accepted: a whole number from 5 to 13".
struct UsageError {
    std::string message;
};

// The whole text (blanks around it allowed) as a finite number; empty when
// it is not one.
std::optional<double> strictNumber(std::string_view text);

// "NAME,WEB_WIDTH,WEB_THICKNESS,FLANGE_HEIGHT,FLANGE_THICKNESS,ROOT_RADIUS,
// TIP_RADIUS,FLANGE_SLOPE,MASS,LENGTH" (UTF-8). The name: 1 to 9 characters,
// each one Windows-1252 holds. Web width, web thickness, flange height,
// flange thickness, mass and length above 0; radii 0 or more; the slope 90
// to 120 degrees.
std::optional<UsageError> readSectionOption(std::string_view text, CustomSectionFields& fields);

// --passes and --temperature; an empty text is not given and keeps the
// value already in fields.
std::optional<UsageError> readSetupOptions(std::string_view passes, std::string_view temperature,
                                           SetupFields& fields);

// A coefficient list: numbers above 0 separated by spaces, at most
// kCoefficientListLength characters.
std::optional<UsageError> readCoefficientList(const std::string& option, std::string_view text,
                                              std::string& list);

// A limit pair "FROM,TO", both numbers above 0.
std::optional<UsageError> readLimitPair(const std::string& option, std::string_view text,
                                        float& from, float& to);

}  // namespace rolvanta::cli
