#pragma once

// The Setup dialog (number of passes and rolling temperature) and the About
// dialog.

#include "dialogs/dialog_host.h"
#include "engine/project_records.h"

namespace rolvanta {

constexpr int kFewestPasses = 5;
constexpr int kMostPasses = 13;
constexpr float kLowestTemperature = 800.0f;    // °C
constexpr float kHighestTemperature = 1200.0f;  // °C
constexpr float kUsualTemperature = 1000.0f;    // °C, put in place of one out of range

// Reads the two fields into the section: the pass count as an unsigned
// number kept within 5 to 13, the temperature from its first nine characters,
// 1000 °C unless it lies within 800 to 1200 °C.
void readSetupDialog(const DialogHost& host, BeamSection& section);

// The fields start empty; OK reads them, sets setupDone and ends Accepted.
class SetupDialog final : public DialogProcedure {
  public:
    explicit SetupDialog(Project& project) : project_(project) {}

    void initialise(DialogHost&) override {}
    void command(DialogHost& host, int id, Notification notification) override;

  private:
    Project& project_;
};

// Shows its fixed text until closed.
class AboutDialog final : public DialogProcedure {
  public:
    void initialise(DialogHost&) override {}
    void command(DialogHost& host, int id, Notification notification) override;
};

}  // namespace rolvanta
