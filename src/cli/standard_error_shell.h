#pragma once

// The command-line tool's message boxes: "Caption: text" on standard error.
// Nobody is there to answer a question, so a question is cancelled.

#include <iostream>

#include "storage/message_shell.h"

namespace rolvanta::cli {

class StandardErrorShell : public MessageShell {
  public:
    explicit StandardErrorShell(std::ostream& out = std::cerr) : out_(out) {}

    MessageAnswer showMessage(const MessageRequest& request) override {
        out_ << request.caption << ": " << request.text << '\n';
        return request.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }

  private:
    std::ostream& out_;
};

}  // namespace rolvanta::cli
