#include "dialogs/setup_about_dialogs.h"

#include "dialogs/dialog_fields.h"
#include "resources/dialog_ids.h"

namespace rolvanta {

SetupTexts readSetupDialog(const DialogHost& host) {
    return {host.typedText(setup_dialog::kPassCount), host.typedText(setup_dialog::kTemperature)};
}

// Typing goes into the first field, not onto a button.
void SetupDialog::initialise(DialogHost& host) { host.focusItem(setup_dialog::kPassCount); }

void SetupDialog::command(DialogHost& host, int id, Notification) {
    if (id == setup_dialog::kOk) {
        SetupFields fields;
        InputResult result = readSetup(readSetupDialog(host), fields);
        if (result.accepted()) result = applySetup(project_, fields);
        if (!result.accepted()) {
            refuseField(host, *result.problem,
                        {{InputField::Passes, setup_dialog::kPassCount},
                         {InputField::Temperature, setup_dialog::kTemperature}});
            return;
        }
        if (note_ != nullptr) *note_ = result.note;
        host.endDialog(DialogResult::Accepted);
    } else if (id == setup_dialog::kCancel || id == kDialogCancelCommand) {
        host.endDialog(DialogResult::Cancelled);
    }
}

void AboutDialog::command(DialogHost& host, int id, Notification) {
    if (id == about_dialog::kOk || id == kDialogCancelCommand) {
        host.endDialog(DialogResult::Accepted);
    }
}

}  // namespace rolvanta
