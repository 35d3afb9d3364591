#include "app/session.h"

#include <cstring>

namespace rolvanta {

bool hasUnsavedChanges(const Session& session) {
    if (session.project.flags.projectStarted != 1) return false;
    // The records are plain bytes without padding: a byte comparison sees
    // every change a dialog, Compute or an opened file made.
    return std::memcmp(&session.project, &session.unchangedProject, sizeof(Project)) != 0;
}

void markProjectUnchanged(Session& session) { session.unchangedProject = session.project; }

}  // namespace rolvanta
