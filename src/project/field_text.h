#pragma once

// How the input fields show and read their values, for every front end: a
// number shown with three decimals and read back from the first nine typed
// characters, a name of at most nine characters. A catalogue beam is taken
// as its fields show it, so the command line takes it the same way.

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/project_records.h"

namespace rolvanta {

// The most characters of a typed number or name that count.
constexpr std::size_t kTypedFieldLength = 9;

// value in fixed notation with three decimals ("150.000"), "." as decimal
// point whatever the locale.
std::string formatFieldNumber(float value);

// A mass per unit length in kg/mm ("0.0071000"): as many decimals as the
// kTypedFieldLength characters read back can hold, at least three. Three
// decimals of kg/mm would lose the catalogue's mass (JB 150, 7.1 kg/m,
// would come back as 7 kg per metre).
std::string formatMassPerLength(float value);

// A typed number: its first kTypedFieldLength characters read as a decimal
// number (0 when they do not begin with one).
float readTypedNumber(std::string_view text);

// The name held in a name field: its bytes up to the terminator.
std::string_view storedName(const char (&name)[kNameFieldSize]);

// Stores text cut to kTypedFieldLength characters as a name; the rest of the
// field is zeroed.
void storeName(char (&name)[kNameFieldSize], std::string_view text);

}  // namespace rolvanta
