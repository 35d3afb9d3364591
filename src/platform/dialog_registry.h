#pragma once

// How the main window runs a dialog: each dialog the program has registers
// a runner under its DialogId (dialog_registration.h); the runner builds the
// modal dialog, runs it and says whether it ended accepted. A dialog nobody
// registered runs nothing, changes nothing and is not accepted.

#include <functional>
#include <map>

#include "app/shell.h"

class QWidget;

namespace rolvanta {

// parent: the main window, which owns the modal dialog.
using DialogRunner = std::function<bool(QWidget* parent)>;

class DialogRegistry {
  public:
    void add(DialogId dialog, DialogRunner runner);
    bool contains(DialogId dialog) const;
    bool run(DialogId dialog, QWidget* parent) const;

  private:
    std::map<DialogId, DialogRunner> runners_;
};

}  // namespace rolvanta
