#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "browsers/detection/RegistryFile.h"
#include "support/CaseFile.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

namespace linkfold {
namespace {

using test::FakeUi;
using test::TempDir;

constexpr const char* kVersion5 = "Windows Registry Editor Version 5.00\r\n\r\n";
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
    const std::string path = temp.file(unreadable.empty() ? "in.reg" : unreadable);
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
    const auto value = registry->queryValue(
        c["hive"] == "machine" ? RegistryHive::LocalMachine : kUser, c["key"], c["name"]);
    const std::string expected = c["value"];
    ASSERT_EQ(value.has_value(), !expected.empty());
    if (!value) continue;
    const std::size_t space = expected.find(' ');
    EXPECT_EQ(types.at(value->type), expected.substr(0, space));
    EXPECT_EQ(value->data, expected.substr(space + 1));
  }
}

TEST(RegistryFileTest, ReadsUtf16LeAndEnumeratesSubKeysInFileOrder) {
  const std::u16string text =
      u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\K\\Sub]\r\n"
      u"\"n\"=\"\u00e9\U0001F600\"\r\n";
  std::string bytes = "\xFF\xFE";
  for (const char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  InMemoryRegistry registry;
  ASSERT_FALSE(parseRegistryFile(bytes, registry));
  EXPECT_EQ(registry.queryValue(kUser, "K\\Sub", "n")->data, "\xC3\xA9\xF0\x9F\x98\x80");
  EXPECT_EQ(registry.subKeyNames(kUser, "K"), std::vector<std::string>{"Sub"});

  // Sub-keys are enumerated in file order, deleted ones left out.
  std::string file = kVersion5;
  for (const char* name : {"c", "a", "b", "d"})
    file += "[HKEY_LOCAL_MACHINE\\U\\" + std::string(name) + "]\n";
  file += "[-HKEY_LOCAL_MACHINE\\U\\a]\n[-HKEY_LOCAL_MACHINE\\U\\b]\n[HKEY_LOCAL_MACHINE\\U\\A]\n";
  ASSERT_FALSE(parseRegistryFile(file, registry));
  EXPECT_EQ(registry.subKeyNames(RegistryHive::LocalMachine, "u"),
            (std::vector<std::string>{"c", "d", "A"}));
  EXPECT_FALSE(registry.hasKey(RegistryHive::LocalMachine, "U\\b"));
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
