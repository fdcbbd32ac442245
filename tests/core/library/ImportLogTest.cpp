#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include "core/library/LibraryFixture.h"
#include "library/CStatDlg.h"

namespace linkfold::test {
namespace {

class ImportLogFile : public ::testing::Test, public LibraryFixture {
 protected:
  void SetUp() override {
    setenv("TZ", "UTC", 1);
    tzset();
    doc.setClock([this] { return now; });
  }
  std::string logText() const { return temp.read("IMPLOG.TXT"); }

  std::time_t now = 1796574767;  // 12/06/26 16:32:47 UTC
};

TEST_F(ImportLogFile, StartsWithTheHeaderAndWritesLineFeedsAsCrLf) {
  ASSERT_TRUE(doc.createLog());
  EXPECT_TRUE(doc.hasOpenLog());
  doc.logLine("one\ntwo\n");
  doc.logLine("no line end");
  doc.closeLog();
  EXPECT_FALSE(doc.hasOpenLog());
  EXPECT_EQ(logText(),
            "Linkfold import log created 12/06/26 16:32:47\r\n\r\none\r\ntwo\r\nno line end");
}

TEST_F(ImportLogFile, ASecondLogReplacesTheFirst) {
  ASSERT_TRUE(doc.createLog());
  doc.logLine("from the first import, a long line that the second log must not keep\n");
  doc.closeLog();
  now += 3600 * 24 + 61;
  ASSERT_TRUE(doc.createLog());
  doc.closeLog();
  EXPECT_EQ(logText(), "Linkfold import log created 12/07/26 16:33:48\r\n\r\n");
}

TEST_F(ImportLogFile, CreatingALogWhileOneIsOpenStartsItAfresh) {
  ASSERT_TRUE(doc.createLog());
  doc.logLine("old\n");
  ASSERT_TRUE(doc.createLog());
  doc.logLine("new\n");
  doc.closeLog();
  EXPECT_EQ(logText(), "Linkfold import log created 12/06/26 16:32:47\r\n\r\nnew\r\n");
}

TEST_F(ImportLogFile, EntriesSetTheAdjustmentFlagAndANewLogClearsIt) {
  ASSERT_TRUE(doc.createLog());
  EXPECT_FALSE(doc.adjustmentFlag());
  doc.logLine("plain lines leave it alone\n");
  EXPECT_FALSE(doc.adjustmentFlag());
  doc.logNonFatal("<DT><A HREF=", "No closing quote");
  EXPECT_TRUE(doc.adjustmentFlag());
  ASSERT_TRUE(doc.createLog());
  EXPECT_FALSE(doc.adjustmentFlag());
  doc.logFatal("CLFDoc::Parse_NS_Folder:\nUnexpected end of file");
  EXPECT_TRUE(doc.adjustmentFlag());
  doc.closeLog();
  EXPECT_EQ(logText(),
            "Linkfold import log created 12/06/26 16:32:47\r\n\r\n"
            "Critical error:\r\nCLFDoc::Parse_NS_Folder:\r\nUnexpected end of file\r\n"
            "Processing aborted\r\n");
}

TEST_F(ImportLogFile, NonFatalEntryText) {
  ASSERT_TRUE(doc.createLog());
  doc.logNonFatal("<DT><A HREF=", "No closing quote");
  doc.closeLog();
  EXPECT_EQ(logText(),
            "Linkfold import log created 12/06/26 16:32:47\r\n\r\n"
            "HTML Error in:\r\n<DT><A HREF=\r\nNo closing quote. The line was skipped\r\n");
}

TEST_F(ImportLogFile, FailsCleanlyWhereTheFileCannotBeCreated) {
  // A directory that does not exist stops the creation even for root.
  CLFDoc elsewhere(ui, settings, temp.file("missing/IMPLOG.TXT"));
  elsewhere.setAdjustmentFlag();
  EXPECT_FALSE(elsewhere.createLog());
  EXPECT_FALSE(elsewhere.hasOpenLog());
  EXPECT_TRUE(elsewhere.adjustmentFlag());  // only a created log clears it
  elsewhere.logLine("goes nowhere\n");
  elsewhere.logFatal("nor this");
  EXPECT_FALSE(elsewhere.canViewImportLog());
}

TEST_F(ImportLogFile, ALogAnotherWriterHoldsIsNeitherCreatedNorEmptied) {
  temp.write("IMPLOG.TXT", "held by another import\r\n");
  const int other = ::open(temp.file("IMPLOG.TXT").c_str(), O_RDONLY);
  ASSERT_GE(other, 0);
  ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
  EXPECT_FALSE(doc.createLog());
  EXPECT_FALSE(doc.hasOpenLog());
  EXPECT_EQ(logText(), "held by another import\r\n");
  ::close(other);
  EXPECT_TRUE(doc.createLog());
}

TEST_F(ImportLogFile, ImportLogIsEnabledExactlyWhenTheLogCanBeRead) {
  EXPECT_FALSE(doc.canViewImportLog());
  ASSERT_TRUE(doc.createLog());
  EXPECT_TRUE(doc.canViewImportLog());
  doc.closeLog();
  EXPECT_TRUE(doc.canViewImportLog());

  // A log left by an earlier run of the program.
  TempDir earlier;
  earlier.write("IMPLOG.TXT", "old log");
  CLFDoc later(ui, settings, earlier.file("IMPLOG.TXT"));
  EXPECT_TRUE(later.canViewImportLog());

  // Something that is not a file does not count.
  TempDir odd;
  CLFDoc onDirectory(ui, settings, odd.path());
  EXPECT_FALSE(onDirectory.canViewImportLog());
}

TEST_F(ImportLogFile, ViewImportLogOpensTheLogOrSaysWhereItIs) {
  doc.OnViewImportLog();
  EXPECT_EQ(ui.openedWithDesktop, std::vector<std::string>{doc.logPath()});
  EXPECT_TRUE(ui.messages.empty());

  ui.desktopOpenSucceeds = false;
  doc.OnViewImportLog();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_MESSAGE(ui, 0,
                 "Failed to launch external application\nEither there is no program associated "
                 "with the .TXT\nextension or the existing association is damaged.\n\nIf you "
                 "wish to view the error log manually,\nyou'll find it at:\n" +
                     temp.file("IMPLOG.TXT"),
                 Information);
  EXPECT_EQ(ui.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(ui.messages[0].caption, "Linkfold");
}

TEST_F(ImportLogFile, StatusWindowLifecycle) {
  EXPECT_EQ(doc.statusWindow(), nullptr);
  doc.openStatusWindow();
  ASSERT_NE(doc.statusWindow(), nullptr);
  doc.statusWindow()->setText("Importing MSIE bookmarks");
  doc.closeStatusWindow();
  EXPECT_EQ(doc.statusWindow(), nullptr);
  EXPECT_EQ(ui.statusEvents, (std::vector<std::string>{
                                 "create", "center", "text:Importing MSIE bookmarks", "destroy"}));
}

TEST_F(ImportLogFile, WorkGoesOnWhenNoStatusWindowCanBeMade) {
  ui.statusWindowAvailable = false;
  doc.openStatusWindow();
  ASSERT_NE(doc.statusWindow(), nullptr);
  doc.statusWindow()->setText("Sorting...");
  ASSERT_TRUE(doc.addFolder("\\", true));
  bookmark(0, "a", "u1");
  bookmark(0, "A", "u2");
  doc.sortAndResolve();
  EXPECT_EQ(doc.bookmark(1).name, "A (1)");
  doc.closeStatusWindow();
  EXPECT_TRUE(ui.statusEvents.empty());
}

}  // namespace
}  // namespace linkfold::test
