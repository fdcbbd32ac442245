#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "browsers/detection/RegistryFile.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

namespace linkfold {
namespace {

using test::FakeUi;
using test::TempDir;

constexpr const char* kVersion5 = "Windows Registry Editor Version 5.00\r\n\r\n";
constexpr const char* kVersion4 = "REGEDIT4\r\n\r\n";
constexpr RegistryHive kUser = RegistryHive::CurrentUser;

struct ValueCase {
  const char* label;
  std::string file;
  RegistryHive hive;
  const char* key;
  const char* name;
  std::optional<RegistryValue> expected;
};

RegistryValue text(const char* value) {
  return {kRegSz, value};
}

TEST(RegistryFileTest, ReadsEverySyntax) {
  const std::string key = "[HKEY_CURRENT_USER\\Software\\A]\r\n";
  const ValueCase cases[] = {
      {"text with escapes", kVersion5 + key + R"("P"="C:\\dir\\ \"q\" \n")", kUser, "Software\\A",
       "P", text(R"(C:\dir\ "q" \n)")},
      {"default value", kVersion5 + key + "@=\"d\"", kUser, "Software\\A", "", text("d")},
      {"key and value names ignore case", kVersion5 + key + "\"Path\"=\"x\"", kUser, "SOFTWARE\\a",
       "PATH", text("x")},
      {"UTF-8 text", kVersion5 + key + "\"u\"=\"\xC3\xA9\"", kUser, "Software\\A", "u",
       text("\xC3\xA9")},
      {"expandable text, UTF-16LE in version 5",
       kVersion5 + key + "\"e\"=hex(2):25,00,55,00,25,00,e9,00,00,00", kUser, "Software\\A", "e",
       RegistryValue{kRegExpandSz, "%U%\xC3\xA9"}},
      {"expandable text, bytes in REGEDIT4", kVersion4 + key + "\"e\"=hex(2):25,55,25,00", kUser,
       "Software\\A", "e", RegistryValue{kRegExpandSz, "%U%"}},
      {"dword", kVersion5 + key + "\"d\"=dword:0000010a", kUser, "Software\\A", "d",
       RegistryValue{kRegDword, std::string("\x0a\x01\0\0", 4)}},
      {"binary continued over lines", kVersion5 + key + "\"b\"=hex:01,\\\r\n  ff,\\\n  02", kUser,
       "Software\\A", "b", RegistryValue{kRegBinary, "\x01\xff\x02"}},
      {"comments and LF or CR line ends",
       std::string("REGEDIT4\n; note\n[HKEY_LOCAL_MACHINE\\S]\r; \"x\"=\"no\"\r\"x\"=\"yes\""),
       RegistryHive::LocalMachine, "S", "x", text("yes")},
      {"a later value replaces the earlier", kVersion5 + key + "\"v\"=\"1\"\r\n\"V\"=\"2\"", kUser,
       "Software\\A", "v", text("2")},
      {"deleted value", kVersion5 + key + "\"v\"=\"1\"\r\n\"v\"=-", kUser, "Software\\A", "v",
       std::nullopt},
      {"deleted key takes its sub-keys",
       kVersion5 + std::string("[HKEY_CURRENT_USER\\Software\\A\\B]\r\n\"v\"=\"1\"\r\n") +
           "[-HKEY_CURRENT_USER\\software\\a]\r\n\"v\"=\"2\"",
       kUser, "Software\\A\\B", "v", std::nullopt},
      {"other hives are read and left out",
       kVersion5 + std::string("[HKEY_CLASSES_ROOT\\.bml]\r\n@=\"x\"\r\n") + key + "\"v\"=\"1\"",
       kUser, "Software\\A", "v", text("1")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    InMemoryRegistry registry;
    const auto error = parseRegistryFile(c.file, registry);
    ASSERT_FALSE(error) << error->line << ": " << error->reason;
    const auto value = registry.queryValue(c.hive, c.key, c.name);
    ASSERT_EQ(value.has_value(), c.expected.has_value());
    if (!value) continue;
    EXPECT_EQ(value->type, c.expected->type);
    EXPECT_EQ(value->data, c.expected->data);
  }
}

TEST(RegistryFileTest, ReadsUtf16LeWithByteOrderMark) {
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
}

TEST(RegistryFileTest, EnumeratesSubKeysInFileOrderAfterDeletions) {
  std::string file = kVersion5;
  for (const char* name : {"c", "a", "b", "d"})
    file += "[HKEY_LOCAL_MACHINE\\U\\" + std::string(name) + "]\n";
  file += "[-HKEY_LOCAL_MACHINE\\U\\a]\n[-HKEY_LOCAL_MACHINE\\U\\b]\n[HKEY_LOCAL_MACHINE\\U\\A]\n";
  InMemoryRegistry registry;
  ASSERT_FALSE(parseRegistryFile(file, registry));
  EXPECT_EQ(registry.subKeyNames(RegistryHive::LocalMachine, "u"),
            (std::vector<std::string>{"c", "d", "A"}));
  EXPECT_FALSE(registry.hasKey(RegistryHive::LocalMachine, "U\\b"));
}

TEST(RegistryFileTest, DamagedFileIsOneMessageNamingFileAndLineAndGivesNoRegistry) {
  const std::string key = "[HKEY_CURRENT_USER\\K]\n\"ok\"=\"1\"\n";  // lines 3 and 4
  const struct {
    std::string file;
    const char* damage;
  } cases[] = {
      {"", "line 1: the file is empty"},
      {"Windows Registry Editor Version 4.00\n",
       "line 1: it does not begin with \"Windows "
       "Registry Editor Version 5.00\" or \"REGEDIT4\""},
      {kVersion4 + std::string("\"v\"=\"1\""), "line 3: a value comes before the first key"},
      {kVersion4 + key + "[HKEY_CURRENT_USER\\K", "line 5: the key name does not end in \"]\""},
      {kVersion4 + key + "[HKEY_NOWHERE\\K]", "line 5: \"HKEY_NOWHERE\" is not a root key"},
      {kVersion4 + key + "\"v=\"1\"", "line 5: \"=\" is missing after the value name"},
      {kVersion4 + key + "\"v\"=\"1", "line 5: the value's data cannot be read"},
      {kVersion4 + key + "\"v\"=\"1\" x", "line 5: the value's data cannot be read"},
      {kVersion4 + key + "\"v\"=dword:123456789", "line 5: the value's data cannot be read"},
      {kVersion4 + key + "\"v\"=hex:1g", "line 5: the value's data cannot be read"},
      {kVersion4 + key + "\"v\"=hex(2:00", "line 5: the value's data cannot be read"},
      {kVersion4 + key + "\"v\"=text", "line 5: the value's data cannot be read"},
      {kVersion4 + key + "\"b\"=hex:01,\\\n 02,\\\n 03\nstray",
       "line 8: the line is neither a "
       "key, a value nor a comment"},
  };
  TempDir temp;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.damage);
    temp.write("damaged.reg", c.file);
    FakeUi ui;
    const auto registry = loadRegistryFile(temp.file("damaged.reg"), ui);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_MESSAGE(ui, 0,
                   "The registry file\n" + temp.file("damaged.reg") + "\nis damaged in " +
                       c.damage + ".\nNo browsers will be detected.",
                   Exclamation);
    EXPECT_FALSE(registry->hasKey(kUser, "K"));
  }
}

TEST(RegistryFileTest, UnreadableFileIsOneMessage) {
  TempDir temp;
  std::filesystem::create_directory(temp.file("dir.reg"));
  for (const std::string& path : {temp.file("missing.reg"), temp.file("dir.reg")}) {
    FakeUi ui;
    const auto registry = loadRegistryFile(path, ui);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_MESSAGE(ui, 0,
                   "Could not read the registry file\n" + path + "\nNo browsers will be detected.",
                   Exclamation);
    EXPECT_FALSE(registry->subKeyNames(kUser, "")->size());
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
