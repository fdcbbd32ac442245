// The command line and "/uninstall".
#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "app/Uninstall.h"
#include "support/CaseFile.h"
#include "support/FakeUi.h"

namespace linkfold::test {
namespace {

TEST(CommandLine, FindsTheSwitchTheFileAndTheRegistry) {
  // A field the case does not set.
  const auto optional = [](const TestCase& c, const char* key) {
    return c.fields.count(key) ? std::optional(c[key]) : std::nullopt;
  };
  for (const TestCase& c : readCases("command-line-cases.txt")) {
    const StartupRequest request = parseCommandLine(c.lines("arguments"));
    SCOPED_TRACE(c.what);
    EXPECT_EQ(request.uninstall, c["uninstall"] == "1");
    EXPECT_EQ(request.file, optional(c, "file"));
    EXPECT_EQ(request.registryFile, optional(c, "registry"));
    EXPECT_EQ(request.error, c["error"]);
    EXPECT_EQ(request.home, optional(c, "home"));
  }
  EXPECT_STREQ(informationRequest(std::vector<std::string>{"a.bml", "--help"}), kUsage);
  EXPECT_STREQ(informationRequest(std::vector<std::string>{"--version", "a.bml"}), kVersion);
  EXPECT_EQ(informationRequest(std::vector<std::string>{"--", "--help"}), nullptr);
}

TEST(Uninstall, YesRemovesInOrderAndSaysSoNoGoesOn) {
  for (const bool yes : {true, false}) {
    FakeUi ui;
    std::string removed;
    ui.answer(yes ? Answer::Yes : Answer::No);
    EXPECT_EQ(runUninstall(ui, {[&] { removed += "settings "; }, [&] { removed += "entry "; },
                                [&] { removed += "MIME"; }}),
              yes);
    ASSERT_EQ(ui.messages.size(), yes ? 2u : 1u);
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(ui.messages.back().icon, yes ? MessageIcon::Information : MessageIcon::Question);
    EXPECT_EQ(removed, yes ? "settings entry MIME" : "");
  }
}

}  // namespace
}  // namespace linkfold::test
