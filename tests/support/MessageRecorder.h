#pragma once
// Stands in for the message box in the window's tests: records each message and answers it
// from a queue; with nothing queued, a notice gets OK and a question No.

#include <deque>
#include <vector>

#include "platform/UiPort.h"

namespace linkfold::test {

struct MessageRecorder {
  Answer record(const Message& message) {
    messages.push_back(message);
    if (answers.empty()) return message.buttons == MessageButtons::Ok ? Answer::Ok : Answer::No;
    const Answer next = answers.front();
    answers.pop_front();
    return next;
  }
  std::vector<Message> messages;
  std::deque<Answer> answers;
};

}  // namespace linkfold::test
