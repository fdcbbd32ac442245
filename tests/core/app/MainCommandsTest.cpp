// The main window's command routing: each id reaches its handler, a disabled command does
// nothing, and the recent-file list and the title follow opens and saves.
#include <gtest/gtest.h>

#include "app/MainCommands.h"
#include "app/MainMenu.h"
#include "browsers/commands/AppSession.h"
#include "browsers/commands/ExportCommands.h"
#include "browsers/detection/BrowserDetector.h"
#include "library/CLFDoc.h"
#include "library/DocumentCommands.h"
#include "platform/Settings.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"
#include "tools/Finder.h"
#include "tools/WeedDialog.h"
#include "view/CLFView.h"
#include "view/EditDialogs.h"

namespace linkfold::test {
namespace {

class RecordingFrame : public FrameControls {
 public:
  bool isBarVisible(FrameBar bar) const override { return visible[static_cast<int>(bar)]; }
  void setBarVisible(FrameBar bar, bool on) override { visible[static_cast<int>(bar)] = on; }
  void showAbout() override { calls += "about "; }
  void closeWindow() override { calls += "close "; }
  void showHelpContents() override { calls += "contents "; }
  void showContextHelp() override { calls += "context "; }
  void enterContextHelpMode() override { calls += "what's-this "; }
  void setClipboard(const ClipboardData& data) override { clipboardData = data; }
  ClipboardData clipboard() const override { return clipboardData; }
  void focusFilter() override { calls += "filter "; }

  ClipboardData clipboardData;

  bool visible[2] = {true, true};
  std::string calls;
};

class MainCommandsTest : public ::testing::Test {
 protected:
  MainCommandsTest() {
    DetectionEnvironment environment;
    environment.variable = [](const std::string&) { return std::nullopt; };
    environment.shortcutObjectAvailable = [] { return true; };
    temp.write("none.reg", "Windows Registry Editor Version 5.00\n\n");
    session = std::make_unique<AppSession>(ui, settings, temp.file("none.reg"),
                                           temp.file("IMPLOG.TXT"), environment);
    view = std::make_unique<CLFView>(session->document(), ui, settings);
    session->setDocumentChanged([this] { view->OnUpdate(); });
    finder = std::make_unique<Finder>(*view);
    exports = std::make_unique<ExportCommands>(*view);
    commands = std::make_unique<MainCommands>(*session, *view, *finder, *exports, recent, frame);
    session->documentCommands().fileNew();
    ui.messages.clear();
  }

  void addBookmarks() {
    CLFDoc& doc = session->document();
    doc.addBookmark(0, "Debian", "https://www.debian.org/", "", 0, 0, 0);
    doc.addBookmark(0, "Debian home", "https://www.debian.org/", "", 0, 0, 0);
    doc.setModifiedFlag();
    view->OnUpdate();
  }

  FakeUi ui;
  InMemorySettings settings;
  TempDir temp;
  RecentFileList recent;
  RecordingFrame frame;
  std::unique_ptr<AppSession> session;
  std::unique_ptr<CLFView> view;
  std::unique_ptr<Finder> finder;
  std::unique_ptr<ExportCommands> exports;
  std::unique_ptr<MainCommands> commands;
};

TEST_F(MainCommandsTest, UpdateHandlersFollowTheLibraryAndGuardTheCommands) {
  const struct {
    std::uint32_t command;
    bool emptyLibrary, twoBookmarks;
  } cases[] = {{kCmdFileNew, true, true},      {kCmdFileSave, false, true},
               {kCmdFind, false, true},        {kCmdWeedDuplicates, false, true},
               {kCmdExportText, false, true},  {kCmdNewFolder, true, true},
               {kCmdRecentFile1, false, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(commands->update(c.command).enabled, c.emptyLibrary) << c.command;
    EXPECT_EQ(c.emptyLibrary || commands->run(c.command), c.emptyLibrary) << c.command;
  }
  EXPECT_EQ(ui.dialogsShown, 0);
  EXPECT_TRUE(ui.fileRequests.empty() && ui.messages.empty());
  addBookmarks();
  for (const auto& c : cases)
    EXPECT_EQ(commands->update(c.command).enabled, c.twoBookmarks) << c.command;
}

TEST_F(MainCommandsTest, EachCommandReachesItsHandler) {
  const std::pair<std::uint32_t, const char*> frameCases[] = {
      {kCmdAppAbout, "about "},       {kCmdAppExit, "close "}, {kCmdHelpFinder, "contents "},
      {kCmdDefaultHelp, "contents "}, {kCmdHelp, "context "},  {kCmdContextHelp, "what's-this "},
      {kCmdFilter, "filter "}};
  for (const auto& [command, calls] : frameCases) {
    frame.calls.clear();
    EXPECT_TRUE(commands->run(command));
    EXPECT_EQ(frame.calls, calls) << command;
  }
  EXPECT_TRUE(commands->run(kCmdIntroduction));
  EXPECT_EQ(ui.helpTopics, (std::vector<std::uint32_t>{0x5800}));

  // Toggles flip what their update handler checks.
  for (const std::uint32_t toggle :
       std::initializer_list<std::uint32_t>{kCmdConfirmBookmarkDelete, kCmdConfirmFolderDelete,
                                            kCmdFollow, kCmdViewToolbar, kCmdViewStatusBar}) {
    const bool before = commands->update(toggle).checked;
    EXPECT_TRUE(commands->run(toggle));
    EXPECT_NE(commands->update(toggle).checked, before) << toggle;
  }
  EXPECT_FALSE(frame.visible[0] || frame.visible[1]);

  // New asks before it discards the library.
  addBookmarks();
  ui.answer(Answer::Cancel);
  EXPECT_TRUE(commands->run(kCmdFileNew));
  EXPECT_EQ(session->document().bookmarkCount(), 2u);
  EXPECT_EQ(ui.messages.size(), 1u);
}

// Undo and Redo stand disabled with nothing to take; Cut is Copy then Delete; Paste reads the
// window's clipboard.
TEST_F(MainCommandsTest, UndoRedoCutAndPasteReachTheView) {
  EXPECT_FALSE(commands->update(kCmdUndo).enabled || commands->update(kCmdRedo).enabled);
  addBookmarks();
  view->tree().select(view->tree().firstChild(view->tree().root()));
  ui.onDialog<CRenameDlg>([](CRenameDlg& d) { return d.name = "Ubuntu", true; });
  EXPECT_TRUE(commands->run(kCmdRename));
  EXPECT_NE(commands->update(kCmdUndo).text.value_or("").find("Rename"), std::string::npos);
  EXPECT_TRUE(commands->run(kCmdUndo));
  EXPECT_EQ(session->document().bookmark(0).name, "Debian");
  EXPECT_TRUE(commands->run(kCmdRedo));
  EXPECT_EQ(session->document().bookmark(0).name, "Ubuntu");
  EXPECT_FALSE(commands->run(kCmdRedo));
  CSortedTreeCtrl& tree = view->tree();
  tree.select(tree.children(tree.root()).front());
  ui.answer(Answer::Yes);  // Delete's question
  EXPECT_TRUE(commands->run(kCmdCut));
  EXPECT_EQ(frame.clipboardData.text, "https://www.debian.org/");
  EXPECT_EQ(session->document().bookmarkCount(), 1u);
  tree.select(tree.root());
  EXPECT_TRUE(commands->run(kCmdPaste));
  EXPECT_EQ(session->document().bookmarkCount(), 2u);
}

TEST_F(MainCommandsTest, WeedingKeepsTheTreesExpansionAndSelection) {
  addBookmarks();
  CLFDoc& doc = session->document();
  doc.addFolder("Sub\\", false);
  doc.addBookmark(*doc.findFolder("Sub\\"), "Inner", "http://inner/", "", 0, 0, 0);
  view->OnUpdate();
  CSortedTreeCtrl& tree = view->tree();
  const TreeItem sub = tree.children(tree.root()).front();
  tree.expand(sub, CSortedTreeCtrl::Expand::Expand);
  tree.select(tree.children(sub).front());
  ui.onDialog<WeedDialog>([](WeedDialog& dialog) { return dialog.toggle(1); });
  ui.answer(Answer::Yes);  // remove the other one
  EXPECT_TRUE(commands->run(kCmdWeedDuplicates));
  ASSERT_EQ(doc.bookmarkCount(), 2u);
  EXPECT_TRUE(tree.isExpanded(tree.children(tree.root()).front()));
  EXPECT_EQ(tree.label(tree.selected()), "Inner");
}

TEST_F(MainCommandsTest, OpensAndSavesKeepTheRecentFilesAndTheTitle) {
  addBookmarks();
  ui.nextSaveFile(temp.file("Work.bml"));
  EXPECT_TRUE(commands->run(kCmdFileSaveAs));
  EXPECT_EQ(commands->windowTitle(), "Work.bml[*] - Linkfold");
  EXPECT_EQ(recent.entries(), std::vector<std::string>{temp.file("Work.bml")});

  // A vanished file leaves the list when its entry is chosen.
  recent.add(temp.file("Gone.bml"));
  EXPECT_TRUE(commands->run(kCmdRecentFile1));
  EXPECT_EQ(recent.entries(), std::vector<std::string>{temp.file("Work.bml")});

  // A failed save keeps the list as it was.
  ui.nextSaveFile(temp.file("no-such-folder/Other.bml"));
  EXPECT_TRUE(commands->run(kCmdFileSaveAs));
  EXPECT_EQ(recent.entries(), std::vector<std::string>{temp.file("Work.bml")});

  ui.messages.clear();
  EXPECT_TRUE(commands->openFile(temp.file("Work.bml")));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(commands->windowTitle(), "Work.bml[*] - Linkfold");
  EXPECT_TRUE(commands->canClose());
}

}  // namespace
}  // namespace linkfold::test
