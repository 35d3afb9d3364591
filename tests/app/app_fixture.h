#pragma once

// A session started as the main window starts it, with a scripted shell and
// a folder for its files.

#include <gtest/gtest.h>

#include <string>

#include "app/main_commands.h"
#include "app/start_up.h"
#include "resources/command_ids.h"
#include "support/example_section.h"
#include "support/fake_shell.h"
#include "support/temporary_folder.h"

namespace rolvanta::testing {

struct App {
    // A font 16 pixels high, 7 wide on average, as window systems commonly give.
    App() { startUp(session, shell, {{16, 0, 7, true}, 15, {0, 0, 1280, 1000}}); }

    bool run(int command) { return runCommand(session, shell, command); }

    // A started project holding the example section, typed in.
    void startWithCustomSection(int passCount = 7) {
        run(kMenuNewProject);
        session.project.section = exampleSection(passCount);
        session.project.flags.customEntered = true;
    }

    // The next file dialog confirms this file of the folder.
    void choose(const std::string& name, FileType type = FileType::Project) {
        shell.fileChoices.push_back({true, folder / name, name.substr(name.rfind('/') + 1), type});
    }

    // projectStarted, hasFileName and lastSaveKind, then the window title.
    std::string fileState() const {
        const ProjectFlags& f = session.project.flags;
        return std::to_string(f.projectStarted) + std::to_string(f.hasFileName) +
               std::to_string(static_cast<int>(f.lastSaveKind)) + " " + shell.title;
    }

    TemporaryFolder folder;
    Session session;
    FakeShell shell;
};

class AppTest : public ::testing::Test, protected App {};

}  // namespace rolvanta::testing
