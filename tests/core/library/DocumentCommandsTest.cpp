#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "core/library/LibraryBytes.h"
#include "core/library/LibraryFixture.h"
#include "library/DocumentCommands.h"
#include "platform/Files.h"

namespace linkfold::test {
namespace {

// Passes the first `limit` bytes to `target`, then refuses everything.
class CutOffBuffer : public std::streambuf {
 public:
  CutOffBuffer(std::ostream& target, std::size_t limit) : target_(target), left_(limit) {}

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    if (left_ == 0) return traits_type::eof();
    target_.put(traits_type::to_char_type(c));
    --left_;
    return c;
  }
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    const auto taken = std::min<std::streamsize>(n, static_cast<std::streamsize>(left_));
    target_.write(s, taken);
    left_ -= static_cast<std::size_t>(taken);
    return taken;
  }

 private:
  std::ostream& target_;
  std::size_t left_;
};

// An import that adds nothing on Open but marks the library changed, as an import that found
// new bookmarks would, and builds the root on New.
struct ChangingImport : DocumentImportHook {
  void onNewDocument(CLFDoc& doc) override {
    ++newCalls;
    doc.addFolder("\\", true);
  }
  void onOpenDocument(CLFDoc& doc) override {
    ++openCalls;
    doc.setModifiedFlag();
  }
  int newCalls = 0;
  int openCalls = 0;
};

class DocumentCommandsTest : public ::testing::Test, public LibraryFixture {
 protected:
  void fill() {
    ASSERT_TRUE(doc.addFolder("\\", true));
    bookmark(folder("A\\"), "Home", "http://h/");
  }
  std::string libraryBytes() const {
    std::ostringstream out;
    doc.Serialize(out);
    return out.str();
  }
  std::size_t filesInTemp() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(temp.path()),
                                                  std::filesystem::directory_iterator()));
  }

  int refills = 0;
  DocumentCommands commands{doc, [this] { ++refills; }};
};

TEST_F(DocumentCommandsTest, NewAsksBeforeDiscardingAModifiedLibrary) {
  fill();
  doc.setModifiedFlag();
  ui.answer(Answer::Cancel);
  EXPECT_FALSE(commands.fileNew());
  EXPECT_EQ(doc.bookmarkCount(), 1u);
  EXPECT_EQ(refills, 0);
  EXPECT_MESSAGE(ui, 0, "Save changes to Untitled?", Exclamation);
  EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNoCancel);

  ui.answer(Answer::No);
  EXPECT_TRUE(commands.fileNew());
  EXPECT_EQ(doc.folderCount(), 1u);
  EXPECT_EQ(doc.bookmarkCount(), 0u);
  EXPECT_EQ(refills, 1);
}

TEST_F(DocumentCommandsTest, NewWithYesSavesFirst) {
  fill();
  const std::string expected = libraryBytes();
  doc.setPathName(temp.file("a.bml"));
  doc.setModifiedFlag();
  ui.answer(Answer::Yes);
  EXPECT_TRUE(commands.fileNew());
  EXPECT_MESSAGE(ui, 0, "Save changes to a.bml?", Exclamation);
  EXPECT_EQ(temp.read("a.bml"), expected);
  EXPECT_EQ(doc.bookmarkCount(), 0u);
  EXPECT_EQ(doc.title(), "Untitled");
}

TEST_F(DocumentCommandsTest, NewIsAbandonedWhenTheSaveAsDialogIsCancelled) {
  fill();
  doc.setModifiedFlag();
  ui.answer(Answer::Yes);
  ui.nextSaveFile(std::nullopt);
  EXPECT_FALSE(commands.fileNew());
  EXPECT_EQ(doc.bookmarkCount(), 1u);
  EXPECT_TRUE(doc.isModified());
}

TEST_F(DocumentCommandsTest, OpenAsksForALibraryFile) {
  EXPECT_FALSE(commands.fileOpen());
  ASSERT_EQ(ui.fileRequests.size(), 1u);
  const FileDialogRequest& request = ui.fileRequests[0];
  EXPECT_EQ(request.title, "Open");
  ASSERT_EQ(request.filters.size(), 2u);
  EXPECT_EQ(request.filters[0].description, "Bookmark Libraries (*.bml)");
  EXPECT_EQ(request.filters[0].patterns, "*.bml");
  EXPECT_EQ(request.filters[1].description, "All Files (*.*)");
  EXPECT_EQ(refills, 0);
}

TEST_F(DocumentCommandsTest, OpenReplacesTheLibraryAndNamesTheDocument) {
  temp.write("lib.bml", libraryFile({"\\", "B\\"}, {record("x", "y", "", 1)}));
  fill();
  ui.nextOpenFile(temp.file("lib.bml"));
  EXPECT_TRUE(commands.fileOpen());
  EXPECT_EQ(doc.pathName(), temp.file("lib.bml"));
  EXPECT_EQ(doc.title(), "lib.bml");
  EXPECT_EQ(doc.folder(1).path, "B\\");
  EXPECT_EQ(doc.bookmarkCount(), 1u);
  EXPECT_FALSE(doc.isModified());
  EXPECT_EQ(refills, 1);
}

TEST_F(DocumentCommandsTest, AFailedOpenKeepsTheTablesAsReadUnderThePreviousName) {
  const std::string whole =
      libraryFile({"\\", "B\\"}, {record("x", "y", "", 1), record("z", "w", "", 1)});
  temp.write("bad.bml", whole.substr(0, whole.size() - 1));
  fill();
  doc.setPathName("/data/old.bml");
  doc.setModifiedFlag();
  ui.answer(Answer::No);
  EXPECT_FALSE(commands.openDocumentFile(temp.file("bad.bml")));
  EXPECT_EQ(ui.messages.size(), 3u);  // the save prompt, the error, string 148
  EXPECT_EQ(doc.folder(1).path, "B\\");
  EXPECT_EQ(doc.bookmarkCount(), 1u);
  EXPECT_EQ(doc.title(), "old.bml");
  EXPECT_EQ(doc.pathName(), "/data/old.bml");
  EXPECT_TRUE(doc.isModified());  // as it was before the open
  EXPECT_EQ(refills, 1);
}

TEST_F(DocumentCommandsTest, AFailedOpenThatTheImportChangedStartsANewLibrary) {
  ChangingImport import;
  doc.setImportHook(&import);
  temp.write("bad.bml", u32(1));
  doc.setPathName("/data/old.bml");
  EXPECT_FALSE(commands.openDocumentFile(temp.file("bad.bml")));
  EXPECT_EQ(import.openCalls, 1);
  EXPECT_EQ(import.newCalls, 1);
  EXPECT_EQ(doc.title(), "Untitled");
  EXPECT_TRUE(doc.pathName().empty());
  EXPECT_FALSE(doc.isModified());
  EXPECT_EQ(refills, 1);
}

TEST_F(DocumentCommandsTest, OpenExclusiveWarnsAndReadsTheFileAlone) {
  ChangingImport import;
  doc.setImportHook(&import);
  ui.answer(Answer::No);
  EXPECT_FALSE(commands.fileOpenExclusive());
  EXPECT_TRUE(ui.fileRequests.empty());
  EXPECT_MESSAGE(ui, 0,
                 "Opening a library this way could cause you to\nlose some or all of your exising "
                 "bookmarks.\n\nAre you sure you want to continue?",
                 Question);
  EXPECT_EQ(ui.messages[0].caption, "Warning!");
  EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNo);

  temp.write("lib.bml", libraryFile({"\\"}, {record("x", "y", "", 0)}));
  ui.answer(Answer::Yes);
  ui.nextOpenFile(temp.file("lib.bml"));
  EXPECT_TRUE(commands.fileOpenExclusive());
  EXPECT_EQ(import.openCalls, 0);
  EXPECT_FALSE(doc.exclusiveOpen());
  EXPECT_EQ(doc.bookmarkCount(), 1u);

  ui.nextOpenFile(temp.file("lib.bml"));
  EXPECT_TRUE(commands.fileOpen());
  EXPECT_EQ(import.openCalls, 1);
}

TEST_F(DocumentCommandsTest, SaveNeedsBookmarks) {
  ASSERT_TRUE(doc.addFolder("\\", true));
  folder("Empty\\");
  EXPECT_FALSE(commands.canSave());
  EXPECT_FALSE(commands.fileSave());
  EXPECT_FALSE(commands.fileSaveAs());
  EXPECT_TRUE(ui.fileRequests.empty());
  bookmark(0, "a", "b");
  EXPECT_TRUE(commands.canSave());
}

TEST_F(DocumentCommandsTest, SaveAsAsksForANameThenSaveUsesIt) {
  fill();
  doc.setModifiedFlag();
  ui.nextSaveFile(temp.file("x.bml"));
  EXPECT_TRUE(commands.fileSave());  // no file yet: Save asks like Save As
  ASSERT_EQ(ui.fileRequests.size(), 1u);
  const FileDialogRequest& request = ui.fileRequests[0];
  EXPECT_EQ(request.title, "Save As");
  ASSERT_EQ(request.filters.size(), 1u);
  EXPECT_EQ(request.filters[0].description, "Bookmark Libraries (*.bml)");
  EXPECT_EQ(request.defaultExtension, ".bml");
  EXPECT_EQ(request.proposedName, "Untitled.bml");
  EXPECT_EQ(temp.read("x.bml"), libraryBytes());
  EXPECT_EQ(doc.title(), "x.bml");
  EXPECT_FALSE(doc.isModified());

  bookmark(0, "more", "http://m/");
  doc.setModifiedFlag();
  EXPECT_TRUE(commands.fileSave());
  EXPECT_EQ(ui.fileRequests.size(), 1u);
  EXPECT_EQ(temp.read("x.bml"), libraryBytes());

  ui.nextSaveFile(std::nullopt);
  EXPECT_FALSE(commands.fileSaveAs());
  EXPECT_EQ(ui.fileRequests[1].proposedName, temp.file("x.bml"));
}

TEST_F(DocumentCommandsTest, AFailedSaveKeepsTheOldFileAndTheModifiedFlag) {
  fill();
  const std::size_t size = libraryBytes().size();
  temp.write("x.bml", "old contents");
  doc.setPathName(temp.file("x.bml"));
  for (const std::size_t limit : {std::size_t{0}, std::size_t{1}, std::size_t{9}, size - 1}) {
    SCOPED_TRACE(limit);
    commands.setFileWriter([limit](const std::string& path, const auto& write) {
      return writeFileSafely(path, [&](std::ostream& real) {
        CutOffBuffer buffer(real, limit);
        std::ostream cut(&buffer);
        write(cut);
        if (!cut) real.setstate(std::ios::badbit);
      });
    });
    ui.messages.clear();
    doc.setModifiedFlag();
    EXPECT_FALSE(commands.fileSave());
    EXPECT_MESSAGE(ui, 0, "Failed to save document.", Exclamation);
    EXPECT_EQ(temp.read("x.bml"), "old contents");
    EXPECT_EQ(filesInTemp(), 1u);  // no temporary file left behind
    EXPECT_TRUE(doc.isModified());
  }
}

}  // namespace
}  // namespace linkfold::test
