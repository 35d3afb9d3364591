#include "app/main_commands.h"

#include "app/key_input.h"
#include "app/project_commands.h"
#include "project/project_life.h"
#include "resources/command_ids.h"

namespace rolvanta {
namespace {

// An input dialog: gate, dialog, repaint.
void runInputDialog(Session& session, Shell& shell, DialogId dialog) {
    if (!passProjectGate(session, shell)) return;
    const bool accepted = shell.runDialog(dialog);
    fitPassViewCursor(session);  // Setup may have shortened the schedule
    // A beam just taken is shown on the text pages, not on the pass view of
    // the schedule it replaces.
    if (accepted && dialog == DialogId::StandardProfiles && session.graphicsMode != 0) {
        session.graphicsMode = 0;
        shell.showDisplayMode(0);
    }
    shell.repaint();
}

bool runOneCommand(Session& session, Shell& shell, int command);

}  // namespace

bool passProjectGate(const Session& session, Shell& shell) {
    if (session.project.flags.projectStarted) return true;
    shell.showMessage({"Please Start New Project !", "Note", MessageButtons::Ok, MessageIcon::None,
                       MessageOwner::None});
    return false;
}

void computeProject(Session& session, Shell& shell) {
    switch (computePrecondition(session.project.flags)) {
        case MissingStep::Nothing:
            break;
        case MissingStep::Project:
            passProjectGate(session, shell);
            return;
        case MissingStep::Profile:
            shell.showMessage({"Choose a profile first (Inputs › Profile Dimensions)", "Note"});
            return;
        case MissingStep::Setup:
            shell.showMessage({"Run Setup first (Inputs › Setup)", "Note"});
            return;
        case MissingStep::Coefficients:
            shell.showMessage(
                {"Give the coefficients first (Inputs › Coefficients; Default takes "
                 "the standard set)",
                 "Note"});
            return;
    }
    shell.setScrollBarsEnabled(true);
    computeProject(session.project);
    fitPassViewCursor(session);
    shell.repaint();
}

void setDisplayMode(Session& session, Shell& shell, int wanted) {
    if (session.graphicsMode == 1 && wanted == 0) {
        session.graphicsMode = 0;
        shell.showDisplayMode(0);
        shell.repaint();
    } else if (session.graphicsMode == 0 && wanted == 1) {
        session.graphicsMode = 1;
        shell.showDisplayMode(1);
    }
}

void openStartFile(Session& session, Shell& shell, const std::string& path,
                   const std::string& title) {
    if (!openProjectFromPath(session, shell, path, title)) return;
    shell.setScrollBarsEnabled(true);
    fitPassViewCursor(session);
    shell.repaint();
}

bool confirmClose(Session& session, Shell& shell) { return offerToSave(session, shell); }

bool runCommand(Session& session, Shell& shell, int command) {
    const bool known = runOneCommand(session, shell, command);
    // Whatever the command changed, the title says whether it is saved.
    if (known) showWindowTitle(session, shell);
    return known;
}

namespace {

bool runOneCommand(Session& session, Shell& shell, int command) {
    switch (command) {
        case kMenuNewProject:
        case kButtonNewFile:
            shell.setScrollBarsEnabled(true);
            newProject(session, shell);
            fitPassViewCursor(session);
            shell.repaintRect(session.initialClientRect);
            return true;
        case kMenuOpenProject:
        case kButtonOpenFile:
            shell.setScrollBarsEnabled(true);
            shell.repaint();
            if (openProject(session, shell)) {
                fitPassViewCursor(session);
                shell.repaint();
            }
            return true;
        case kMenuSaveProject:
        case kButtonSaveFile:
            saveProject(session, shell);
            return true;
        case kMenuSaveAs:
            saveProjectAs(session, shell);
            return true;
        case kMenuExit:
            if (confirmClose(session, shell)) shell.quit(0);
            return true;
        case kMenuStandardProfiles:
        case kButtonStandardProfiles:
            runInputDialog(session, shell, DialogId::StandardProfiles);
            return true;
        case kMenuCustomProfiles:
        case kButtonCustomProfiles:
            runInputDialog(session, shell, DialogId::CustomProfiles);
            return true;
        case kMenuCoefficients:
        case kButtonCoefficients:
            runInputDialog(session, shell, DialogId::Coefficients);
            return true;
        case kMenuSetup:
        case kButtonSetup:
            runInputDialog(session, shell, DialogId::Setup);
            return true;
        case kMenuCompute:
        case kButtonCompute:
            computeProject(session, shell);
            return true;
        case kMenuTextDisplay:
        case kButtonTextMode:
            shell.setToolbarShown(true);
            shell.setScrollBarsEnabled(true);
            setDisplayMode(session, shell, 0);
            return true;
        case kMenuGraphicalDisplay:
        case kButtonGraphicsMode:
            shell.setToolbarShown(false);
            shell.setScrollBarsEnabled(false);
            setDisplayMode(session, shell, 1);
            return true;
        case kMenuHelp:
        case kButtonHelp:
            shell.repaintRect(session.initialClientRect);
            shell.openHelp();
            return true;
        case kMenuAbout:
            shell.runDialog(DialogId::About);
            return true;
        default:
            return false;
    }
}

}  // namespace

}  // namespace rolvanta
