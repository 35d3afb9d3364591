#pragma once

// A scripted main window for tests of the app layer: records what the
// commands ask of the window and answers from scripts. A message or file
// dialog nobody scripted answers Ok / Cancel and cancelled.

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/shell.h"

namespace rolvanta::testing {

class FakeShell : public Shell {
  public:
    MessageAnswer showMessage(const MessageRequest& request) override {
        messages.push_back(request);
        const bool ok = request.buttons == MessageButtons::Ok;
        if (answers.empty()) return ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    FileDialogChoice showOpenDialog() override { return nextChoice("open"); }
    FileDialogChoice showSaveDialog() override { return nextChoice("save"); }
    FileDialogChoice showProjectSaveDialog() override { return nextChoice("save project"); }
    void setWindowTitle(const std::string& text) override { title = text; }
    void repaint() override { ++repaints; }
    void repaintRect(const PixelRect&) override { ++rectRepaints; }
    void setScrollBarsEnabled(bool enabled) override { scrollBarsEnabled = enabled; }
    void setToolbarShown(bool shown) override { toolbarShown = shown; }
    void showDisplayMode(DisplayMode mode) override { displayShown = mode; }
    void showNote(const std::string& text) override { note = text; }
    bool runDialog(DialogId dialog) override {
        dialogsRun.push_back(dialog);
        const auto action = dialogActions.find(dialog);
        return action != dialogActions.end() && action->second();
    }
    void openHelp() override { ++helpOpened; }
    void quit(int exitCode) override { quitCode = exitCode; }

    // The messages shown since the last call, as "caption: text" lines.
    std::string takeShown() {
        std::string texts;
        for (const MessageRequest& m : messages) {
            texts += (texts.empty() ? "" : "\n") + m.caption + ": " + m.text;
        }
        messages.clear();
        return texts;
    }

    std::deque<MessageAnswer> answers;  // the scripts
    std::deque<FileDialogChoice> fileChoices;
    std::map<DialogId, std::function<bool()>> dialogActions;
    std::vector<MessageRequest> messages;  // what was asked
    std::vector<std::string> fileDialogs;  // "open", "save" or "save project", in order
    std::vector<DialogId> dialogsRun;
    std::string title, note;  // the last of each shown
    int repaints = 0, rectRepaints = 0, helpOpened = 0;
    bool scrollBarsEnabled = false, toolbarShown = true;
    DisplayMode displayShown = DisplayMode::TextPages;
    int quitCode = -1;  // -1: quit was not asked for

  private:
    FileDialogChoice nextChoice(const char* kind) {
        fileDialogs.push_back(kind);
        if (fileChoices.empty()) return {};
        FileDialogChoice choice = fileChoices.front();
        fileChoices.pop_front();
        return choice;
    }
};

}  // namespace rolvanta::testing
