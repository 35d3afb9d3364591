#include "dialogs/custom_profile_dialog.h"

#include "dialogs/dialog_fields.h"
#include "engine/windows1252.h"
#include "project/catalogue_addition.h"
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

CustomSectionTexts readCustomProfile(const DialogHost& host) {
    CustomSectionTexts texts;
    texts.name = host.typedText(ids::kName);
    texts.webWidth = host.typedText(ids::kWebWidth);
    texts.webThickness = host.typedText(ids::kWebThickness);
    texts.flangeHeight = host.typedText(ids::kFlangeHeight);
    texts.mass = host.typedText(ids::kMass);
    texts.flangeThickness = host.typedText(ids::kFlangeThickness);
    texts.rootRadius = host.typedText(ids::kRootRadius);
    texts.tipRadius = host.typedText(ids::kTipRadius);
    texts.flangeSlope = host.typedText(ids::kFlangeSlope);
    texts.length = host.typedText(ids::kLength);
    return texts;
}

namespace {

void refuseCustomField(DialogHost& host, const FieldProblem& problem) {
    refuseField(host, problem,
                {{InputField::Name, ids::kName},
                 {InputField::WebWidth, ids::kWebWidth},
                 {InputField::WebThickness, ids::kWebThickness},
                 {InputField::FlangeHeight, ids::kFlangeHeight},
                 {InputField::Mass, ids::kMass},
                 {InputField::FlangeThickness, ids::kFlangeThickness},
                 {InputField::RootRadius, ids::kRootRadius},
                 {InputField::TipRadius, ids::kTipRadius},
                 {InputField::FlangeSlope, ids::kFlangeSlope},
                 {InputField::Length, ids::kLength}});
}

// The words of the message boxes for a profile that could not be added.
std::string catalogueFailureText(const StorageError& error) {
    const std::string file = fileNameOf(error.path);
    switch (error.what) {
        case StorageFailure::Refused:
            return "The length of the beam is 0, so its mass per unit length is undefined: the "
                   "profile was not added";
        case StorageFailure::CannotWrite:
            return "Cannot open file " + file;
        case StorageFailure::NotValid:
            return describeDamagedCatalogue(error) +
                   "\nThe profile was not added; the file is "
                   "left as it was.";
        case StorageFailure::TooLarge:
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
    host.focusItem(ids::kName);
}

void CustomProfileDialog::command(DialogHost& host, int id, Notification) {
    if (id == ids::kOk) {
        // Taken on a copy first: the question below may still be cancelled.
        Project taken = project_;
        CustomSectionFields fields;
        InputResult result = readCustomSection(readCustomProfile(host), fields);
        if (result.accepted()) result = takeCustomSection(taken, fields);
        if (!result.accepted()) {
            refuseCustomField(host, *result.problem);
            return;
        }
        if (host.isChecked(ids::kAddToCatalogue)) {
            const CatalogueAddition added =
                addToCatalogue(catalogue_, taken.section, files_, [&host](const std::string& name) {
                    const MessageAnswer answer = host.showMessage(
                        {"A profile named " + utf8FromWindows1252(name) +
                             " is already in the catalogue.\nDo You Want To Replace It ?",
                         "Confirm", MessageButtons::YesNoCancel, MessageIcon::Question,
                         MessageOwner::Dialog});
                    return answer == MessageAnswer::Yes  ? SameNameAnswer::Replace
                           : answer == MessageAnswer::No ? SameNameAnswer::DoNotAdd
                                                         : SameNameAnswer::Cancel;
                });
            if (added.outcome == AdditionOutcome::Cancelled) return;
            if (added.failure) {
                host.showMessage({catalogueFailureText(*added.failure), "Error", MessageButtons::Ok,
                                  MessageIcon::None, MessageOwner::None});
            } else if (added.outcome == AdditionOutcome::Added) {
                host.showMessage({"Saved Custom Profile", "Note", MessageButtons::Ok,
                                  MessageIcon::None, MessageOwner::Dialog});
            }
        }
        project_ = taken;
        host.endDialog(DialogResult::Accepted);
    } else if (id == ids::kCancel || id == kDialogCancelCommand) {
        host.endDialog(DialogResult::Cancelled);
    }
}

}  // namespace rolvanta
