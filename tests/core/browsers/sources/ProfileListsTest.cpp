// The browsers' own lists of profiles: Firefox's profiles.ini and Chromium's Local State, in the
// forms of tests/data/firefox-profiles-ini-cases.txt and chromium-local-state-cases.txt.

#include <gtest/gtest.h>

#include "browsers/sources/ChromiumLocalState.h"
#include "browsers/sources/FirefoxProfilesIni.h"
#include "support/CaseFile.h"

namespace linkfold::test {
namespace {

TEST(FirefoxProfilesIni, ReadsEachForm) {
  for (const TestCase& c : readCases("firefox-profiles-ini-cases.txt")) {
    std::string text;
    for (const auto& p : parseProfilesIni(c["ini"], "/r"))
      text += (text.empty() ? "" : " ") + p.name + "=" + p.folder + (p.startsWith ? "*" : "");
    EXPECT_EQ(text, c["profiles"]) << c.what;
  }
}

TEST(ChromiumLocalState, ReadsWhatItCanAndRefusesTheRest) {
  for (const TestCase& c : readCases("chromium-local-state-cases.txt")) {
    const ChromiumLocalState state = parseLocalState(c["json"]);
    std::string text;
    for (const auto& p : state.profiles) text += p.folder + "=" + p.name + " ";
    EXPECT_EQ(text + (state.listed ? "listed " : "") + "last:" + state.lastUsed, c["profiles"])
        << c.what;
  }
}

}  // namespace
}  // namespace linkfold::test
