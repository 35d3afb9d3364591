#pragma once

// The Mill dialog: the stands in a table, one row per pass in rolling order
// (Pass N first, Pass 1 last), the mill as a whole beneath it, and the
// constants of the load models in the Mill Constants dialog opened by More.
// It opens on the project's mill, or on empty rows and the defaults. Fill
// Down, Example Mill and Open Mill change the dialog only; OK checks every
// field (project/mill_inputs.h) and takes the mill into the project, whose
// loads are then computed anew. A refusal names the field or cell, the
// value and what is accepted, puts the keyboard on it and changes nothing.

#include <optional>
#include <string>

#include "dialogs/dialog_host.h"
#include "project/mill_inputs.h"

namespace rolvanta {

// The file type of the mill file dialogs.
constexpr const char kMillFileType[] = "ROLVANTA Mill (*.rolmill)";

// What the Mill dialog says of an example mill.
constexpr const char kExampleMillNote[] =
    "An example mill: plausible stands, not those of a real mill.";

class MillDialog final : public DialogProcedure {
  public:
    // note: where OK leaves what the status bar says of the mill taken.
    MillDialog(Project& project, std::string& note) : project_(project), note_(note) {}

    void initialise(DialogHost& host) override;
    void command(DialogHost& host, int id, Notification notification) override;

  private:
    int passCount() const;
    bool passesGiven(DialogHost& host) const;
    void show(DialogHost& host, const MillTexts& texts, const std::string& note);
    MillTexts read(const DialogHost& host) const;
    std::optional<Mill> checked(DialogHost& host) const;
    void fillDown(DialogHost& host);
    void openMill(DialogHost& host);
    void saveMill(DialogHost& host);

    Project& project_;
    std::string& note_;
    MillTexts constants_;               // the constants More shows and sets
    std::optional<MillTexts> example_;  // what Example Mill filled in
    std::string fitted_;                // what fitting a mill file to the passes did
};

// Mill Constants: the constants of the models, each empty for its default.
// OK checks them and leaves them in texts; Defaults shows the defaults.
class MillConstantsDialog final : public DialogProcedure {
  public:
    explicit MillConstantsDialog(MillTexts& texts) : texts_(texts) {}

    void initialise(DialogHost& host) override;
    void command(DialogHost& host, int id, Notification notification) override;

  private:
    MillTexts& texts_;
};

}  // namespace rolvanta
