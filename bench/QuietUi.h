#pragma once
// What every benchmark works on: a library with nobody in front of it.

#include <string>

#include "library/CLFDoc.h"
#include "platform/HeadlessUi.h"
#include "platform/Settings.h"

namespace linkfold::bench {

class QuietUi : public HeadlessUi {
 public:
  Answer showMessage(const Message& message) override {
    ++messages;
    return HeadlessUi::showMessage(message);
  }

  int messages = 0;  // a benchmark whose work shows a message has gone wrong
};

// A library document with nobody in front of it and settings kept in memory.
struct BenchLibrary {
  QuietUi ui;
  InMemorySettings settings;
  CLFDoc doc{ui, settings, std::string()};
};

}  // namespace linkfold::bench
