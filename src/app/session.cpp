#include "app/session.h"

namespace rolvanta {

bool hasUnsavedChanges(const Session& session) {
    if (!session.project.flags.projectStarted) return false;
    return !sameProject(session.project, session.unchangedProject);
}

void markProjectUnchanged(Session& session) { session.unchangedProject = session.project; }

void showWindowTitle(const Session& session, Shell& shell) {
    shell.setWindowTitle(windowTitle(session, hasUnsavedChanges(session)));
}

}  // namespace rolvanta
