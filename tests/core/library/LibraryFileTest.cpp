#include <gtest/gtest.h>

#include <sstream>

#include "support/AllocationLimit.h"
#include "core/library/LibraryBytes.h"
#include "core/library/LibraryFixture.h"

namespace linkfold::test {
namespace {

const std::string kSomeDataRead =
    "Some data was read from the file, but may be invalid\n\n"
    "Click the \"Help\" button for more information.";
const std::string kNoDataRead =
    "No data was retrieved from the file.\n\n"
    "The resulting document will contain only the bookmarks\n"
    "that were imported from your browser(s).";

std::string errorReading(const std::string& path) {
  return "Error reading " + path +
         "\nThe file is either not a Bookmark Library,\nor it is damaged in some way.\n\n";
}

// Records when the import would run, and what the user had been told by then.
struct RecordingHook : DocumentImportHook {
  explicit RecordingHook(FakeUi& fakeUi) : ui(fakeUi) {}
  void onNewDocument(CLFDoc&) override { ++newCalls; }
  void onOpenDocument(CLFDoc&) override { messagesBeforeOpenImport = ui.messages.size(); }
  FakeUi& ui;
  int newCalls = 0;
  std::optional<std::size_t> messagesBeforeOpenImport;
};

class LibraryFile : public ::testing::Test, public LibraryFixture {
 protected:
  bool open(const std::string& bytes) {
    temp.write("lib.bml", bytes);
    return doc.OnOpenDocument(temp.file("lib.bml"));
  }
  std::string saved() const {
    std::ostringstream out;
    doc.Serialize(out);
    return out.str();
  }
};

TEST_F(LibraryFile, WritesTheTablesByteForByte) {
  ASSERT_TRUE(doc.addFolder("\\", true));
  const auto daily = folder("News\\Daily\\");
  ASSERT_TRUE(doc.addBookmark(daily, "Paper", "http://p/", "Morning", 1, 2, 3));
  bookmark(0, "Home", "http://h/");
  EXPECT_EQ(saved(), u32(3) + text("\\") + text("News\\Daily\\") + text("News\\") + u32(2) +
                         record("Paper", "http://p/", "Morning", 1, 1, 2, 3) +
                         record("Home", "http://h/", "", 0));
}

TEST_F(LibraryFile, RoundTripKeepsBothTablesAndStartsTransientStateAfresh) {
  ASSERT_TRUE(doc.addFolder("\\", true));
  folder("A\\B\\");
  const auto c = folder("C\\");
  doc.setFolderSelection(c, kNotSelected);
  doc.setFolderLocked(c, true);
  ASSERT_TRUE(doc.addBookmark(c, std::string(300, 'n'), std::string(70000, 'u'), "d", 7, 8, 9));
  ASSERT_TRUE(doc.addBookmark(2, "\xC3\xA9t\xE9", "http://x/", "", 0, 0, 0));
  const std::string bytes = saved();

  LibraryFixture other;
  other.temp.write("lib.bml", bytes);
  ASSERT_TRUE(other.doc.OnOpenDocument(other.temp.file("lib.bml")));
  EXPECT_TRUE(other.ui.messages.empty());
  ASSERT_EQ(other.doc.folderCount(), 4u);
  for (std::uint32_t i = 0; i < 4; ++i) {
    EXPECT_EQ(other.doc.folder(i).path, doc.folder(i).path);
    EXPECT_EQ(other.doc.folder(i).parent, doc.folder(i).parent);
    EXPECT_EQ(other.doc.folder(i).selection, kSelected);
    EXPECT_EQ(other.doc.folder(i).locked, i == 0);
  }
  ASSERT_EQ(other.doc.bookmarkCount(), 2u);
  const auto& big = other.doc.bookmark(0);
  EXPECT_EQ(big.folder, c);
  EXPECT_EQ(big.name, std::string(300, 'n'));
  EXPECT_EQ(big.url, std::string(70000, 'u'));
  EXPECT_EQ(big.description, "d");
  EXPECT_EQ(big.addDate, 7u);
  EXPECT_EQ(big.modifiedDate, 8u);
  EXPECT_EQ(big.visitDate, 9u);
  EXPECT_EQ(other.doc.bookmark(1).name, "\xC3\xA9t\xE9");  // bytes kept as they were
  EXPECT_FALSE(other.doc.isModified());
}

TEST_F(LibraryFile, RootOnlyFileAndEmptyFileOpenWithoutAMessage) {
  ASSERT_TRUE(open(libraryFile({"\\"}, {})));
  EXPECT_EQ(doc.folderCount(), 1u);
  EXPECT_EQ(doc.bookmarkCount(), 0u);
  ASSERT_TRUE(open(""));
  EXPECT_EQ(doc.folderCount(), 0u);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(doc.isModified());
}

TEST_F(LibraryFile, RootPathInAnyPositionIsTheRoot) {
  ASSERT_TRUE(open(libraryFile({"\\", "A\\", "\\"}, {record("x", "u", "", 2)})));
  EXPECT_EQ(doc.folderCount(), 2u);
  EXPECT_EQ(doc.bookmark(0).folder, 0u);
  EXPECT_FALSE(doc.folder(1).locked);
}

TEST_F(LibraryFile, EqualPathsShareAFolderAndMatchingRecordsCollapse) {
  ASSERT_TRUE(
      open(libraryFile({"\\", "News\\", "NEWS\\"}, {record("Home", "http://a/x", "first", 1, 5),
                                                    record("HOME", "http://a/x/", "second", 2, 6),
                                                    record("Home", "http://a/x//", "", 1)})));
  ASSERT_EQ(doc.folderCount(), 2u);
  ASSERT_EQ(doc.bookmarkCount(), 2u);
  EXPECT_EQ(doc.bookmark(0).description, "first");
  EXPECT_EQ(doc.bookmark(0).addDate, 5u);
  EXPECT_EQ(doc.bookmark(1).url, "http://a/x//");
}

TEST_F(LibraryFile, BytesAfterTheLastRecordAreIgnored) {
  EXPECT_TRUE(open(libraryFile({"\\"}, {record("a", "b", "", 0)}) + "trailing junk"));
  EXPECT_EQ(doc.bookmarkCount(), 1u);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(LibraryFile, ACutOffBookmarkListKeepsWhatWasReadAndOffersHelp) {
  const std::string whole =
      libraryFile({"\\", "A\\"}, {record("one", "u1", "", 1), record("two", "u2", "", 1)});
  RecordingHook hook(ui);
  doc.setImportHook(&hook);
  EXPECT_FALSE(open(whole.substr(0, whole.size() - 3)));
  EXPECT_EQ(doc.folderCount(), 2u);
  EXPECT_EQ(doc.bookmarkCount(), 1u);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_MESSAGE(ui, 0, errorReading(temp.file("lib.bml")), Information);
  EXPECT_MESSAGE(ui, 1, kSomeDataRead, Information);
  EXPECT_FALSE(ui.messages[0].helpButton);
  EXPECT_TRUE(ui.messages[1].helpButton);
  EXPECT_EQ(hook.messagesBeforeOpenImport, 2u);  // the import follows the messages
  EXPECT_TRUE(doc.loadFailed());
  EXPECT_TRUE(doc.dataRead());
  EXPECT_FALSE(doc.internalError());
}

TEST_F(LibraryFile, ARejectedPathEmptiesTheLibrary) {
  EXPECT_FALSE(open(libraryFile({"\\", "A\\", "\\News\\"}, {})));
  EXPECT_EQ(doc.folderCount(), 0u);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_MESSAGE(ui, 0, errorReading(temp.file("lib.bml")), Information);
  EXPECT_MESSAGE(ui, 1, kNoDataRead, Information);
  EXPECT_FALSE(ui.messages[1].helpButton);
  EXPECT_FALSE(doc.dataRead());
}

TEST_F(LibraryFile, FlagsAreClearedByTheNextOpen) {
  EXPECT_FALSE(open(u32(1) + text("\\")));
  EXPECT_TRUE(doc.loadFailed());
  EXPECT_TRUE(doc.dataRead());
  EXPECT_TRUE(open(""));
  EXPECT_FALSE(doc.loadFailed());
  EXPECT_FALSE(doc.dataRead());
}

TEST_F(LibraryFile, ExclusiveOpenSkipsTheImport) {
  RecordingHook hook(ui);
  doc.setImportHook(&hook);
  doc.setExclusiveOpen(true);
  EXPECT_TRUE(open(libraryFile({"\\"}, {})));
  EXPECT_FALSE(hook.messagesBeforeOpenImport);
  doc.setExclusiveOpen(false);
  EXPECT_TRUE(open(libraryFile({"\\"}, {})));
  EXPECT_EQ(hook.messagesBeforeOpenImport, 0u);
}

TEST_F(LibraryFile, AFileThatCannotBeOpenedLeavesTheDocumentAlone) {
  ASSERT_TRUE(doc.addFolder("\\", true));
  bookmark(0, "keep", "me");
  doc.setModifiedFlag();
  RecordingHook hook(ui);
  doc.setImportHook(&hook);
  EXPECT_FALSE(doc.OnOpenDocument(temp.file("missing.bml")));
  EXPECT_FALSE(doc.OnOpenDocument(temp.path()));  // a directory
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_MESSAGE(ui, 0, "Failed to open document.", Exclamation);
  EXPECT_MESSAGE(ui, 1, "Failed to open document.", Exclamation);
  EXPECT_EQ(doc.bookmarkCount(), 1u);
  EXPECT_TRUE(doc.isModified());
  EXPECT_FALSE(hook.messagesBeforeOpenImport);
}

TEST_F(LibraryFile, NewLeavesTheLockedRootOrHandsOverToTheImport) {
  bookmark(folder("\\"), "a", "b");
  doc.setPathName("/tmp/x.bml");
  doc.setModifiedFlag();
  ASSERT_TRUE(doc.OnNewDocument());
  ASSERT_EQ(doc.folderCount(), 1u);
  EXPECT_TRUE(doc.folder(0).locked);
  EXPECT_EQ(doc.bookmarkCount(), 0u);
  EXPECT_EQ(doc.title(), "Untitled");
  EXPECT_TRUE(doc.pathName().empty());
  EXPECT_FALSE(doc.isModified());

  RecordingHook hook(ui);
  doc.setImportHook(&hook);
  ASSERT_TRUE(doc.OnNewDocument());
  EXPECT_EQ(hook.newCalls, 1);
  EXPECT_EQ(doc.folderCount(), 0u);  // the import adds the root itself
}

// Lack of memory: the index map (code 3) and the tables (code 1).
TEST_F(LibraryFile, RunningOutOfMemoryForTheIndexMapIsAnInternalError) {
  const std::uint32_t paths = 300000;
  std::string bytes = u32(paths);
  for (std::uint32_t i = 0; i < paths; ++i) bytes += text("\\");
  temp.write("lib.bml", bytes + u32(0));
  bool opened = true;
  {
    ScopedAllocationLimit limit(1 << 20);  // the file fits, a map of 300000 entries does not
    opened = doc.OnOpenDocument(temp.file("lib.bml"));
  }
  EXPECT_FALSE(opened);
  EXPECT_TRUE(doc.internalError());
  EXPECT_EQ(doc.folderCount(), 0u);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_MESSAGE(ui, 0, "Internal error occurred while\nreading " + temp.file("lib.bml") + ".\n\n",
                 Information);
  EXPECT_MESSAGE(ui, 1, kNoDataRead, Information);
}

TEST_F(LibraryFile, RunningOutOfMemoryForTheTablesKeepsWhatWasAdded) {
  std::vector<std::string> paths{"\\"};
  for (int i = 0; i < 2000; ++i) paths.push_back(std::to_string(i) + "\\");
  temp.write("lib.bml", libraryFile(paths, {}));
  bool opened = true;
  {
    // The file fits; a table of 2000 folders (about 100 KB) does not.
    ScopedAllocationLimit limit(64 << 10);
    opened = doc.OnOpenDocument(temp.file("lib.bml"));
  }
  EXPECT_FALSE(opened);
  EXPECT_TRUE(doc.internalError());
  EXPECT_GT(doc.folderCount(), 1u);
  EXPECT_LT(doc.folderCount(), paths.size());
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_MESSAGE(ui, 0, "Internal error occurred while\nreading " + temp.file("lib.bml") + ".\n\n",
                 Information);
  EXPECT_MESSAGE(ui, 1, kSomeDataRead, Information);
  EXPECT_TRUE(ui.messages[1].helpButton);
}

}  // namespace
}  // namespace linkfold::test
