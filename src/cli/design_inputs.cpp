#include "cli/design_inputs.h"

#include <map>
#include <vector>

#include "dialogs/coefficients_dialog.h"
#include "dialogs/custom_profile_dialog.h"
#include "dialogs/setup_about_dialogs.h"
#include "dialogs/standard_profile_dialog.h"
#include "engine/pass_schedule.h"
#include "engine/windows1252.h"
#include "resources/dialog_ids.h"

namespace rolvanta::cli {

namespace {

// A dialog with nobody at it: its edit fields hold the texts given on the
// command line, and the dialog's own procedures read them, so that the tool
// takes every input exactly as the desktop program does.
class FilledDialog final : public DialogHost {
  public:
    std::string itemText(int id, std::size_t maxLength) const override {
        const auto item = items_.find(id);
        return item == items_.end() ? std::string() : item->second.substr(0, maxLength);
    }
    void setItemText(int id, std::string_view text) override { items_[id] = std::string(text); }

    void clearList(int) override {}
    void addListItem(int, std::string_view) override {}
    void selectListItem(int, int) override {}
    int listSelection(int) const override { return -1; }
    bool isChecked(int) const override { return false; }
    void endDialog(DialogResult) override {}
    MessageAnswer showMessage(const MessageRequest&) override { return MessageAnswer::Ok; }

  private:
    std::map<int, std::string> items_;
};

std::vector<std::string_view> splitAtCommas(std::string_view text) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t comma = text.find(',');
        fields.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos) return fields;
        text.remove_prefix(comma + 1);
    }
}

BeamSection setupFrom(const BeamSection& section, std::string_view passesText,
                      std::string_view temperatureText) {
    FilledDialog setup;
    setup.setItemText(setup_dialog::kPassCount, passesText);
    setup.setItemText(setup_dialog::kTemperature, temperatureText);
    BeamSection result = section;
    readSetupDialog(setup, result);
    return result;
}

}  // namespace

void startNewProject(Project& project) {
    project = Project{};
    resetProjectFlags(project.flags);
    resetBeamSection(project.section);
    loadDefaultCoefficients(project.coefficients);
    project.flags.projectStarted = 1;
}

void takeCatalogueProfile(Project& project, const ProfileRecord& record) {
    FilledDialog dialog;
    showProfileValues(dialog, record);
    takeStandardProfile(dialog, project.section);
    project.flags.standardChosen = 1;
}

bool takeTypedSection(Project& project, std::string_view text) {
    const auto fields = splitAtCommas(text);
    if (fields.size() != 10) return false;

    namespace ids = custom_dialog;
    const int order[] = {ids::kName,         ids::kWebWidth,        ids::kWebThickness,
                         ids::kFlangeHeight, ids::kFlangeThickness, ids::kRootRadius,
                         ids::kTipRadius,    ids::kFlangeSlope,     ids::kMass,
                         ids::kLength};
    FilledDialog dialog;
    dialog.setItemText(ids::kName, windows1252FromUtf8(fields[0]));
    for (int i = 1; i < 10; ++i) dialog.setItemText(order[i], fields[i]);
    takeCustomProfile(dialog, project.section);
    project.flags.customEntered = 1;
    return true;
}

std::int32_t setupPassCount(std::string_view text) {
    return setupFrom(BeamSection{}, text, "").passCount;
}

float setupTemperature(std::string_view text) {
    return setupFrom(BeamSection{}, "", text).temperature;
}

void applySetup(Project& project, std::string_view passesText, std::string_view temperatureText) {
    project.section = setupFrom(project.section, passesText, temperatureText);
    project.flags.setupDone = 1;
}

bool CoefficientInput::given() const {
    return !webList.empty() || !liveList.empty() || !deadList.empty() || !webLimits.empty() ||
           !liveLimits.empty() || !deadLimits.empty();
}

bool applyCoefficients(Project& project, const CoefficientInput& input) {
    namespace ids = coefficients_dialog;
    FilledDialog dialog;
    dialog.setItemText(ids::kWebList, input.webList);
    dialog.setItemText(ids::kLiveList, input.liveList);
    dialog.setItemText(ids::kDeadList, input.deadList);
    const struct {
        const std::string& pair;
        int from, to;
    } limits[] = {{input.webLimits, ids::kWebFrom, ids::kWebTo},
                  {input.liveLimits, ids::kLiveFrom, ids::kLiveTo},
                  {input.deadLimits, ids::kDeadFrom, ids::kDeadTo}};
    for (const auto& limit : limits) {
        if (limit.pair.empty()) continue;  // an empty field reads as 0: no limits
        const auto fields = splitAtCommas(limit.pair);
        if (fields.size() != 2) return false;
        dialog.setItemText(limit.from, fields[0]);
        dialog.setItemText(limit.to, fields[1]);
    }
    readCoefficientsDialog(dialog, project);
    project.flags.coefficientsGiven = 1;
    return true;
}

void acceptCurrentCoefficients(Project& project) {
    project.flags.defaultCoefficients = 1;
    project.flags.coefficientsGiven = 1;
}

void computeProject(Project& project) {
    project.flags.computed = 1;
    computeDesign(project);
}

}  // namespace rolvanta::cli
