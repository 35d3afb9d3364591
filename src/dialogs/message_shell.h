#pragma once

// The part of the desktop program's shell that shows message boxes: a modal
// box with a fixed text and caption. The main window and the open dialog
// show real boxes; tests record what was shown and script the answers.

#include <string>

namespace rolvanta {

enum class MessageButtons { Ok, YesNoCancel };
enum class MessageIcon { None, Warning, Error, Question };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// Whose box it is: the main window's, the open dialog's, or nobody's.
enum class MessageOwner { None, MainWindow, Dialog };

struct MessageRequest {
    std::string text;     // UTF-8
    std::string caption;  // UTF-8
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    MessageOwner owner = MessageOwner::MainWindow;
};

class MessageShell {
  public:
    virtual ~MessageShell() = default;

    // Shows the box and waits for the answer (Ok for an OK box).
    virtual MessageAnswer showMessage(const MessageRequest& request) = 0;
};

}  // namespace rolvanta
