// Browser detection: registry files, the environment's strings, MSIE's Favorites folder and the
// choice of a Netscape 4.x profile.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <map>
#include <sstream>

#include "browsers/detection/BrowserDetector.h"
#include "browsers/detection/CProfileDlg.h"
#include "browsers/detection/EnvironmentExpansion.h"
#include "browsers/detection/ProfileChoice.h"
#include "browsers/detection/RegistryFile.h"
#include "browsers/detection/RegistryReads.h"
#include "browsers/detection/UsableFile.h"
#include "support/CaseFile.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

namespace linkfold::test {
namespace {

// A registry, a temporary directory and an environment for detection tests.
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

constexpr RegistryHive kUser = RegistryHive::CurrentUser;
constexpr const char* kVersion4 = "REGEDIT4\r\n\r\n";
// Registry value types by number.
const std::vector<std::string> kTypes = {"", "REG_SZ", "REG_EXPAND_SZ", "REG_BINARY", "REG_DWORD"};

// The forms, and the damage each refused file shows, in tests/data/registry-file-cases.txt.
TEST(RegistryFileTest, ReadsEverySyntaxAndNamesTheLineAndReasonOfDamage) {
  TempDir temp;
  std::filesystem::create_directory(temp.file("dir.reg"));
  for (const TestCase& c : readCases("registry-file-cases.txt")) {
    SCOPED_TRACE(c.what);
    const std::string unreadable = c["unreadable"];
    const std::string path = !c["seed"].empty()
                                 ? fuzzSeed("fuzz_registry_file", c["seed"])
                                 : temp.file(unreadable.empty() ? "in.reg" : unreadable);
    if (unreadable.empty()) temp.write("in.reg", c["file"]);
    FakeUi ui;
    const auto registry = loadRegistryFile(path, ui);
    if (c["damaged"] == "yes" || !unreadable.empty()) {
      ASSERT_EQ(ui.messages.size(), 1u);
      EXPECT_MESSAGE(
          ui, 0,
          (unreadable.empty() ? "The registry file\n" + path + "\nis damaged in " + c.what + "."
                              : "Could not read the registry file\n" + path) +
              "\nNo browsers will be detected.",
          Exclamation);
      EXPECT_FALSE(registry->hasKey(kUser, "K"));
      continue;
    }
    EXPECT_TRUE(ui.messages.empty());
    const RegistryHive hive = c["hive"] == "machine" ? RegistryHive::LocalMachine : kUser;
    if (c.fields.count("subkeys")) {
      std::istringstream names(c["subkeys"]);
      EXPECT_EQ(registry->subKeyNames(hive, c["key"]),
                std::vector<std::string>(std::istream_iterator<std::string>(names), {}));
    }
    const auto value = registry->queryValue(hive, c["key"], c["name"]);
    const std::string expected = c["value"];
    ASSERT_EQ(value.has_value(), !expected.empty());
    if (!value) continue;
    const std::size_t space = expected.find(' ');
    EXPECT_EQ(kTypes.at(value->type), expected.substr(0, space));
    EXPECT_EQ(value->data, expected.substr(space + 1));
  }
}

TEST(RegistryFileTest, OptionComesBeforeEnvironmentAndNeitherGivesAnEmptyRegistry) {
  TempDir temp;
  temp.write("option.reg", kVersion4 + std::string("[HKEY_CURRENT_USER\\FromOption]\n"));
  temp.write("environment.reg", kVersion4 + std::string("[HKEY_CURRENT_USER\\FromVariable]\n"));
  FakeUi ui;
  ::unsetenv("LINKFOLD_REGISTRY");
  EXPECT_TRUE(openRegistry(std::nullopt, ui)->subKeyNames(kUser, "")->empty());
  ::setenv("LINKFOLD_REGISTRY", temp.file("environment.reg").c_str(), 1);
  EXPECT_TRUE(openRegistry(std::nullopt, ui)->hasKey(kUser, "FromVariable"));
  const auto chosen = openRegistry(temp.file("option.reg"), ui);
  ::unsetenv("LINKFOLD_REGISTRY");
  EXPECT_TRUE(chosen->hasKey(kUser, "FromOption"));
  EXPECT_FALSE(chosen->hasKey(kUser, "FromVariable"));
  EXPECT_TRUE(ui.messages.empty());
}

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
          std::find(kTypes.begin(), kTypes.end(), line.substr(space + 1, value - space - 1));
      registry.setValue(RegistryHive::LocalMachine, key, "DirRoot",
                        {static_cast<std::uint32_t>(type - kTypes.begin()),
                         withTemp(line.substr(value + 1), temp.path())});
    }
    const std::string netscape3 = withTemp(c["netscape3"], temp.path());
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
