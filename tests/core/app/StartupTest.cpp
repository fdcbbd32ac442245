// The command line, "/uninstall", and the desktop entry and MIME type written at start.
#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "app/ShellRegistration.h"
#include "app/Uninstall.h"
#include "support/CaseFile.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

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
  for (const Answer answer : {Answer::Yes, Answer::No}) {
    FakeUi ui;
    std::vector<std::string> removed;
    ui.answer(answer);
    const bool ended = runUninstall(
        ui, {[&] { removed.push_back("settings"); }, [&] { removed.push_back("desktop entry"); },
             [&] { removed.push_back("MIME type"); }});
    EXPECT_EQ(ended, answer == Answer::Yes);
    ASSERT_EQ(ui.messages.size(), answer == Answer::Yes ? 2u : 1u);
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(ui.messages.back().icon,
              answer == Answer::Yes ? MessageIcon::Information : MessageIcon::Question);
    const std::vector<std::string> inOrder{"settings", "desktop entry", "MIME type"};
    EXPECT_EQ(removed, answer == Answer::Yes ? inOrder : std::vector<std::string>{});
  }
}

TEST(ShellRegistration, ExecQuotesTheProgramPathSoOnlyItRuns) {
  for (const TestCase& c : readCases("desktop-entry-exec-cases.txt")) {
    const std::string entry = desktopEntryText(c["path"]);
    EXPECT_NE(entry.find("\n" + c["exec"] + "\n"), std::string::npos) << c.what << entry;
    EXPECT_EQ(entry.find("\nExec=", entry.find("Exec=") + 1), std::string::npos) << c.what;
  }
}

TEST(ShellRegistration, FailsWhereTheDataDirectoryCannotBeWritten) {
  TempDir data;
  data.write("applications", "a file where the folder should be");
  EXPECT_TRUE(writeShellRegistration(data.path(), "/usr/bin/linkfold", "<svg/>").failed);
}

}  // namespace
}  // namespace linkfold::test
