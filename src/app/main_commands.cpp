#include "app/main_commands.h"

#include "app/key_input.h"
#include "app/project_commands.h"
#include "engine/pass_schedule.h"
#include "resources/command_ids.h"

namespace rolvanta {
namespace {

// An input dialog: gate, dialog, repaint. A dialog may also switch the
// window back to the text pages (the standard profile dialog does).
void runInputDialog(Session& session, Shell& shell, const char* resourceName) {
    if (!passProjectGate(session, shell)) return;
    const int modeBefore = session.graphicsMode;
    shell.runDialog(resourceName);
    fitPassViewCursor(session);  // Setup may have shortened the schedule
    if (session.graphicsMode != modeBefore) shell.showDisplayMode(session.graphicsMode);
    shell.repaint();
}

}  // namespace

bool passProjectGate(const Session& session, Shell& shell) {
    if (session.project.flags.projectStarted != 0) return true;
    shell.showMessage({"Please Start New Project !", "Note", MessageButtons::Ok, MessageIcon::None,
                       MessageOwner::None});
    return false;
}

bool canCompute(const ProjectFlags& flags) {
    return flags.customEntered == 1 ||
           (flags.standardChosen == 1 && flags.setupDone == 1 && flags.coefficientsGiven == 1);
}

void computeProject(Session& session, Shell& shell) {
    if (!canCompute(session.project.flags)) return;
    shell.setScrollBarsEnabled(true);
    session.project.flags.computed = 1;
    computeDesign(session.project);
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

bool confirmClose(Session& session, Shell& shell) {
    if (!hasUnsavedChanges(session)) return true;
    const MessageAnswer answer = shell.showMessage(
        {"Do You Want To Save Current Project ?", "Confirm", MessageButtons::YesNoCancel,
         MessageIcon::Question, MessageOwner::MainWindow});
    if (answer == MessageAnswer::Cancel) return false;
    if (answer == MessageAnswer::Yes) return saveBeforeLeaving(session, shell);
    return true;
}

bool runCommand(Session& session, Shell& shell, int command) {
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
            runInputDialog(session, shell, kStandardProfileDialog);
            return true;
        case kMenuCustomProfiles:
        case kButtonCustomProfiles:
            runInputDialog(session, shell, kCustomProfileDialog);
            return true;
        case kMenuCoefficients:
        case kButtonCoefficients:
            runInputDialog(session, shell, kCoefficientsDialog);
            return true;
        case kMenuSetup:
        case kButtonSetup:
            runInputDialog(session, shell, kSetupDialog);
            return true;
        case kMenuCompute:
        case kButtonCompute:
            if (passProjectGate(session, shell)) computeProject(session, shell);
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
            shell.runDialog(kAboutDialog);
            return true;
        default:
            return false;
    }
}

}  // namespace rolvanta
