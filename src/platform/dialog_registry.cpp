#include "platform/dialog_registry.h"

namespace rolvanta {

void DialogRegistry::add(const std::string& resourceName, DialogRunner runner) {
    runners_[resourceName] = std::move(runner);
}

bool DialogRegistry::contains(const std::string& resourceName) const {
    return runners_.count(resourceName) != 0;
}

int DialogRegistry::run(const std::string& resourceName, QWidget* parent) const {
    const auto found = runners_.find(resourceName);
    return found == runners_.end() ? 0 : found->second(parent);
}

}  // namespace rolvanta
