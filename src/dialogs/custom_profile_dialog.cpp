#include "dialogs/custom_profile_dialog.h"

#include "dialogs/dialog_fields.h"
#include "resources/dialog_ids.h"
#include "storage/file_io.h"

namespace rolvanta {

namespace ids = custom_dialog;

void showCustomProfile(DialogHost& host, const BeamSection& section) {
    const CustomSectionFields fields = fieldsOfSection(section);
    host.setItemText(ids::kName, fields.name);
    showNumberField(host, ids::kWebWidth, fields.webWidth);
    showNumberField(host, ids::kWebThickness, fields.webThickness);
    showNumberField(host, ids::kFlangeHeight, fields.flangeHeight);
    showNumberField(host, ids::kMass, fields.mass);
    showNumberField(host, ids::kFlangeThickness, fields.flangeThickness);
    showNumberField(host, ids::kRootRadius, fields.rootRadius);
    showNumberField(host, ids::kTipRadius, fields.tipRadius);
    showNumberField(host, ids::kFlangeSlope, fields.flangeSlope);
    showNumberField(host, ids::kLength, fields.length);
}

CustomSectionFields readCustomProfile(const DialogHost& host) {
    CustomSectionFields fields;
    fields.name = host.itemText(ids::kName, kTypedFieldLength);
    fields.webWidth = readNumberField(host, ids::kWebWidth);
    fields.webThickness = readNumberField(host, ids::kWebThickness);
    fields.flangeHeight = readNumberField(host, ids::kFlangeHeight);
    fields.mass = readNumberField(host, ids::kMass);
    fields.flangeThickness = readNumberField(host, ids::kFlangeThickness);
    fields.rootRadius = readNumberField(host, ids::kRootRadius);
    fields.tipRadius = readNumberField(host, ids::kTipRadius);
    fields.flangeSlope = readNumberField(host, ids::kFlangeSlope);
    fields.length = readNumberField(host, ids::kLength);
    return fields;
}

namespace {

// The words of the message boxes for a profile that could not be added.
std::string catalogueFailureText(const StorageError& error) {
    const std::string file = fileNameOf(error.path);
    switch (error.what) {
        case StorageFailure::Refused:
            return "The length of the beam is 0, so its mass per unit length is undefined: the "
                   "profile was not added";
        case StorageFailure::CannotWrite:
            return "Cannot open file " + file;
        case StorageFailure::TooLarge:
        case StorageFailure::NotValid:
        case StorageFailure::Missing:
        case StorageFailure::CannotRead:
            break;
    }
    return "Cannot read file " + file + ", so the profile was not added";
}

}  // namespace

CustomProfileDialog::CustomProfileDialog(Project& project, ProfileList& catalogue,
                                         const CatalogueFiles& files)
    : project_(project), catalogue_(catalogue), files_(files) {}

void CustomProfileDialog::initialise(DialogHost& host) {
    showCustomProfile(host, project_.section);
}

void CustomProfileDialog::command(DialogHost& host, int id, Notification) {
    if (id == ids::kOk) {
        if (!takeCustomSection(project_, readCustomProfile(host)).accepted()) return;
        if (host.isChecked(ids::kAddToCatalogue)) {
            if (StorageResult error = appendCustomProfile(catalogue_, project_.section, files_)) {
                host.showMessage({catalogueFailureText(*error), "Error", MessageButtons::Ok,
                                  MessageIcon::None, MessageOwner::None});
            } else {
                host.showMessage({"Saved Custom Profile", "Note", MessageButtons::Ok,
                                  MessageIcon::None, MessageOwner::Dialog});
            }
        }
        host.endDialog(DialogResult::Accepted);
    } else if (id == ids::kCancel || id == kDialogCancelCommand) {
        host.endDialog(DialogResult::Cancelled);
    }
}

}  // namespace rolvanta
