#include "dialogs/standard_profile_dialog.h"

#include <algorithm>
#include <iterator>

#include "dialogs/dialog_fields.h"
#include "resources/dialog_ids.h"

namespace rolvanta {

namespace ids = standard_dialog;

namespace {

// One metre: a catalogue beam is always taken as a one-metre piece.
constexpr float kCatalogueBeamLength = 1000.0f;

std::vector<std::string> catalogueNames(const ProfileList& catalogue) {
    std::vector<std::string> names;
    names.reserve(catalogue.size());
    for (const ProfileRecord& record : catalogue) names.emplace_back(storedName(record.name));
    return names;
}

}  // namespace

void showProfileValues(DialogHost& host, const ProfileRecord& record) {
    host.setItemText(ids::kName, storedName(record.name));
    showNumberField(host, ids::kWebWidth, record.webWidth);
    showNumberField(host, ids::kWebThickness, record.webThickness);
    showNumberField(host, ids::kFlangeHeight, record.flangeHeight);
    showNumberField(host, ids::kFlangeThickness, record.flangeThickness);
    showNumberField(host, ids::kRootRadius, record.rootRadius);
    showNumberField(host, ids::kTipRadius, record.tipRadius);
    showNumberField(host, ids::kFlangeSlope, record.flangeSlope);
    showNumberField(host, ids::kArea, record.area);
    host.setItemText(ids::kMassPerLength, formatMassPerLength(record.massPerLength));
}

void takeStandardProfile(const DialogHost& host, BeamSection& section) {
    storeName(section.name, host.itemText(ids::kName, kTypedFieldLength));
    setFinishedWebWidth(section, readNumberField(host, ids::kWebWidth));
    section.webThickness = readNumberField(host, ids::kWebThickness);
    section.flangeHeight = readNumberField(host, ids::kFlangeHeight);
    section.flangeThickness = readNumberField(host, ids::kFlangeThickness);
    section.rootRadius = readNumberField(host, ids::kRootRadius);
    section.tipRadius = readNumberField(host, ids::kTipRadius);
    section.flangeSlope = readNumberField(host, ids::kFlangeSlope);
    section.area = readNumberField(host, ids::kArea);
    section.massPerLength = readNumberField(host, ids::kMassPerLength);
    section.length = kCatalogueBeamLength;
    section.mass = section.massPerLength * section.length;
}

StandardProfileDialog::StandardProfileDialog(Project& project, ProfileList& catalogue,
                                             const CatalogueFiles& files)
    : project_(project), catalogue_(catalogue), files_(files) {}

void StandardProfileDialog::initialise(DialogHost& host) {
    loadProfileCatalogue(catalogue_, files_, &host);
    offered_ = catalogueNames(catalogue_);
    if (catalogue_.empty()) {
        offerCatalogue(host, -1);
        return;
    }
    showProfileValues(host, catalogue_.at(0));
    offerCatalogue(host, 0);
}

void StandardProfileDialog::command(DialogHost& host, int id, Notification notification) {
    if (id == ids::kProfileList && notification == Notification::DoubleClicked) {
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
        takeStandardProfile(host, project_.section);
        project_.flags.standardChosen = 1;
        host.endDialog(DialogResult::Accepted);
    } else if (id == ids::kCancel || id == kDialogCancelCommand) {
        host.endDialog(DialogResult::Cancelled);
    }
}

// Reads the catalogue file afresh and returns the catalogue position of the
// entry selected in the list box, -1 when there is none. Should the file have
// changed under the open dialog, the list box is refilled from it and keeps
// the selected beam selected where the new catalogue still has it.
int StandardProfileDialog::reloadCatalogue(DialogHost& host) {
    const int selected = host.listSelection(ids::kProfileList);
    loadProfileCatalogue(catalogue_, files_, &host);
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
