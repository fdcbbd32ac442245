#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/browsers/FileSizeLimit.h"
#include "core/library/LibraryBytes.h"
#include "core/library/LibraryFixture.h"
#include "library/DocumentCommands.h"
#include "platform/Files.h"

namespace linkfold::test {
namespace {

class DocumentCommandsTest : public ::testing::Test, public LibraryFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(doc.addFolder("\\", true));
    bookmark(folder("A\\"), "Home", "http://h/");
  }
  // A file dialog request as title|proposed name.
  std::string fileRequest(std::size_t index) const {
    const FileDialogRequest& r = ui.fileRequests.at(index);
    return r.title + "|" + r.proposedName;
  }

  int refills = 0;
  DocumentCommands commands{doc, [this] { ++refills; }};
};

TEST_F(DocumentCommandsTest, NewAsksBeforeDiscardingAModifiedLibrary) {
  const std::string before = saved();
  const struct {
    Answer answer;
    std::optional<std::string> saveAs;  // the Save As dialog's answer, when it is shown
    bool renewed;
  } cases[] = {{Answer::Cancel, {}, false},
               {Answer::Yes, std::nullopt, false},
               {Answer::Yes, temp.file("a.bml"), true},
               {Answer::No, {}, true}};
  for (const auto& c : cases) {
    doc.setModifiedFlag();
    ui.messages.clear();
    ui.answer(c.answer);
    if (c.answer == Answer::Yes) ui.nextSaveFile(c.saveAs);
    EXPECT_EQ(commands.fileNew(), c.renewed);
    EXPECT_EQ(ui.messages.at(0).buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(tables(), c.renewed ? "\\:0 |" : "\\:0 A\\:0 | Home@1");
    EXPECT_TRUE(doc.folder(0).locked);
    EXPECT_EQ(doc.isModified(), !c.renewed);
    EXPECT_EQ(std::exchange(refills, 0), c.renewed ? 1 : 0);
    if (c.renewed) bookmark(folder("A\\"), "Home", "http://h/");
  }
  EXPECT_EQ(temp.read("a.bml"), before);
}

TEST_F(DocumentCommandsTest, AFailedOpenKeepsWhatWasReadUntitledUnlessTheImportChangedIt) {
  const std::string whole =
      libraryFile({"\\", "B\\"}, {record("x", "y", "", 1), record("z", "w", "", 1)});
  temp.write("bad.bml", whole.substr(0, whole.size() - 1));
  doc.setPathName("/data/old.bml");
  doc.setModifiedFlag();
  ui.answer(Answer::No);
  EXPECT_FALSE(commands.openDocumentFile(temp.file("bad.bml")));
  EXPECT_EQ(ui.messages.size(), 3u);  // the save prompt, the error, what was kept
  EXPECT_EQ(tables(), "\\:0 B\\:0 | x@1");
  // What was read is not the previous library: its path is forgotten, and Save asks for a
  // name instead of overwriting it.
  EXPECT_TRUE(doc.pathName().empty());
  EXPECT_EQ(doc.title(), "Untitled");
  EXPECT_TRUE(doc.isModified());  // as it was before the open
  ui.nextSaveFile(std::nullopt);
  EXPECT_FALSE(commands.fileSave());
  EXPECT_EQ(fileRequest(0), "Save As|Untitled.bml");
  EXPECT_FALSE(std::filesystem::exists("/data/old.bml"));
  // An import that changed what the failed open left starts a new library.
  ImportSpy import(ui, true);
  doc.setImportHook(&import);
  doc.setModifiedFlag(false);
  EXPECT_FALSE(commands.openDocumentFile(temp.file("bad.bml")));
  EXPECT_EQ(import.messagesBeforeOpen, ui.messages.size());  // the import follows the messages
  EXPECT_EQ(import.openCalls + import.newCalls, 2);
  EXPECT_EQ(tables(), "\\:0 |");
  EXPECT_TRUE(doc.pathName().empty());
  EXPECT_FALSE(doc.isModified());
  EXPECT_EQ(refills, 2);
}

// Open asks for a library file and replaces the library; Open Exclusive warns first and reads
// the file without the import.
TEST_F(DocumentCommandsTest, OpenAndOpenExclusiveReplaceTheLibrary) {
  ImportSpy import(ui, true);
  doc.setImportHook(&import);
  EXPECT_FALSE(commands.fileOpen());
  EXPECT_EQ(fileRequest(0), "Open|");
  ui.answer(Answer::No);
  EXPECT_FALSE(commands.fileOpenExclusive());
  EXPECT_EQ(ui.fileRequests.size(), 1u);
  EXPECT_EQ(ui.messages.at(0).buttons, MessageButtons::YesNo);
  EXPECT_EQ(refills, 0);
  temp.write("lib.bml", libraryFile({"\\", "B\\"}, {record("x", "y", "", 1)}));
  ui.answer(Answer::Yes);
  ui.nextOpenFile(temp.file("lib.bml"));
  EXPECT_TRUE(commands.fileOpenExclusive());
  EXPECT_EQ(import.openCalls, 0);
  EXPECT_FALSE(doc.exclusiveOpen());
  EXPECT_EQ(doc.pathName(), temp.file("lib.bml"));
  EXPECT_EQ(doc.title(), "lib.bml");
  EXPECT_EQ(tables(), "\\:0 B\\:0 | x@1");
  EXPECT_FALSE(doc.isModified());
  EXPECT_EQ(refills, 1);
  ui.nextOpenFile(temp.file("lib.bml"));
  EXPECT_TRUE(commands.fileOpen());
  EXPECT_EQ(import.openCalls, 1);
}

TEST_F(DocumentCommandsTest, SaveAsAsksForANameThenSaveAndThePromptUseIt) {
  doc.setModifiedFlag();
  ui.nextSaveFile(temp.file("x.bml"));
  EXPECT_TRUE(commands.fileSave());  // no file yet: Save asks like Save As
  EXPECT_EQ(fileRequest(0), "Save As|Untitled.bml");
  EXPECT_EQ(temp.read("x.bml"), saved());
  EXPECT_EQ(doc.title(), "x.bml");
  EXPECT_FALSE(doc.isModified());
  ui.nextSaveFile(std::nullopt);
  EXPECT_FALSE(commands.fileSaveAs());
  EXPECT_EQ(ui.fileRequests.at(1).proposedName, temp.file("x.bml"));
  bookmark(0, "more", "http://m/");
  const std::string more = saved();
  doc.setModifiedFlag();
  ui.answer(Answer::Yes);
  EXPECT_TRUE(commands.fileNew());
  EXPECT_MESSAGE(ui, 0, "Save changes to x.bml?", Question);
  EXPECT_EQ(ui.fileRequests.size(), 2u);
  EXPECT_EQ(temp.read("x.bml"), more);
  // Without bookmarks there is nothing to save.
  EXPECT_FALSE(commands.canSave() || commands.fileSave() || commands.fileSaveAs());
  EXPECT_EQ(ui.fileRequests.size(), 2u);
}

TEST_F(DocumentCommandsTest, ALibraryWithoutARootIsNeverWritten) {
  // A failed open of a file that is no library: the document is New's, root and all.
  temp.write("page.html", "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n");
  doc.setModifiedFlag();
  ui.answer(Answer::No);
  EXPECT_FALSE(commands.openDocumentFile(temp.file("page.html")));
  EXPECT_EQ(tables(), "\\:0 |");
  // Without a root there is no question and nothing to save.
  doc.DeleteContents();
  doc.setModifiedFlag();
  ui.messages.clear();
  EXPECT_FALSE(commands.canSave());
  EXPECT_TRUE(commands.saveModified());
  EXPECT_FALSE(commands.fileSaveAs());
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(ui.fileRequests.empty());
}

TEST_F(DocumentCommandsTest, AFailedSaveKeepsTheOldFileAndTheModifiedFlag) {
  temp.write("x.bml", "old contents");
  doc.setPathName(temp.file("x.bml"));
  doc.setModifiedFlag();
  {
    ScopedFileSizeLimit full(8);  // the disk fills after a few bytes
    EXPECT_FALSE(commands.fileSave());
  }
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "Failed to save document.\n" + temp.file("x.bml") + ": " + std::strerror(EFBIG));
  EXPECT_EQ(temp.read("x.bml"), "old contents");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path()), {}), 1);
  EXPECT_TRUE(doc.isModified());
}

TEST_F(DocumentCommandsTest, SavingOverADamagedLibraryKeepsItsOriginalOnce) {
  // Cut inside the second record: the first is read.
  const std::string damaged =
      libraryFile({"\\"}, {record("x", "http://x/", "", 0), record("y", "http://y/", "", 0)})
          .substr(0, 40);
  temp.write("d.bml", damaged);
  ASSERT_FALSE(commands.openDocumentFile(temp.file("d.bml")));
  ASSERT_TRUE(doc.canSave());
  ui.messages.clear();
  for (int save = 0; save < 2; ++save) {
    ui.nextSaveFile(temp.file("d.bml"));
    ASSERT_TRUE(commands.fileSaveAs());
  }
  EXPECT_EQ(temp.read("d.bml.damaged"), damaged);
  // Said once: the second save finds the copy and leaves it.
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find(temp.file("d.bml.damaged")), std::string::npos);
}

}  // namespace
}  // namespace linkfold::test
