#pragma once

// How the main window runs a dialog by its resource name: each dialog the
// program has registers a runner under its name (dialog_registration.h);
// the runner builds the modal dialog, runs it and returns the value its
// procedure ended it with. A name nobody registered runs nothing, changes
// nothing and returns 0.

#include <functional>
#include <map>
#include <string>

class QWidget;

namespace rolvanta {

// parent: the main window, which owns the modal dialog.
using DialogRunner = std::function<int(QWidget* parent)>;

class DialogRegistry {
  public:
    void add(const std::string& resourceName, DialogRunner runner);
    bool contains(const std::string& resourceName) const;
    int run(const std::string& resourceName, QWidget* parent) const;

  private:
    std::map<std::string, DialogRunner> runners_;
};

}  // namespace rolvanta
