#include "dialogs/setup_about_dialogs.h"

#include "dialogs/dialog_fields.h"
#include "engine/number_reader.h"
#include "resources/dialog_ids.h"

namespace rolvanta {

SetupFields readSetupDialog(const DialogHost& host) {
    return {readUnsignedNumber(host.itemText(setup_dialog::kPassCount, kUnlimitedLength)),
            readNumberField(host, setup_dialog::kTemperature)};
}

void SetupDialog::command(DialogHost& host, int id, Notification) {
    if (id == setup_dialog::kOk) {
        if (!applySetup(project_, readSetupDialog(host)).accepted()) return;
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
