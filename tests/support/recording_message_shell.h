#pragma once

// A message shell for tests: records every box it is asked to show and
// answers with the next scripted answer (Ok when none is left).

#include <deque>
#include <vector>

#include "dialogs/message_shell.h"

namespace rolvanta::testing {

class RecordingMessageShell : public MessageShell {
  public:
    MessageAnswer showMessage(const MessageRequest& request) override {
        shown.push_back(request);
        if (answers.empty()) return MessageAnswer::Ok;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<MessageRequest> shown;
    std::deque<MessageAnswer> answers;
};

}  // namespace rolvanta::testing
