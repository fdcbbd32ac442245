#include <gtest/gtest.h>

#include "DetectionFixture.h"
#include "browsers/detection/EnvironmentExpansion.h"
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

TEST_F(DetectionTest, FavoritesFolder) {
  const std::string favorites = makeDirectory("Favorites");
  temp.write("file", "");
  variables["HOMEDIR"] = temp.path();
  variables["LONGDIR"] = temp.path() + "/" + std::string(240, 'x');
  // 259 bytes and the null fill the value buffer exactly; one more does not fit.
  const std::string longest = makeDirectory(std::string(258 - temp.path().size(), 'x'));
  const std::string tooLong = longest + "y";
  const struct {
    const char* label;
    std::optional<RegistryValue> userShellFolders, shellFolders;
    bool shortcutObject;
    std::string expectedPath;  // empty: MSIE not present
  } cases[] = {
      // clang-format off
      {"only under Shell Folders", {}, sz(favorites), true, favorites + "/"},
      {"User Shell Folders names no directory; Shell Folders is not asked",
       sz(temp.file("missing")), sz(favorites), true, ""},
      {"expandable value", RegistryValue{kRegExpandSz, "%HOMEDIR%/Favorites"}, {}, true, favorites + "/"},
      {"trailing separator kept", sz(favorites + "/"), {}, true, favorites + "/"},
      {"a file", sz(temp.file("file")), {}, true, ""},
      {"no shortcut object", sz(favorites), {}, false, ""},
      {"a value of 260 bytes with its null", sz(longest), {}, true, longest + "/"},
      {"a value over 260 bytes cannot be read", sz(tooLong), sz(favorites), true, favorites + "/"},
      {"an expansion over 260 characters names nothing", RegistryValue{kRegExpandSz, "%LONGDIR%"},
       sz(favorites), true, ""},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    registry = InMemoryRegistry();
    if (c.userShellFolders)
      registry.setValue(kUser, kUserShellFoldersKey, "Favorites", *c.userShellFolders);
    if (c.shellFolders) registry.setValue(kUser, kShellFoldersKey, "Favorites", *c.shellFolders);
    shortcutObject = c.shortcutObject;
    const BrowserDetection found = detect();
    EXPECT_EQ(found.msiePresent, !c.expectedPath.empty());
    EXPECT_EQ(found.favoritesPath, c.expectedPath);
    EXPECT_EQ(found.favoritesPathLength(), c.expectedPath.size());
  }
}

TEST_F(DetectionTest, Netscape3FileIsNotTested) {
  variables["NS"] = "/nowhere";
  registry.setExpandString(kUser, kNetscape3BookmarkListKey, "File Location", "%NS%/bm.htm");
  const BrowserDetection found = detect();
  EXPECT_TRUE(found.netscape3Present);
  EXPECT_EQ(found.netscape3File, "/nowhere/bm.htm");
  EXPECT_FALSE(found.msiePresent || found.netscape4Present);
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace linkfold::test
