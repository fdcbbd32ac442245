#pragma once
// The folders of real bookmark files under LINKFOLD_CORPUS_DIR. The tests that read them skip
// without them, saying so on a line of their own; with CI set in the environment (the
// continuous-integration machine), a missing folder fails the test instead.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

namespace linkfold::test {

// The corpus folder `name`, or an empty path when it is missing.
inline std::filesystem::path corpusFolder(const std::string& name) {
  const std::filesystem::path dir = std::filesystem::path(LINKFOLD_CORPUS_DIR) / name;
  if (std::filesystem::is_directory(dir)) return dir;
  const bool ci = std::getenv("CI") != nullptr;
  std::cerr << "*** " << (ci ? "FAILED" : "SKIPPED") << ": no bookmark corpus folder "
            << dir.string() << " ***" << std::endl;
  if (ci) ADD_FAILURE() << "the bookmark corpus folder is missing on the CI machine: " << dir;
  return {};
}

}  // namespace linkfold::test
