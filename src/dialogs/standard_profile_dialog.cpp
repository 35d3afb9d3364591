#include "dialogs/standard_profile_dialog.h"

#include <algorithm>
#include <iterator>

#include "dialogs/dialog_fields.h"
#include "resources/dialog_ids.h"
#include "storage/file_io.h"

namespace rolvanta {

namespace ids = standard_dialog;

namespace {

std::vector<std::string> catalogueNames(const ProfileList& catalogue) {
    std::vector<std::string> names;
    names.reserve(catalogue.size());
    for (const ProfileRecord& record : catalogue) names.emplace_back(storedName(record.name));
    return names;
}

}  // namespace

void showProfileValues(DialogHost& host, const ProfileRecord& record) {
    const StandardSectionFields fields = fieldsOfProfile(record);
    host.setItemText(ids::kName, fields.name);
    showNumberField(host, ids::kWebWidth, fields.webWidth);
    showNumberField(host, ids::kWebThickness, fields.webThickness);
    showNumberField(host, ids::kFlangeHeight, fields.flangeHeight);
    showNumberField(host, ids::kFlangeThickness, fields.flangeThickness);
    showNumberField(host, ids::kRootRadius, fields.rootRadius);
    showNumberField(host, ids::kTipRadius, fields.tipRadius);
    showNumberField(host, ids::kFlangeSlope, fields.flangeSlope);
    showNumberField(host, ids::kArea, fields.area);
    host.setItemText(ids::kMassPerLength, formatMassPerLength(fields.massPerLength));
}

StandardSectionTexts readStandardProfile(const DialogHost& host) {
    StandardSectionTexts texts;
    texts.name = host.typedText(ids::kName);
    texts.webWidth = host.typedText(ids::kWebWidth);
    texts.webThickness = host.typedText(ids::kWebThickness);
    texts.flangeHeight = host.typedText(ids::kFlangeHeight);
    texts.flangeThickness = host.typedText(ids::kFlangeThickness);
    texts.rootRadius = host.typedText(ids::kRootRadius);
    texts.tipRadius = host.typedText(ids::kTipRadius);
    texts.flangeSlope = host.typedText(ids::kFlangeSlope);
    texts.area = host.typedText(ids::kArea);
    texts.massPerLength = host.typedText(ids::kMassPerLength);
    return texts;
}

void refuseStandardField(DialogHost& host, const FieldProblem& problem) {
    refuseField(host, problem,
                {{InputField::Name, ids::kName},
                 {InputField::WebWidth, ids::kWebWidth},
                 {InputField::WebThickness, ids::kWebThickness},
                 {InputField::FlangeHeight, ids::kFlangeHeight},
                 {InputField::FlangeThickness, ids::kFlangeThickness},
                 {InputField::RootRadius, ids::kRootRadius},
                 {InputField::TipRadius, ids::kTipRadius},
                 {InputField::FlangeSlope, ids::kFlangeSlope},
                 {InputField::Area, ids::kArea},
                 {InputField::MassPerLength, ids::kMassPerLength}});
}

StandardProfileDialog::StandardProfileDialog(Project& project, ProfileList& catalogue,
                                             const CatalogueFiles& files)
    : project_(project), catalogue_(catalogue), files_(files) {}

void StandardProfileDialog::initialise(DialogHost& host) {
    loadCatalogue(host);
    offered_ = catalogueNames(catalogue_);
    if (catalogue_.empty()) {
        offerCatalogue(host, -1);
        return;
    }
    // The beam being designed, when the catalogue lists it, so that OK
    // keeps the design; else the first beam.
    const auto current =
        std::find(offered_.begin(), offered_.end(), std::string(storedName(project_.section.name)));
    const int position =
        current != offered_.end() ? static_cast<int>(current - offered_.begin()) : 0;
    showProfileValues(host, catalogue_.at(position));
    offerCatalogue(host, position);
    host.focusItem(ids::kProfileList);
}

void StandardProfileDialog::command(DialogHost& host, int id, Notification notification) {
    if (id == ids::kProfileList && notification == Notification::SelectionChanged) {
        // The fields follow the highlighted beam, however it was moved to
        // (a click, the arrow keys, typing its name): OK designs what is shown.
        const int position = reloadCatalogue(host);
        if (position >= 0) showProfileValues(host, catalogue_.at(position));
    } else if (id == ids::kProfileList && notification == Notification::DoubleClicked) {
        const int position = reloadCatalogue(host);
        if (position < 0) {
            host.showMessage({"ListBox Error", "Error", MessageButtons::Ok, MessageIcon::None,
                              MessageOwner::None});
            return;
        }
        showProfileValues(host, catalogue_.at(position));
    } else if (id == ids::kOk) {
        if (reloadCatalogue(host) < 0) {
            host.showMessage({"Couldn't Get Index !", "Error", MessageButtons::Ok,
                              MessageIcon::Warning, MessageOwner::MainWindow});
            return;
        }
        // The fields as they stand, typed over or not, are what the designer chose.
        StandardSectionFields fields;
        InputResult result = readStandardSection(readStandardProfile(host), fields);
        if (result.accepted()) result = takeStandardSection(project_, fields);
        if (!result.accepted()) {
            refuseStandardField(host, *result.problem);
            return;
        }
        host.endDialog(DialogResult::Accepted);
    } else if (id == ids::kCancel || id == kDialogCancelCommand) {
        host.endDialog(DialogResult::Cancelled);
    }
}

// Reads the catalogue afresh. A catalogue that cannot be read leaves the
// list as it was; one too large to be a catalogue is said so, and so is a
// damaged or empty working file, in place of which the installed catalogue
// is used. Each is said once while the dialog is open.
void StandardProfileDialog::loadCatalogue(DialogHost& host) {
    std::optional<StorageError> passedOver;
    const StorageResult error = loadProfileCatalogue(catalogue_, files_, &passedOver);
    std::string text;
    if (error && error->what == StorageFailure::TooLarge) {
        text = fileNameOf(error->path) + " is too large for a catalogue (more than " +
               std::to_string(kLargestCatalogue >> 20) + " MiB)";
    } else if (error && error->what == StorageFailure::NotValid) {
        text = describeDamagedCatalogue(*error) + "\nNo other catalogue was found.";
    } else if (error) {
        // Missing or unreadable: no other catalogue could be read either.
        text = "Cannot open " + error->path + ": " + error->reason +
               (catalogue_.empty() ? "\nThe list of standard profiles is empty." : "");
    } else if (passedOver) {
        text = describeDamagedCatalogue(*passedOver) +
               "\nThe catalogue installed with the program is used instead.";
    }
    if (text.empty() || text == told_) return;
    told_ = text;
    host.showMessage({text, "Error", MessageButtons::Ok, MessageIcon::Warning, MessageOwner::None});
}

// Reads the catalogue file afresh and returns the catalogue position of the
// entry selected in the list box, -1 when there is none. Should the file have
// changed under the open dialog, the list box is refilled from it and keeps
// the selected beam selected where the new catalogue still has it.
int StandardProfileDialog::reloadCatalogue(DialogHost& host) {
    const int selected = host.listSelection(ids::kProfileList);
    loadCatalogue(host);
    std::vector<std::string> names = catalogueNames(catalogue_);
    if (names == offered_) return selected < catalogue_.size() ? selected : -1;

    int position = -1;
    if (selected >= 0 && selected < static_cast<int>(offered_.size())) {
        const auto found = std::find(names.begin(), names.end(), offered_[selected]);
        if (found != names.end()) position = static_cast<int>(std::distance(names.begin(), found));
    }
    offered_ = std::move(names);
    offerCatalogue(host, position);
    return position;
}

void StandardProfileDialog::offerCatalogue(DialogHost& host, int selected) {
    host.clearList(ids::kProfileList);
    for (const std::string& name : offered_) host.addListItem(ids::kProfileList, name);
    host.selectListItem(ids::kProfileList, selected);
}

}  // namespace rolvanta
