#include "platform/dialog_registry.h"

namespace rolvanta {

void DialogRegistry::add(DialogId dialog, DialogRunner runner) {
    runners_[dialog] = std::move(runner);
}

bool DialogRegistry::contains(DialogId dialog) const { return runners_.count(dialog) != 0; }

bool DialogRegistry::run(DialogId dialog, QWidget* parent) const {
    const auto found = runners_.find(dialog);
    return found != runners_.end() && found->second(parent);
}

}  // namespace rolvanta
