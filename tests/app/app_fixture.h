#pragma once

// A session started as the main window starts it, with a scripted shell.

#include <gtest/gtest.h>

#include <cstring>

#include "app/main_commands.h"
#include "app/session.h"
#include "app/start_up.h"
#include "support/example_section.h"
#include "support/fake_shell.h"

namespace rolvanta::testing {

// A default font as the window system commonly reports one.
inline FontMeasures systemFont() { return {16, 0, 7, true}; }

inline WindowMeasures windowMeasures() { return {systemFont(), 15, {0, 0, 1280, 1000}}; }

// A session after start-up and New Project with its own scripted shell, for
// tables whose every case starts afresh.
struct StartedProject {
    StartedProject() {
        startUp(session, shell, windowMeasures());
        runCommand(session, shell, 1000);
    }
    Session session;
    FakeShell shell;
};

class AppTest : public ::testing::Test {
  protected:
    AppTest() { startUp(session, shell, windowMeasures()); }

    bool run(int command) { return runCommand(session, shell, command); }

    // A started project holding the example section, typed in.
    void startWithCustomSection(int passCount = 7) {
        run(1000);
        session.project.section = exampleSection(passCount);
        session.project.flags.customEntered = 1;
    }

    static bool sameBytes(const Project& a, const Project& b) {
        return std::memcmp(&a, &b, sizeof(Project)) == 0;
    }

    Session session;
    FakeShell shell;
};

}  // namespace rolvanta::testing
