#pragma once
// The command-line tool's UI port: messages go to standard error with their icon; questions
// are answered No, dialogs are cancelled, and nothing is opened on the desktop.

#include <ostream>

#include "platform/HeadlessUi.h"

namespace linkfold::cli {

class ConsoleUi : public HeadlessUi {
 public:
  explicit ConsoleUi(std::ostream& err) : err_(err) {}

  Answer showMessage(const Message& message) override;

 private:
  std::ostream& err_;
};

}  // namespace linkfold::cli
