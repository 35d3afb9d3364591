#pragma once

// The part of the program's shell that shows message boxes. Operations that
// meet a failure or have a notice for the user show it here, in a modal box
// with a fixed text and caption. The desktop program shows a real message
// box; the command-line tool prints "Caption: text" to standard error; tests
// record what was shown and script the answers.

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
