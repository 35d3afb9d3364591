#pragma once

// How the input dialogs show their fields and refuse one (project/field_text.h
// holds the formats, project/field_checks.h the checks): numbers shown with
// three decimals; a refused field named in a message, with the cursor put
// back into it.

#include <initializer_list>

#include "dialogs/dialog_host.h"
#include "project/field_checks.h"
#include "project/field_text.h"

namespace rolvanta {

void showNumberField(DialogHost& host, int id, float value);

// An item of a dialog and the input field it holds.
struct FieldItem {
    InputField field;
    int id;
};

// Shows the refusal over the dialog, naming the field, its text as typed
// and what is accepted, and puts the cursor into the field. The dialog
// stays open.
void refuseField(DialogHost& host, FieldProblem problem, std::initializer_list<FieldItem> items);

}  // namespace rolvanta
