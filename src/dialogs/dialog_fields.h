#pragma once

// How the input dialogs show and read their fields (project/field_text.h
// holds the formats): numbers shown with three decimals, numbers and names
// read from at most nine typed characters.

#include "dialogs/dialog_host.h"
#include "project/field_text.h"

namespace rolvanta {

// The number typed in an item: its first kTypedFieldLength characters, read
// as a decimal number (0 when they do not begin with one).
float readNumberField(const DialogHost& host, int id);

void showNumberField(DialogHost& host, int id, float value);

}  // namespace rolvanta
