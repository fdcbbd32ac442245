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

}  // namespace
}  // namespace linkfold::test
