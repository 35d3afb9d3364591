#include "dialogs/custom_profile_dialog.h"

#include "dialogs/dialog_fields.h"
#include "engine/stored_value.h"
#include "resources/dialog_ids.h"

namespace rolvanta {

namespace ids = custom_dialog;

void showCustomProfile(DialogHost& host, const BeamSection& section) {
    host.setItemText(ids::kName, storedName(section.name));
    // After a Compute the section's web width is the hot one; the designer
    // edits the finished section.
    showNumberField(host, ids::kWebWidth, finishedWebWidth(section));
    showNumberField(host, ids::kWebThickness, section.webThickness);
    showNumberField(host, ids::kFlangeHeight, section.flangeHeight);
    showNumberField(host, ids::kMass, section.mass);
    showNumberField(host, ids::kFlangeThickness, section.flangeThickness);
    showNumberField(host, ids::kRootRadius, section.rootRadius);
    showNumberField(host, ids::kTipRadius, section.tipRadius);
    showNumberField(host, ids::kFlangeSlope, section.flangeSlope);
    showNumberField(host, ids::kLength, section.length);
}

void takeCustomProfile(const DialogHost& host, BeamSection& section) {
    storeName(section.name, host.itemText(ids::kName, kTypedFieldLength));
    setFinishedWebWidth(section, readNumberField(host, ids::kWebWidth));
    section.webThickness = readNumberField(host, ids::kWebThickness);
    section.flangeHeight = readNumberField(host, ids::kFlangeHeight);
    section.mass = readNumberField(host, ids::kMass);
    section.flangeThickness = readNumberField(host, ids::kFlangeThickness);
    section.rootRadius = readNumberField(host, ids::kRootRadius);
    section.tipRadius = readNumberField(host, ids::kTipRadius);
    section.flangeSlope = readNumberField(host, ids::kFlangeSlope);
    section.length = readNumberField(host, ids::kLength);

    // The web across the whole width plus both flanges, two legs each,
    // outside the web.
    const double web = double{section.webWidth} * section.webThickness;
    const double flanges =
        (double{section.flangeHeight} - section.webThickness) * section.flangeThickness * 2.0;
    section.area = storedValue(web + flanges);
}

CustomProfileDialog::CustomProfileDialog(Project& project, ProfileList& catalogue,
                                         const CatalogueFiles& files)
    : project_(project), catalogue_(catalogue), files_(files) {}

void CustomProfileDialog::initialise(DialogHost& host) {
    showCustomProfile(host, project_.section);
}

void CustomProfileDialog::command(DialogHost& host, int id, Notification) {
    if (id == ids::kOk) {
        takeCustomProfile(host, project_.section);
        if (host.isChecked(ids::kAddToCatalogue) &&
            appendCustomProfile(catalogue_, project_.section, files_, host)) {
            host.showMessage({"Saved Custom Profile", "Note", MessageButtons::Ok, MessageIcon::None,
                              MessageOwner::Dialog});
        }
        project_.flags.customEntered = 1;
        host.endDialog(DialogResult::Accepted);
    } else if (id == ids::kCancel || id == kDialogCancelCommand) {
        host.endDialog(DialogResult::Cancelled);
    }
}

}  // namespace rolvanta
