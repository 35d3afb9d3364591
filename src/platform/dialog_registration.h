#pragma once

// The program's dialogs, registered by resource name when the main window
// is created. Each runner works on the session's records and shows its
// messages through the shell.

#include "app/session.h"
#include "app/shell.h"
#include "platform/dialog_registry.h"

namespace rolvanta {

void registerDialogs(DialogRegistry& registry, Session& session, Shell& shell);

}  // namespace rolvanta
