// Browser detection: the environment's strings, MSIE's Favorites folder and the choice of a
// Netscape 4.x profile.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <iterator>
#include <sstream>

#include "DetectionFixture.h"
#include "browsers/detection/CProfileDlg.h"
#include "browsers/detection/EnvironmentExpansion.h"
#include "browsers/detection/ProfileChoice.h"
#include "browsers/detection/UsableFile.h"
#include "support/CaseFile.h"

namespace linkfold::test {
namespace {

constexpr RegistryHive kUser = RegistryHive::CurrentUser;

// The texts are in tests/data/environment-expansion-cases.txt.
TEST(EnvironmentExpansionTest, ExpandsKnownNamesWithinTheBound) {
  const VariableLookup variable = [](const std::string& name) -> std::optional<std::string> {
    if (name == "A") return "x";
    if (name == "LONG") return std::string(258, 'l');
    return std::nullopt;
  };
  for (const TestCase& c : readCases("environment-expansion-cases.txt")) {
    const auto expected = c.fields.count("expanded") ? std::optional(c["expanded"]) : std::nullopt;
    EXPECT_EQ(expandEnvironmentStrings(c["text"], variable), expected) << c.what;
  }
}

// The cases are in tests/data/favorites-folder-cases.txt.
TEST_F(DetectionTest, FavoritesFolder) {
  makeDirectory("Favorites");
  temp.write("file", "");
  variables["HOMEDIR"] = temp.path();
  variables["LONGDIR"] = temp.path() + "/" + std::string(240, 'x');
  const std::string longest = makeDirectory(std::string(258 - temp.path().size(), 'x'));
  const auto value = [&](const std::string& typeAndText) {
    const std::size_t space = typeAndText.find(' ');
    std::string text = typeAndText.substr(space + 1);
    if (text.starts_with("$T")) text.replace(0, 2, temp.path());
    if (text.starts_with("$LONGEST")) text.replace(0, 8, longest);
    return RegistryValue{typeAndText.starts_with("REG_SZ") ? kRegSz : kRegExpandSz, text};
  };
  for (const TestCase& c : readCases("favorites-folder-cases.txt")) {
    SCOPED_TRACE(c.what);
    registry = InMemoryRegistry();
    if (!c["user"].empty())
      registry.setValue(kUser, kUserShellFoldersKey, "Favorites", value(c["user"]));
    if (!c["shell"].empty())
      registry.setValue(kUser, kShellFoldersKey, "Favorites", value(c["shell"]));
    shortcutObject = c["shortcut"] != "no";
    const std::string expected = c["found"].empty() ? "" : value("REG_SZ " + c["found"]).data;
    const BrowserDetection found = detect();
    EXPECT_EQ(found.msiePresent, !expected.empty());
    EXPECT_EQ(found.favoritesPath, expected);
    EXPECT_EQ(found.favoritesPathLength(), expected.size());
  }
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

std::string withTemp(std::string text, const std::string& temp) {
  if (const auto at = text.find("$T"); at != std::string::npos) text.replace(at, 2, temp);
  return text;
}

// The cases are in tests/data/profile-choice-cases.txt.
TEST_F(DetectionTest, ProfileChoiceByListSize) {
  for (const char* profile : {"amy", "bob", "zed", "c/Program Files/Netscape/Users/kim",
                              "c/Program Files/Netscape/Users/Jo"})
    temp.write(profile + std::string("/BOOKMARK.HTM"), "<TITLE>Bookmarks</TITLE>\n");
  makeDirectory("empty");
  makeDirectory("c/Program Files/Netscape/Users/none");
  variables["P"] = temp.path();
  variables["UNSET_EMPTY"] = "";
  const std::vector<std::string> types = {"", "REG_SZ", "REG_EXPAND_SZ", "REG_BINARY", "REG_DWORD"};
  for (const TestCase& c : readCases("profile-choice-cases.txt")) {
    SCOPED_TRACE(c.what);
    registry = InMemoryRegistry();
    if (c["no-users-key"].empty())
      registry.createKey(RegistryHive::LocalMachine, kNetscape4UsersKey);
    for (const std::string& line : c.lines("registered")) {  // name [type value]
      const std::size_t space = line.find(' '), value = line.find(' ', space + 1);
      const std::string key = std::string(kNetscape4UsersKey) + "\\" + line.substr(0, space);
      registry.createKey(RegistryHive::LocalMachine, key);
      if (space == std::string::npos) continue;
      const auto type =
          std::find(types.begin(), types.end(), line.substr(space + 1, value - space - 1));
      registry.setValue(RegistryHive::LocalMachine, key, "DirRoot",
                        {static_cast<std::uint32_t>(type - types.begin()),
                         withTemp(line.substr(value + 1), temp.path())});
    }
    const std::string netscape3 =
        c["netscape3"].empty() ? "" : withTemp(c["netscape3"], temp.path());
    if (!netscape3.empty())  // stored with the variable P for the temporary directory
      registry.setExpandString(kUser, kNetscape3BookmarkListKey, "File Location",
                               "%P%" + c["netscape3"].substr(2));
    systemDrive = c["system-drive"] == "yes" ? temp.file("c") : "";
    const std::string dialog = c["dialog"];  // the list[, pick N][, off][, help, cancel]
    if (!dialog.empty())
      ui.onDialog<CProfileDlg>([&dialog, this](CProfileDlg& shown) {
        std::istringstream names(dialog.substr(0, dialog.find(',')));
        EXPECT_EQ(shown.profiles,
                  std::vector<std::string>(std::istream_iterator<std::string>(names), {}));
        EXPECT_EQ(shown.selected, 0);
        if (const auto pick = dialog.find(", pick "); pick != std::string::npos)
          shown.selected = dialog[pick + 7] - '0';
        shown.disableNetscape4 = dialog.ends_with(", off");
        if (dialog.ends_with(", cancel")) shown.help(ui);
        return !dialog.ends_with(", cancel");
      });
    ui.messages.clear();
    const int dialogsBefore = ui.dialogsShown;
    const BrowserDetection found = detect();
    EXPECT_EQ(ui.dialogsShown - dialogsBefore, dialog.empty() ? 0 : 1);
    ASSERT_EQ(ui.messages.size(), c["message"].empty() ? 0u : 1u);
    if (!ui.messages.empty())
      EXPECT_MESSAGE(ui, 0, c["message"] == "none" ? kNoUsableProfile : kOnlyOneUsableProfile,
                     Information);
    EXPECT_EQ(found.netscape3Present, c["netscape3-kept"] == "yes");
    EXPECT_EQ(found.netscape3File, netscape3);
    EXPECT_EQ(found.netscape4Present, !c["profile"].empty());
    EXPECT_EQ(found.netscape4ProfileName, c["profile"]);
    EXPECT_EQ(found.netscape4File,
              c["profile"].empty() ? "" : withTemp(c["directory"], temp.path()) + "BOOKMARK.HTM");
  }
  EXPECT_EQ(ui.helpTopics.size(), 1u);  // from the dialog left without OK
}

}  // namespace
}  // namespace linkfold::test
