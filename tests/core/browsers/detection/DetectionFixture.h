#pragma once
// A registry, a temporary directory and an environment for detection tests.

#include <filesystem>
#include <map>

#include "browsers/detection/BrowserDetector.h"
#include "browsers/detection/RegistryReads.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

namespace linkfold::test {

class DetectionTest : public ::testing::Test {
 protected:
  BrowserDetection detect() {
    const auto variable = [this](const std::string& name) {
      const auto it = variables.find(name);
      return it == variables.end() ? std::nullopt : std::optional(it->second);
    };
    DetectionEnvironment environment{variable, systemDrive, [this] { return shortcutObject; }};
    return Detect_Browsers(registry, ui, environment);
  }

  // A directory under the temporary directory, made with its parents.
  std::string makeDirectory(const std::string& relative) {
    const std::string path = temp.file(relative);
    std::filesystem::create_directories(path);
    return path;
  }

  TempDir temp;
  InMemoryRegistry registry;
  FakeUi ui;
  std::map<std::string, std::string> variables;
  std::string systemDrive;
  bool shortcutObject = true;
};

}  // namespace linkfold::test
