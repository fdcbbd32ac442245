// The library file: its texts, the writer's bytes, reading them back, and every way a file can
// be damaged.

#include <gtest/gtest.h>

#include <random>

#include "core/library/LibraryFixture.h"
#include "fuzz/LibraryInvariants.h"
#include "library/ArchiveString.h"
#include "support/AllocationLimit.h"
#include "support/CaseFile.h"

namespace linkfold::test {
namespace {

// Library files spelled out byte by byte, independently of the writer.
std::string u32(std::uint32_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
          static_cast<char>((v >> 16) & 0xFF), static_cast<char>((v >> 24) & 0xFF)};
}

// A short text (under 255 bytes) with its one-byte length.
std::string text(std::string_view s) {
  return static_cast<char>(s.size()) + std::string(s);
}

std::string record(std::string_view name, std::string_view url, std::string_view description,
                   std::uint32_t folder, std::uint32_t added = 0, std::uint32_t modified = 0,
                   std::uint32_t visited = 0) {
  return text(name) + text(url) + text(description) + u32(folder) + u32(added) + u32(modified) +
         u32(visited);
}

std::string libraryFile(const std::vector<std::string>& paths,
                        const std::vector<std::string>& records) {
  std::string bytes = u32(static_cast<std::uint32_t>(paths.size()));
  for (const auto& p : paths) bytes += text(p);
  bytes += u32(static_cast<std::uint32_t>(records.size()));
  for (const auto& r : records) bytes += r;
  return bytes;
}

using namespace std::string_literals;

std::optional<std::string> readOne(std::string_view bytes) {
  ByteReader in(bytes);
  return readArchiveString(in);
}

TEST(ArchiveString, LengthPrefixAtEachBoundaryAndCutsAnywhere) {
  const std::pair<std::size_t, std::string> cases[] = {
      {0, "\x00"s},
      {254, "\xFE"},
      {255, "\xFF\xFF\x00"s},
      {65533, "\xFF\xFD\xFF"},
      {65534, "\xFF\xFF\xFF\xFE\xFF\x00\x00"s},
      {70000, "\xFF\xFF\xFF"s + u32(70000)},
  };
  for (const auto& [length, prefix] : cases) {
    const std::string body(length, 'x');
    std::ostringstream out;
    writeArchiveString(out, body);
    EXPECT_EQ(out.str(), prefix + body) << length;
    EXPECT_EQ(readOne(out.str()), body) << length;
    for (std::size_t cut = 0; cut < out.str().size(); cut += 1 + cut / 8)
      EXPECT_FALSE(readOne(out.str().substr(0, cut))) << cut;
  }
}

TEST(ArchiveString, ReadsSixteenBitTextsAsUtf8) {
  for (const TestCase& c : readCases("library-wide-text-cases.txt"))
    EXPECT_EQ(readOne(c["bytes"]), c.fields.count("text") ? std::optional(c["text"]) : std::nullopt)
        << c.what;
  // In a long count, 0xFFFE is a plain length, not another marker.
  EXPECT_EQ(readOne("\xFF\xFE\xFF\xFF\xFE\xFF"s + std::string(2 * 65534, '\0')),
            std::string(65534, '\0'));
}

class LibraryFile : public ::testing::Test, public LibraryFixture {
 protected:
  // Opens the bytes with allocations above `limit` refused.
  bool openWithLimit(const std::string& bytes, std::size_t limit) {
    temp.write("lib.bml", bytes);
    ScopedAllocationLimit scoped(limit);
    return doc.OnOpenDocument(temp.file("lib.bml"));
  }
  // The two messages of a failed open: which error, naming the file, then what was kept.
  void expectLoadFailure(bool internal, bool someRead) {
    ASSERT_EQ(ui.messages.size(), 2u);
    const std::string& error = ui.messages[0].text;
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
    EXPECT_NE(error.find(internal ? "Internal error" : "damaged"), std::string::npos) << error;
    EXPECT_NE(error.find(temp.file("lib.bml")), std::string::npos) << error;
    EXPECT_TRUE(ui.messages[1].text.starts_with(someRead ? "Some data" : "No data"));
    EXPECT_EQ(ui.messages[1].helpTopic, someRead ? 0x30094u : 0u);  // 0x30000 + string 148
    EXPECT_EQ(ui.messages[1].helpButton, someRead);
    EXPECT_TRUE(doc.loadFailed());
    EXPECT_EQ(doc.internalError(), internal);
    EXPECT_EQ(doc.dataRead(), someRead);
  }
};

TEST_F(LibraryFile, WritesTheTablesByteForByteAndReadsThemBack) {
  ASSERT_TRUE(doc.addFolder("\\", true));
  const auto daily = folder("News\\Daily\\");
  ASSERT_TRUE(doc.addBookmark(daily, "Paper", "http://p/", "Morning", 1, 2, 3));
  bookmark(0, "Home", "http://h/");
  EXPECT_EQ(saved(), u32(3) + text("\\") + text("News\\Daily\\") + text("News\\") + u32(2) +
                         record("Paper", "http://p/", "Morning", 1, 1, 2, 3) +
                         record("Home", "http://h/", "", 0));
  // Long texts take the longer prefixes; selection and locks are not stored.
  doc.setFolderSelection(daily, kNotSelected);
  doc.setFolderLocked(daily, true);
  ASSERT_TRUE(doc.addBookmark(daily, std::string(300, 'n'), std::string(70000, 'u'), "d", 7, 8, 9));
  ASSERT_TRUE(doc.addBookmark(2, "\xC3\xA9t\xE9", "http://x/", "", 0, 0, 0));
  LibraryFixture other;
  ASSERT_TRUE(other.open(saved()));
  EXPECT_EQ(other.saved(), saved());
  EXPECT_EQ(other.tables(), tables());
  for (const auto& f : other.doc.folders())
    EXPECT_TRUE(f.selection == kSelected && f.locked == (&f == &other.doc.folder(0)));
  EXPECT_TRUE(other.ui.messages.empty());
  EXPECT_FALSE(other.doc.isModified());
}

TEST_F(LibraryFile, RunningOutOfMemoryIsAnInternalErrorThatKeepsWhatWasAdded) {
  std::vector<std::string> paths{"\\"};
  for (int i = 0; i < 2000; ++i) paths.push_back(std::to_string(i) + "\\");
  EXPECT_FALSE(openWithLimit(libraryFile(paths, {}), 64 << 10));
  expectLoadFailure(true, true);
  EXPECT_TRUE(doc.folderCount() > 1 && doc.folderCount() < paths.size());
  ui.messages.clear();  // no room for the index map of 300000 equal paths
  EXPECT_FALSE(openWithLimit(libraryFile(std::vector<std::string>(300000, "\\"), {}), 1 << 20));
  expectLoadFailure(true, false);
  ASSERT_TRUE(open(""));  // the next open clears the flags of a failed one
  EXPECT_FALSE(doc.loadFailed() || doc.internalError() || doc.dataRead());
}

TEST_F(LibraryFile, ADamagedFileIsReportedAndKeepsOnlyWhatWasRead) {
  for (const TestCase& c : readCases("library-damaged-cases.txt")) {
    SCOPED_TRACE(c.what);
    std::string bytes = c["bytes"];
    if (c.fields.count("paths")) {
      std::vector<std::string> paths{""};
      for (const char ch : c["paths"])
        if (ch == '|')
          paths.emplace_back();
        else
          paths.back().push_back(ch);
      bytes = libraryFile(paths, {});
    }
    ui.messages.clear();
    EXPECT_FALSE(openWithLimit(bytes, 1 << 20));
    EXPECT_EQ(std::to_string(doc.folderCount()) + " " + std::to_string(doc.bookmarkCount()),
              c["kept"]);
    EXPECT_TRUE(doc.folderCount() == 0 || doc.folder(0).locked);
    expectLoadFailure(false, doc.folderCount() > 0);
  }
}

// Thousands of damaged variants of a valid library, the path the fuzz target explores, with a
// fixed seed so every run checks the same inputs.
TEST(LoaderMutation, DamagedFilesNeverBreakTheTablesAndReloadUnchanged) {
  // Four folders (one created as a parent), a record with every field set, one with a 16-bit
  // name ("A", U+1F600) and a 300-byte URL, and a plain one.
  const std::string seed = u32(4) + text("\\") + text("News\\Daily\\") + text("News\\") +
                           text("Tools\\") + u32(3) +
                           record("Paper", "http://p/", "Morning", 1, 1, 2, 3) +
                           "\xFF\xFE\xFF\x03"
                           "A\x00\x3D\xD8\x00\xDE\xFF\x2C\x01"s +
                           std::string(300, 'u') + text("") + u32(3) + u32(0) + u32(0) + u32(0) +
                           record("Home", "http://h/", "", 0, 9, 9, 9);
  FakeUi ui;
  InMemorySettings settings;
  CLFDoc pristine(ui, settings, {});
  pristine.Serialize(seed);
  ASSERT_EQ(pristine.loadFailed() ? 0u : pristine.bookmarkCount(), 3u);
  std::mt19937 random(20240601);
  const auto pick = [&](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n)(random);
  };
  int failed = 0;
  for (int i = 0; i < 4000 && !::testing::Test::HasFailure(); ++i) {
    std::string bytes = seed;
    for (int e = 0, edits = 1 + static_cast<int>(pick(3)); e < edits && !bytes.empty(); ++e) {
      const std::size_t at = pick(bytes.size() - 1);
      const std::size_t kind = pick(5);
      if (kind == 0) bytes[at] = static_cast<char>(random());                    // any byte
      if (kind == 1) bytes[at] = static_cast<char>(bytes[at] ^ (1 << pick(7)));  // one bit
      if (kind == 2) bytes.insert(at, 1, static_cast<char>(random()));
      if (kind == 3) bytes.erase(at, 1 + pick(8));
      if (kind == 4) bytes.resize(at);                          // cut off
      if (kind == 5) bytes.replace(at, 4, "\xFF\xFF\xFF\xFF");  // a huge number
    }
    CLFDoc loaded(ui, settings, {});
    {
      ScopedAllocationLimit limit(1 << 20);
      loaded.Serialize(bytes);
    }
    failed += loaded.loadFailed();
    EXPECT_FALSE(loaded.internalError()) << "input " << i;
    EXPECT_EQ(loadedLibraryProblems(loaded), "") << "input " << i;
    CLFDoc reloaded(ui, settings, {});
    EXPECT_EQ(roundTripProblems(loaded, reloaded), "") << "input " << i;
  }
  // The mutations must reach both the clean and the damaged paths.
  EXPECT_GT(failed, 1000);
  EXPECT_LT(failed, 4000);
  EXPECT_TRUE(ui.messages.empty());  // Serialize alone never talks to the user
}

}  // namespace
}  // namespace linkfold::test
