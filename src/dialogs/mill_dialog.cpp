#include "dialogs/mill_dialog.h"

#include <tuple>
#include <vector>

#include "engine/windows1252.h"
#include "resources/dialog_ids.h"
#include "resources/dialog_templates.h"
#include "storage/file_io.h"

namespace rolvanta {

namespace ids = mill_dialog;
namespace constants = mill_constants_dialog;

namespace {

struct ConstantItem {
    MillField field;
    std::string MillTexts::*text;
    int id;
};

constexpr ConstantItem kConstantItems[] = {
    {MillField::Emissivity, &MillTexts::emissivity, constants::kEmissivity},
    {MillField::Convection, &MillTexts::convection, constants::kConvection},
    {MillField::Contact, &MillTexts::contact, constants::kContact},
    {MillField::RollTemperature, &MillTexts::rollTemperature, constants::kRollTemperature},
    {MillField::HeatFraction, &MillTexts::heatFraction, constants::kHeatFraction},
    {MillField::MinimumTaper, &MillTexts::minimumTaper, constants::kMinimumTaper},
    {MillField::AirTemperature, &MillTexts::airTemperature, constants::kAirTemperature},
    {MillField::Density, &MillTexts::density, constants::kDensity},
    {MillField::SpecificHeat, &MillTexts::specificHeat, constants::kSpecificHeat},
};

const ConstantItem* constantItem(MillField field) {
    for (const ConstantItem& item : kConstantItems) {
        if (item.field == field) return &item;
    }
    return nullptr;
}

// Everything the designer sees, the example mark aside.
auto shownTexts(const MillTexts& t) {
    return std::tie(t.name, t.entryTemperature, t.steel, t.carbon, t.rollMaterial, t.emissivity,
                    t.convection, t.contact, t.rollTemperature, t.heatFraction, t.minimumTaper,
                    t.airTemperature, t.density, t.specificHeat, t.rows);
}

// The drop-down's entry as the choice it stands for; the one shown before
// while nothing is selected.
template <typename Choice>
Choice listChoice(const DialogHost& host, int id, std::size_t count, Choice shown) {
    const int selected = host.listSelection(id);
    if (selected < 0 || static_cast<std::size_t>(selected) >= count) return shown;
    return static_cast<Choice>(selected);
}

void tell(DialogHost& host, const std::string& text, const char* caption, MessageIcon icon) {
    host.showMessage({text, caption, MessageButtons::Ok, icon, MessageOwner::Dialog});
}

// Shows the refusal and puts the keyboard on what was refused: the field,
// the cell, or More for a constant.
void refuse(DialogHost& host, const MillProblem& problem) {
    tell(host, describeMillProblem(problem), "Error", MessageIcon::Warning);
    if (problem.field == MillField::Name) {
        host.focusItem(ids::kName);
    } else if (problem.field == MillField::EntryTemperature) {
        host.focusItem(ids::kEntryTemperature);
    } else if (problem.field == MillField::Carbon) {
        host.focusItem(ids::kCarbon);
    } else if (problem.field) {
        host.focusItem(ids::kMore);
    } else if (problem.row >= 0) {
        host.focusCell(ids::kTable, problem.row, static_cast<int>(problem.column));
    } else {
        host.focusItem(ids::kTable);
    }
}

void showNote(DialogHost& host, const std::string& note) {
    host.setItemText(ids::kNote, windows1252FromUtf8(note));
}

}  // namespace

int MillDialog::passCount() const {
    return project_.flags.setupDone ? project_.section.passCount : 0;
}

bool MillDialog::passesGiven(DialogHost& host) const {
    if (passCount() >= 1) return true;
    tell(host, "The mill has one stand per pass: give the passes first (Inputs \u203A Setup).",
         "Note", MessageIcon::None);
    return false;
}

void MillDialog::initialise(DialogHost& host) {
    for (const std::string& steel : steelChoices()) {
        host.addListItem(ids::kSteel, windows1252FromUtf8(steel));
    }
    for (const std::string& rolls : rollMaterialChoices()) {
        host.addListItem(ids::kRollMaterial, windows1252FromUtf8(rolls));
    }
    if (!project_.mill) {
        MillTexts texts = textsOfMill(Mill{});
        texts.rows.assign(static_cast<std::size_t>(passCount()),
                          std::vector<std::string>(kMillColumnCount));
        show(host, texts, "");
        return;
    }
    // Setup keeps the mill to its passes; should it not be, it is fitted
    // here and the dialog says so.
    Mill mill = *project_.mill;
    fitted_ = fitMillToPasses(mill, passCount());
    const MillTexts texts = textsOfMill(mill);
    if (mill.example) example_ = texts;
    show(host, texts, !fitted_.empty() ? fitted_ : mill.example ? kExampleMillNote : "");
}

void MillDialog::show(DialogHost& host, const MillTexts& texts, const std::string& note) {
    constants_ = texts;
    host.setItemText(ids::kName, windows1252FromUtf8(texts.name));
    host.setItemText(ids::kEntryTemperature, texts.entryTemperature);
    host.selectListItem(ids::kSteel, static_cast<int>(texts.steel));
    host.setItemText(ids::kCarbon, texts.carbon);
    host.selectListItem(ids::kRollMaterial, static_cast<int>(texts.rollMaterial));

    std::vector<std::string> passes;
    for (int j = 0; j < passCount(); ++j) {
        passes.push_back("Pass " + std::to_string(passOfStand(j, passCount())));
    }
    std::vector<std::string> columns;
    for (int c = 0; c < kMillColumnCount; ++c) {
        columns.push_back(millColumnHeading(static_cast<MillColumn>(c)));
    }
    host.setTableHeadings(ids::kTable, passes, columns);
    for (std::size_t r = 0; r < texts.rows.size() && r < passes.size(); ++r) {
        const std::vector<std::string>& row = texts.rows[r];
        for (std::size_t c = 0; c < row.size() && c < columns.size(); ++c) {
            host.setCellText(ids::kTable, static_cast<int>(r), static_cast<int>(c), row[c]);
        }
    }
    showNote(host, note);
}

MillTexts MillDialog::read(const DialogHost& host) const {
    MillTexts texts = constants_;
    texts.name = host.typedText(ids::kName);
    texts.entryTemperature = host.typedText(ids::kEntryTemperature);
    texts.steel = listChoice(host, ids::kSteel, steelChoices().size(), texts.steel);
    texts.carbon = host.typedText(ids::kCarbon);
    texts.rollMaterial =
        listChoice(host, ids::kRollMaterial, rollMaterialChoices().size(), texts.rollMaterial);
    texts.rows.clear();
    for (int r = 0; r < passCount(); ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < kMillColumnCount; ++c) {
            row.push_back(host.cellText(ids::kTable, r, c));
        }
        texts.rows.push_back(std::move(row));
    }
    // An example edited is the designer's own mill.
    texts.example = example_ && shownTexts(texts) == shownTexts(*example_);
    return texts;
}

std::optional<Mill> MillDialog::checked(DialogHost& host) const {
    Mill mill;
    if (auto problem = readMill(read(host), passCount(), mill)) {
        refuse(host, *problem);
        return {};
    }
    return mill;
}

void MillDialog::command(DialogHost& host, int id, Notification) {
    if (id == ids::kOk) {
        const std::optional<Mill> mill = checked(host);
        if (!mill) return;
        if (auto problem = applyMill(project_, *mill)) {
            refuse(host, *problem);
            return;
        }
        const std::string taken = !project_.loads.empty()
                                      ? "The mill is taken: its loads are in Mill Loads"
                                      : "The mill is taken: Compute gives its loads";
        note_ = fitted_.empty() ? taken : fitted_ + "; " + taken;
        host.endDialog(DialogResult::Accepted);
    } else if (id == ids::kCancel || id == kDialogCancelCommand) {
        host.endDialog(DialogResult::Cancelled);
    } else if (id == ids::kFillDown) {
        fillDown(host);
    } else if (id == ids::kExample) {
        if (!passesGiven(host)) return;
        const MillTexts texts = textsOfMill(exampleMill(passCount()));
        example_ = texts;
        fitted_.clear();
        show(host, texts, kExampleMillNote);
    } else if (id == ids::kOpen) {
        openMill(host);
    } else if (id == ids::kSave) {
        saveMill(host);
    } else if (id == ids::kMore) {
        MillConstantsDialog more(constants_);
        host.runDialog(kMillConstantsDialog, more);
    }
}

// The time and the distance to the next pass stop above the finishing
// pass, which has no next pass: filled into it, they would be refused.
void MillDialog::fillDown(DialogHost& host) {
    const TableCell cell = host.currentCell(ids::kTable);
    if (cell.row < 0 || cell.column < 0) {
        tell(host,
             "Fill Down copies the selected cell into the rows below it: select a cell first.",
             "Note", MessageIcon::None);
        return;
    }
    const auto column = static_cast<MillColumn>(cell.column);
    const bool toNextPass = column == MillColumn::Interpass || column == MillColumn::Distance;
    const int last = passCount() - (toNextPass ? 2 : 1);
    const std::string text = host.cellText(ids::kTable, cell.row, cell.column);
    for (int r = cell.row + 1; r <= last; ++r) host.setCellText(ids::kTable, r, cell.column, text);
}

void MillDialog::openMill(DialogHost& host) {
    if (!passesGiven(host)) return;
    const std::string path = host.chooseFile(FileChoice::Open, "Open Mill", kMillFileType);
    if (path.empty()) return;
    const MillOpened opened = openMillFile(path, passCount());
    if (opened.error) {
        tell(host, "The mill file cannot be opened:\n" + describeStorageError(*opened.error),
             "Error", MessageIcon::Warning);
        return;
    }
    const MillTexts texts = textsOfMill(*opened.mill);
    example_.reset();
    if (opened.mill->example) example_ = texts;
    fitted_ = opened.note;
    const std::string shown = "Opened " + fileNameOf(path);
    show(host, texts, fitted_.empty() ? shown : shown + ". " + fitted_ + ".");
}

void MillDialog::saveMill(DialogHost& host) {
    const std::optional<Mill> mill = checked(host);
    if (!mill) return;
    const std::string path = host.chooseFile(FileChoice::Save, "Save Mill As", kMillFileType);
    if (path.empty()) return;
    if (StorageResult error = saveMillFile(*mill, path)) {
        tell(host, "The mill file cannot be written:\n" + describeStorageError(*error), "Error",
             MessageIcon::Warning);
        return;
    }
    showNote(host, "Saved as " + fileNameOf(path));
}

void MillConstantsDialog::initialise(DialogHost& host) {
    for (const ConstantItem& item : kConstantItems) {
        host.setItemText(item.id, windows1252FromUtf8(texts_.*item.text));
    }
}

void MillConstantsDialog::command(DialogHost& host, int id, Notification) {
    if (id == constants::kOk) {
        // The constants are checked as the Mill's OK checks them; the rest
        // of the probe is empty, its defaults accepted.
        MillTexts probe;
        for (const ConstantItem& item : kConstantItems) {
            probe.*item.text = host.typedText(item.id);
        }
        Mill ignored;
        const std::optional<MillProblem> problem = readMill(probe, 0, ignored);
        const ConstantItem* refused =
            problem && problem->field ? constantItem(*problem->field) : nullptr;
        if (refused != nullptr) {
            tell(host, describeMillProblem(*problem), "Error", MessageIcon::Warning);
            host.focusItem(refused->id);
            return;
        }
        for (const ConstantItem& item : kConstantItems) texts_.*item.text = probe.*item.text;
        host.endDialog(DialogResult::Accepted);
    } else if (id == constants::kDefaults) {
        const MillTexts defaults = textsOfMill(Mill{});
        for (const ConstantItem& item : kConstantItems) {
            host.setItemText(item.id, defaults.*item.text);
        }
    } else if (id == constants::kCancel || id == kDialogCancelCommand) {
        host.endDialog(DialogResult::Cancelled);
    }
}

}  // namespace rolvanta
