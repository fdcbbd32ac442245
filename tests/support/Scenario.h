#pragma once
// Scenarios kept in case files under tests/data: each case's steps, one a line, drive the code
// under test or check it. Blank lines and lines starting with # (saying why) are no steps.

#include <gtest/gtest.h>

#include <algorithm>
#include <exception>
#include <sstream>
#include <string>
#include <vector>

#include "support/CaseFile.h"

namespace linkfold::test {

// Plays each step of the case's `field` through `play`, which tells whether the step checked
// something; a failure, or an exception, names the case and the step. Fails when the field is
// missing or no step of it checks anything.
template <class Play>
void playSteps(const TestCase& c, const std::string& field, Play&& play, bool mustCheck = true) {
  const auto steps = c.fields.find(field);
  if (steps == c.fields.end()) {
    ADD_FAILURE() << c.what << " has no " << field;
    return;
  }
  bool checked = false;
  std::istringstream lines(steps->second);
  int number = 0;
  for (std::string line; std::getline(lines, line);) {
    ++number;
    if (line.empty() || line.starts_with("#")) continue;
    SCOPED_TRACE(c.what + ", step " + std::to_string(number) + ": " + line);
    try {
      if (play(line)) checked = true;
    } catch (const std::exception& e) {
      ADD_FAILURE() << "the step threw " << e.what();
    }
  }
  EXPECT_TRUE(checked || !mustCheck) << c.what << " checks nothing";
}

// What a step that acts yields when the action failed.
inline std::string okay(bool ok) {
  return ok ? "ok" : "fail";
}

// Plays every case of tests/data/<file> on a fresh Scenario, built from the case. A step is words
// separated by spaces, each decoded as a case file's values are, that Scenario::run turns into a
// result ("unknown step" for a verb it does not know). A step followed by " => EXPECTED" checks
// the result against EXPECTED (with withErrorTexts), or against the case's field KEY for
// " => @KEY"; a step without it only must not fail.
template <class Scenario>
void runScenarios(const std::string& file) {
  for (const TestCase& c : readCases(file)) {
    Scenario scenario(c);
    playSteps(c, "steps", [&](const std::string& line) {
      const std::size_t arrow = line.find(" =>");
      std::istringstream words(line.substr(0, arrow));
      std::vector<std::string> args;
      for (std::string word; words >> word;) args.push_back(decodeCaseValue(word));
      const std::string result = scenario.run(args);
      EXPECT_NE(result, "unknown step");
      if (arrow == std::string::npos) {
        EXPECT_NE(result, okay(false));
        return false;
      }
      const std::string expected = line.substr(std::min(arrow + 4, line.size()));
      const std::string key = expected.starts_with("@") ? expected.substr(1) : "";
      EXPECT_TRUE(key.empty() || c.fields.count(key)) << "no field " << key;
      EXPECT_EQ(result, withErrorTexts(key.empty() ? decodeCaseValue(expected) : c[key]));
      return true;
    });
  }
}

}  // namespace linkfold::test
