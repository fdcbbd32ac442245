#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "DetectionFixture.h"
#include "browsers/detection/CProfileDlg.h"
#include "browsers/detection/ProfileChoice.h"
#include "browsers/detection/UsableFile.h"

namespace linkfold::test {
namespace {

constexpr RegistryHive kUser = RegistryHive::CurrentUser;

RegistryValue text(const std::string& value) {
  return {kRegSz, value};
}
RegistryValue expand(const std::string& value) {
  return {kRegExpandSz, value};
}

TEST_F(DetectionTest, UsableFileIsOneNobodyElseHolds) {
  temp.write("free.htm", "x");
  temp.write("held.htm", "x");
  makeDirectory("dir.htm");
  EXPECT_TRUE(profileFileIsUsable(temp.file("free.htm")));
  EXPECT_FALSE(profileFileIsUsable(temp.file("missing.htm")));
  EXPECT_FALSE(profileFileIsUsable(temp.file("dir.htm")));
  ASSERT_EQ(::mkfifo(temp.file("fifo.htm").c_str(), 0600), 0);
  EXPECT_FALSE(profileFileIsUsable(temp.file("fifo.htm")));  // and does not wait for a writer
  const int holder = ::open(temp.file("held.htm").c_str(), O_RDONLY);
  ASSERT_GE(holder, 0);
  ASSERT_EQ(::flock(holder, LOCK_SH), 0);
  EXPECT_FALSE(profileFileIsUsable(temp.file("held.htm")));
  ::close(holder);
  EXPECT_TRUE(profileFileIsUsable(temp.file("held.htm")));
}

// What the user does with the dialog, when it is shown.
struct DialogStep {
  std::vector<std::string> expectedList;
  int select = 0;
  bool switchOff = false;
};

struct ChoiceCase {
  const char* label;
  std::vector<std::pair<std::string, std::optional<RegistryValue>>> registered;  // $T: temp dir
  bool systemDrive = false;  // the fallback directories are there
  std::vector<const char*> messages;
  std::optional<DialogStep> dialog;
  std::string expectedName;  // empty: Netscape 4.x not present
  std::string expectedDirectory;
};

std::string withTemp(std::string text, const std::string& temp) {
  if (const auto at = text.find("$T"); at != std::string::npos) text.replace(at, 2, temp);
  return text;
}

TEST_F(DetectionTest, ProfileChoiceByListSize) {
  makeProfile("amy");
  makeProfile("bob");
  makeProfile("zed");
  makeDirectory("empty");
  makeProfile("c/Program Files/Netscape/Users/kim");
  makeProfile("c/Program Files/Netscape/Users/Jo");
  makeDirectory("c/Program Files/Netscape/Users/none");
  variables["P"] = temp.path();
  const std::string fallback = temp.file("c/Program Files/Netscape/Users/");
  const std::string longName(260, 'n');
  const RegistryValue noDword{kRegDword, std::string(4, '\0')};
  // clang-format off
  const ChoiceCase cases[] = {
      {"one registered usable profile is taken without a dialog",
       {{"amy", text("$T/amy")}}, false, {}, std::nullopt, "amy", "$T/amy/"},
      {"three registered, one usable: message, then the dialog",
       {{"amy", text("$T/empty")}, {"bob", text("$T/bob/")}, {"zed", text("$T/missing")}}, false,
       {kOnlyOneUsableProfile}, DialogStep{{"bob"}}, "bob", "$T/bob/"},
      {"two registered, none usable: message, no dialog",
       {{"amy", text("$T/empty")}, {"bob", text("$T/missing")}}, false,
       {kNoUsableProfile}, std::nullopt, "", ""},
      {"the list is sorted and the chosen entry taken",
       {{"zed", text("$T/zed")}, {"Amy", text("$T/amy")}, {"bob", expand("%P%/bob")}},
       false, {}, DialogStep{{"Amy", "bob", "zed"}, 1}, "bob", "$T/bob/"},
      {"the switch-off box",
       {{"amy", text("$T/amy")}, {"bob", text("$T/bob")}}, false,
       {}, DialogStep{{"amy", "bob"}, 0, true}, "", ""},
      {"no readable DirRoot: the fallback scan",
       {{"amy", std::nullopt}, {"bob", noDword}, {"zed", expand("%UNSET_EMPTY%")}}, true,
       {}, DialogStep{{"Jo", "kim"}, 1}, "kim", fallback + "kim/"},
      {"no readable DirRoot and no system drive: nothing",
       {{"amy", std::nullopt}}, false, {kNoUsableProfile}, std::nullopt, "", ""},
      {"a DirRoot over 260 bytes does not count",
       {{"amy", text("$T/amy/" + std::string(260, '/'))}, {"bob", text("$T/bob")}}, false,
       {}, std::nullopt, "bob", "$T/bob/"},
      {"a sub-key name over 259 characters ends the enumeration",
       {{"amy", text("$T/amy")}, {longName, text("$T/bob")}, {"zed", text("$T/zed")}}, false,
       {}, std::nullopt, "amy", "$T/amy/"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    registry = InMemoryRegistry();
    registry.createKey(RegistryHive::LocalMachine, kNetscape4UsersKey);
    for (const auto& [name, dirRoot] : c.registered) {
      registry.createKey(RegistryHive::LocalMachine, std::string(kNetscape4UsersKey) + "\\" + name);
      if (dirRoot) registerProfile(name, {dirRoot->type, withTemp(dirRoot->data, temp.path())});
    }
    systemDrive = c.systemDrive ? temp.file("c") : "";
    variables["UNSET_EMPTY"] = "";
    if (c.dialog)
      ui.onDialog<CProfileDlg>([&step = *c.dialog](CProfileDlg& dialog) {
        EXPECT_EQ(dialog.profiles, step.expectedList);
        EXPECT_EQ(dialog.selected, 0);
        dialog.selected = step.select;
        dialog.disableNetscape4 = step.switchOff;
        return true;
      });
    ui.messages.clear();
    const int dialogsBefore = ui.dialogsShown;
    const BrowserDetection found = detect();
    EXPECT_EQ(ui.dialogsShown - dialogsBefore, c.dialog ? 1 : 0);
    ASSERT_EQ(ui.messages.size(), c.messages.size());
    for (std::size_t i = 0; i < c.messages.size(); ++i)
      EXPECT_MESSAGE(ui, i, c.messages[i], Information);
    EXPECT_EQ(found.netscape4Present, !c.expectedName.empty());
    EXPECT_EQ(found.netscape4ProfileName, c.expectedName);
    EXPECT_EQ(
        found.netscape4File,
        c.expectedName.empty() ? "" : withTemp(c.expectedDirectory, temp.path()) + "BOOKMARK.HTM");
  }
}

TEST_F(DetectionTest, WithoutTheUsersKeyNothingIsScannedOrSaid) {
  systemDrive = temp.file("c");
  makeProfile("c/Program Files/Netscape/Users/kim");
  EXPECT_FALSE(detect().anyBrowser());
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DetectionTest, SharedFileTurnsNetscape3Off) {
  const std::string profile = makeProfile("Amy");
  registerProfile("amy", text(profile));
  registerProfile("bob", text(makeProfile("bob")));
  registry.setString(kUser, kNetscape3BookmarkListKey, "File Location",
                     temp.file("AMY/bookmark.htm"));
  const struct {
    bool switchOff;
    bool netscape3;
    const char* name;
  } cases[] = {{false, false, "amy [shared]"}, {true, true, ""}};
  for (const auto& c : cases) {
    ui.onDialog<CProfileDlg>([&c](CProfileDlg& dialog) {
      dialog.disableNetscape4 = c.switchOff;
      return true;
    });
    const BrowserDetection found = detect();
    EXPECT_EQ(found.netscape3Present, c.netscape3);
    EXPECT_EQ(found.netscape3File, temp.file("AMY/bookmark.htm"));
    EXPECT_EQ(found.netscape4ProfileName, c.name);
  }
}

TEST_F(DetectionTest, DialogLeftWithoutOkLeavesNetscape4Off) {
  registerProfile("amy", text(makeProfile("amy")));
  registerProfile("bob", text(makeProfile("bob")));
  ui.onDialog<CProfileDlg>([this](CProfileDlg& dialog) {
    dialog.help(ui);
    return false;
  });
  const BrowserDetection found = detect();
  EXPECT_FALSE(found.netscape4Present);
  EXPECT_TRUE(found.netscape4File.empty());
  EXPECT_EQ(ui.helpTopics, std::vector<std::uint32_t>{0x2008D});
}

}  // namespace
}  // namespace linkfold::test
