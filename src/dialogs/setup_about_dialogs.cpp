#include "dialogs/setup_about_dialogs.h"

#include <algorithm>

#include "dialogs/dialog_fields.h"
#include "engine/number_reader.h"
#include "resources/dialog_ids.h"

namespace rolvanta {

void readSetupDialog(const DialogHost& host, BeamSection& section) {
    // The count is bounded as an unsigned number, so no entry, however long,
    // can wrap round to a small one.
    const unsigned long passes =
        readUnsignedNumber(host.itemText(setup_dialog::kPassCount, kUnlimitedLength));
    section.passCount =
        static_cast<std::int32_t>(std::clamp<unsigned long>(passes, kFewestPasses, kMostPasses));

    const float temperature = readNumberField(host, setup_dialog::kTemperature);
    section.temperature = temperature >= kLowestTemperature && temperature <= kHighestTemperature
                              ? temperature
                              : kUsualTemperature;
}

void SetupDialog::command(DialogHost& host, int id, Notification) {
    if (id == setup_dialog::kOk) {
        readSetupDialog(host, project_.section);
        project_.flags.setupDone = 1;
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
