// The per-user desktop files: the entry's Exec line, which program it names where Linkfold is
// installed, which caches a start or a removal refreshes, and the MIME magic against a library.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/ShellRegistration.h"
#include "library/CLFDoc.h"
#include "platform/Settings.h"
#include "support/CaseFile.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

namespace linkfold::test {
namespace {

namespace fs = std::filesystem;

// A prefix with an installed entry and, when asked, an executable bin/linkfold.
std::string makePrefix(const TempDir& root, const std::string& name, bool program, bool entry) {
  const fs::path prefix = fs::path(root.path()) / name;
  fs::create_directories(prefix / "share/applications");
  if (entry)
    root.write(name + "/share/" + std::string(shell::kDesktopEntryFile), "[Desktop Entry]\n");
  if (program) {
    root.write(name + "/bin/linkfold", "#!/bin/sh\n");
    fs::permissions(prefix / "bin/linkfold", fs::perms::owner_exec, fs::perm_options::add);
  }
  return (prefix / "share").string();
}

TEST(ShellRegistration, AnInstalledProgramIsWhatTheEntryStarts) {
  TempDir root;
  const std::string running = "/home/a/src/linkfold/build/release/src/gui/linkfold";
  const std::string installed = makePrefix(root, "usr", true, true);
  const std::string entryOnly = makePrefix(root, "stale", false, true);
  const std::string programOnly = makePrefix(root, "other", true, false);
  const struct {
    std::vector<std::string> directories;
    std::string expected;
  } cases[] = {
      {{}, running},
      {{entryOnly, programOnly}, running},  // neither is an installation
      {{entryOnly, installed + "/"}, root.path() + "/usr/bin/linkfold"},
      {{"", installed}, root.path() + "/usr/bin/linkfold"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(desktopEntryProgram(running, c.directories), c.expected) << c.directories.size();
}

TEST(ShellRegistration, CachesAreRefreshedOnlyForWhatChanged) {
  TempDir data;
  using Commands = std::vector<std::vector<std::string>>;
  const auto commandsAfter = [&data](const ShellChanges& changes) {
    EXPECT_FALSE(changes.failed);
    Commands names;
    for (const auto& command : cacheUpdateCommands(changes, data.path()))
      names.push_back({command[0], fs::path(command[1]).filename().string()});
    return names;
  };
  const Commands both = {{"update-desktop-database", "applications"},
                         {"update-mime-database", "mime"}};
  EXPECT_EQ(commandsAfter(writeShellRegistration(data.path(), "/a/linkfold", "<svg/>")), both);
  const auto file = [&data](std::string_view name) { return data.read(std::string(name)); };
  EXPECT_EQ(file(shell::kIconFile), "<svg/>");
  for (const char* part : {"type=\"application/x-linkfold-library\"", "<glob pattern=\"*.bml\"/>"})
    EXPECT_NE(file(shell::kMimePackageFile).find(part), std::string::npos) << part;
  EXPECT_NE(file(shell::kDesktopEntryFile).find("MimeType=application/x-linkfold-library;\n"),
            std::string::npos);
  EXPECT_EQ(commandsAfter(writeShellRegistration(data.path(), "/a/linkfold", "<svg/>")),
            Commands{});
  EXPECT_EQ(commandsAfter(writeShellRegistration(data.path(), "/b/linkfold", "<svg/>")),
            (Commands{{"update-desktop-database", "applications"}}));
  EXPECT_NE(file(shell::kDesktopEntryFile).find("\"/b/linkfold\""), std::string::npos);
  EXPECT_EQ(commandsAfter(writeShellRegistration(data.path(), "/b/linkfold", "<svg2/>")),
            (Commands{{"update-desktop-database", "applications"}}));

  const auto exists = [&data](std::string_view name) {
    return fs::exists(data.file(std::string(name)));
  };
  ShellChanges removed = removeDesktopEntry(data.path());
  EXPECT_TRUE(!exists(shell::kDesktopEntryFile) && !exists(shell::kIconFile) &&
              exists(shell::kMimePackageFile));
  removed |= removeMimeType(data.path());
  EXPECT_FALSE(exists(shell::kMimePackageFile));
  EXPECT_EQ(commandsAfter(removed), both);
  removed = removeDesktopEntry(data.path());
  removed |= removeMimeType(data.path());
  EXPECT_EQ(commandsAfter(removed), Commands{});
  // A file where a folder should be: the registration fails.
  fs::remove_all(data.file("applications"));
  data.write("applications", "not a folder");
  EXPECT_TRUE(writeShellRegistration(data.path(), "/a/linkfold", "<svg/>").failed);
}

// The "\xHH" escapes of the magic rule's value, as shared-mime-info reads them.
std::string magicBytes(const std::string& mime) {
  const auto start = mime.find("value=\"") + 7;
  const std::string value = mime.substr(start, mime.find('"', start) - start);
  std::string bytes;
  for (std::size_t i = 0; i + 4 <= value.size() && value.compare(i, 2, "\\x") == 0; i += 4)
    bytes += static_cast<char>(std::stoi(value.substr(i + 2, 2), nullptr, 16));
  return bytes;
}

TEST(ShellRegistration, TheMagicMatchesEverySavedLibrary) {
  const std::string mime = mimePackageText();
  const auto offset = std::stoul(mime.substr(mime.find("offset=\"") + 8));
  const std::string magic = magicBytes(mime);
  ASSERT_EQ(magic.size(), 4u);
  FakeUi ui;
  InMemorySettings settings;
  for (const int folders : {0, 3, 300}) {
    CLFDoc doc(ui, settings, "");
    ASSERT_TRUE(doc.OnNewDocument());
    for (int i = 0; i < folders; ++i) doc.addFolder("\\F" + std::to_string(i) + "\\", false);
    std::ostringstream out;
    doc.Serialize(out);
    EXPECT_EQ(out.str().substr(offset, magic.size()), magic) << folders;
  }
}

TEST(ShellRegistration, ExecQuotesTheProgramPathSoOnlyItRuns) {
  for (const TestCase& c : readCases("desktop-entry-exec-cases.txt")) {
    const std::string entry = desktopEntryText(c["path"]);
    EXPECT_NE(entry.find("\n" + c["exec"] + "\n"), std::string::npos) << c.what << entry;
    EXPECT_EQ(entry.find("\nExec=", entry.find("Exec=") + 1), std::string::npos) << c.what;
  }
}

}  // namespace
}  // namespace linkfold::test
