#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <sstream>

#include "browsers/detection/RegistryFile.h"
#include "support/CaseFile.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

namespace linkfold {
namespace {

using test::FakeUi;
using test::TempDir;

constexpr const char* kVersion4 = "REGEDIT4\r\n\r\n";
constexpr RegistryHive kUser = RegistryHive::CurrentUser;

// The forms, and the damage each refused file shows, in tests/data/registry-file-cases.txt.
TEST(RegistryFileTest, ReadsEverySyntaxAndNamesTheLineAndReasonOfDamage) {
  const std::vector<std::string> types = {"", "REG_SZ", "REG_EXPAND_SZ", "REG_BINARY", "REG_DWORD"};
  TempDir temp;
  std::filesystem::create_directory(temp.file("dir.reg"));
  for (const test::TestCase& c : test::readCases("registry-file-cases.txt")) {
    SCOPED_TRACE(c.what);
    const std::string unreadable = c["unreadable"];
    const std::string path = !c["seed"].empty()
                                 ? test::fuzzSeed("fuzz_registry_file", c["seed"])
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
    EXPECT_EQ(types.at(value->type), expected.substr(0, space));
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

}  // namespace
}  // namespace linkfold
