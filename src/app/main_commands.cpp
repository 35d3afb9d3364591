#include "app/main_commands.h"

#include "app/key_input.h"
#include "app/project_commands.h"
#include "engine/windows1252.h"
#include "project/load_checks.h"
#include "project/project_life.h"
#include "resources/command_ids.h"

namespace rolvanta {
namespace {

// The text pages with their toolbar and scroll bars, from whatever display.
void showTextPages(Session& session, Shell& shell) {
    shell.setToolbarShown(true);
    shell.setScrollBarsEnabled(true);
    setDisplayMode(session, shell, DisplayMode::TextPages);
}

// An input dialog: gate, dialog, repaint.
void runInputDialog(Session& session, Shell& shell, DialogId dialog) {
    if (!passProjectGate(session, shell)) return;
    const bool accepted = shell.runDialog(dialog);
    fitPassViewCursor(session);  // Setup may have shortened the schedule
    // An OK that changed a computed design has computed it anew.
    noteDesignWarnings(session, shell);
    // A beam just taken is shown on the text pages, not on the pass view of
    // the schedule it replaces.
    if (accepted && dialog == DialogId::StandardProfiles &&
        session.displayMode != DisplayMode::TextPages) {
        showTextPages(session, shell);
    }
    shell.repaint();
}

bool runOneCommand(Session& session, Shell& shell, int command);

}  // namespace

bool passProjectGate(const Session& session, Shell& shell) {
    if (session.project.flags.projectStarted) return true;
    shell.showMessage({missingStepNote(MissingStep::Project), "Note", MessageButtons::Ok,
                       MessageIcon::None, MessageOwner::None});
    return false;
}

void computeProject(Session& session, Shell& shell) {
    const MissingStep missing = computePrecondition(session.project);
    switch (missing) {
        case MissingStep::Nothing:
            break;
        case MissingStep::Project:
            passProjectGate(session, shell);
            return;
        case MissingStep::Profile:
        case MissingStep::Setup:
        case MissingStep::Coefficients:
            shell.showMessage({missingStepNote(missing), "Note"});
            return;
    }
    shell.setScrollBarsEnabled(true);
    computeProject(session.project);
    fitPassViewCursor(session);
    shell.repaint();
    noteDesignWarnings(session, shell);
}

void noteDesignWarnings(Session& session, Shell& shell) {
    updatePassNotes(session);
    const std::string warnings = warningsNote(checkProject(session.project));
    // What the last input changed besides its own fields comes first, once.
    const std::string note = session.inputNote;
    session.inputNote.clear();
    if (note.empty() || warnings.empty()) {
        shell.showNote(note + warnings);
    } else {
        shell.showNote(note + "; " + warnings);
    }
}

void updatePassNotes(Session& session) {
    const std::vector<DesignWarning> warnings = checkProject(session.project);
    for (int position = 0; position < kPassTableSize; ++position) {
        std::vector<std::string> lines;
        std::vector<DesignWarning> hidden;  // beyond what the caption has room for
        for (const DesignWarning& warning : warnings) {
            // The caption says which pass: the note says what is wrong.
            if (warning.pass != position + 2) continue;
            lines.push_back(windows1252FromUtf8(warningBody(warning)));
            if (lines.size() > static_cast<std::size_t>(kShownPassNotes)) hidden.push_back(warning);
        }
        setPassNotes(session.passNotes, position, lines, warningsPlace(hidden));
    }
}

void setDisplayMode(Session& session, Shell& shell, DisplayMode wanted) {
    if (session.displayMode == wanted) return;
    session.displayMode = wanted;
    shell.showDisplayMode(wanted);
    // The pass view and the tables draw themselves when shown.
    if (wanted == DisplayMode::TextPages) shell.repaint();
}

void openStartFile(Session& session, Shell& shell, const std::string& path,
                   const std::string& title) {
    if (!openProjectFromPath(session, shell, path, title)) return;
    shell.setScrollBarsEnabled(true);
    fitPassViewCursor(session);
    noteDesignWarnings(session, shell);
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
            noteDesignWarnings(session, shell);
            shell.repaintRect(session.initialClientRect);
            return true;
        case kMenuOpenProject:
        case kButtonOpenFile:
            shell.setScrollBarsEnabled(true);
            shell.repaint();
            if (openProject(session, shell)) {
                fitPassViewCursor(session);
                noteDesignWarnings(session, shell);
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
        case kMenuMill:
        case kButtonMill:
            runInputDialog(session, shell, DialogId::Mill);
            return true;
        case kMenuCompute:
        case kButtonCompute:
            computeProject(session, shell);
            return true;
        case kMenuTextDisplay:
        case kButtonTextMode:
            showTextPages(session, shell);
            return true;
        case kMenuGraphicalDisplay:
        case kButtonGraphicsMode:
            shell.setToolbarShown(false);
            shell.setScrollBarsEnabled(false);
            setDisplayMode(session, shell, DisplayMode::PassView);
            return true;
        case kMenuScheduleTable:
        case kButtonScheduleTable:
            // The table scrolls itself; the toolbar stays for Compute.
            shell.setToolbarShown(true);
            shell.setScrollBarsEnabled(false);
            setDisplayMode(session, shell, DisplayMode::ScheduleTable);
            return true;
        case kMenuMillLoads:
        case kButtonMillLoads:
            // As the Schedule Table: the toolbar stays, the table scrolls itself.
            shell.setToolbarShown(true);
            shell.setScrollBarsEnabled(false);
            setDisplayMode(session, shell, DisplayMode::MillLoads);
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
