// The import log when it cannot be made, held or written, and its viewing; its entries and
// dates are library scenarios.
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
  void SetUp() override { fixClock(); }
  std::string logText() const { return temp.read("IMPLOG.TXT"); }
};

TEST_F(ImportLogFile, ALogThatCannotBeCreatedHeldElsewhereOrWrittenIsLeftAlone) {
  EXPECT_FALSE(doc.canViewImportLog());
  temp.write("IMPLOG.TXT", "held by another import\r\n");
  EXPECT_TRUE(doc.canViewImportLog());
  const int other = ::open(temp.file("IMPLOG.TXT").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
  doc.setAdjustmentFlag();
  EXPECT_FALSE(doc.createLog());
  EXPECT_FALSE(doc.hasOpenLog());
  EXPECT_TRUE(doc.adjustmentFlag());  // only a created log clears it
  doc.logFatal("goes nowhere");
  EXPECT_EQ(logText(), "held by another import\r\n");
  ::close(other);
  EXPECT_TRUE(doc.createLog());
  // A directory that does not exist stops the creation even for root; a directory is no log.
  CLFDoc elsewhere(ui, settings, temp.file("missing/IMPLOG.TXT"));
  EXPECT_FALSE(elsewhere.createLog());
  CLFDoc onDirectory(ui, settings, temp.path());
  EXPECT_FALSE(onDirectory.canViewImportLog());
  // /dev/full takes the file's creation and refuses every write that reaches it.
  CLFDoc full(ui, settings, "/dev/full");
  ASSERT_TRUE(full.createLog());
  full.logLine("a line\n");
  full.closeLog();
  EXPECT_TRUE(full.logWriteFailed());
  doc.closeLog();
  EXPECT_FALSE(doc.logWriteFailed());
}

TEST_F(ImportLogFile, ViewImportLogOpensTheLogOrSaysWhereItIs) {
  doc.OnViewImportLog();
  EXPECT_EQ(ui.openedWithDesktop, std::vector<std::string>{doc.logPath()});
  EXPECT_TRUE(ui.messages.empty());
  ui.desktopOpenSucceeds = false;
  doc.OnViewImportLog();
  expectMessages(ui, {{MessageIcon::Information, "find it at:\n" + temp.file("IMPLOG.TXT")}});
}

// Where the display has no status window, the work goes on without one.
TEST_F(ImportLogFile, WorkGoesOnWithoutAStatusWindow) {
  ui.statusWindowAvailable = false;
  doc.openStatusWindow();
  ASSERT_NE(doc.statusWindow(), nullptr);
  doc.statusWindow()->setText("Sorting...");
  doc.statusWindow()->hide();
  doc.closeStatusWindow();
  EXPECT_EQ(doc.statusWindow(), nullptr);
  EXPECT_TRUE(ui.statusEvents.empty());
}

}  // namespace
}  // namespace linkfold::test
