// The tree view's commands on an item outside the scenarios: Rename, Delete, New Folder,
// Properties, Open and the clipboard.

#include <gtest/gtest.h>

#include "core/view/ViewFixture.h"
#include "support/AllocationLimit.h"

namespace linkfold::test {
namespace {

using enum MessageIcon;

class Edit : public ViewTest {
 protected:
  void SetUp() override { buildLibrary(); }
  // "1" or "0" for enabled, then "f" or "b" for a text naming a folder or a bookmark, or "-".
  static std::string offered(const CommandState& state) {
    const std::string text = state.text.value_or("-");
    return std::to_string(state.enabled) + (text.find("folder") != std::string::npos     ? "f"
                                            : text.find("bookmark") != std::string::npos ? "b"
                                                                                         : "-");
  }
};

TEST(RenameDialog, CountsFiftyCharactersNotBytes) {
  FakeUi ui;
  CRenameDlg dialog("Folder", "");
  for (int i = 0; i < 50; ++i) dialog.name += "\xC3\xA9";  // 50 characters in 100 bytes
  EXPECT_TRUE(dialog.acceptOk(ui));
  dialog.name += "e";
  EXPECT_FALSE(dialog.acceptOk(ui));
  EXPECT_EQ(dialog.title(), "Rename Folder");
}

// Each command is offered only where it applies; disabled, it shows nothing at all.
TEST_F(Edit, RenameDeleteAndPropertiesAreOfferedOnlyWhereTheyApply) {
  // A with all it holds, the empty C, a bookmark, the locked L and the root.
  const std::pair<const char*, std::string> cases[] = {
      {"A", "1f1f0-"}, {"C", "1f1f0-"}, {"top", "1b1b1-"}, {"L", "0f0f0-"}, {"", "0f0f0-"}};
  for (const auto& [path, expected] : cases) {
    select(path);
    EXPECT_EQ(offered(view.OnUpdateRename()) + offered(view.OnUpdateDelete()) +
                  offered(view.OnUpdateProperties()),
              expected)
        << path;
  }
  view.OnRename();  // on the root
  view.OnDelete();
  view.OnProperties();
  view.tree().setData(select("top"), 99);  // no such bookmark: no dialog
  view.OnProperties();
  EXPECT_EQ(ui.dialogsShown, 0);
  view.tree().select(kNoItem);
  EXPECT_EQ(offered(view.OnUpdateRename()) + offered(view.OnUpdateDelete()), "0-0-");
  // Without bookmarks in the library not even an empty folder may be deleted.
  while (doc.bookmarkCount() > 0) doc.removeBookmark(0);
  view.OnUpdate();
  select("C");
  EXPECT_EQ(offered(view.OnUpdateDelete()), "0-");
  view.OnDelete();
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(doc.findFolder("C\\"));
}

TEST_F(Edit, AFolderTableThatCannotGrowIsReported) {
  // The folder table grows by doubling: at 64 entries the next one needs a new block of 128.
  for (int i = 0; doc.folderCount() < 64; ++i) folder("Filler " + std::to_string(i) + "\\");
  view.OnUpdate();
  const int refusedBefore = ScopedAllocationLimit::refusals();
  {
    select("B");
    ScopedAllocationLimit limit(1024);  // far less than 128 entries
    view.OnNewFolder();
  }
  EXPECT_GT(ScopedAllocationLimit::refusals(), refusedBefore);
  expectMessages(ui, {{Information, "could not create path item"}});
  EXPECT_EQ(doc.folderCount(), 64u);
  EXPECT_EQ(labels("B"), "beta2|zulu|");
  EXPECT_FALSE(doc.isModified());
}

// The Favorites folder path counts against the room left for the new folder's name.
struct NewFolderBelowFavorites : ViewTest {
  NewFolderBelowFavorites() : ViewTest(favoritesOnly("/" + std::string(168, 'f') + "/")) {}
};

TEST_F(NewFolderBelowFavorites, AParentPathOverOneHundredAndEightyIsRefused) {
  folder("abcdefghi\\");   // 170 + 10
  folder("abcdefghij\\");  // 170 + 11
  view.OnUpdate();
  for (const char* path : {"abcdefghij", "abcdefghi"}) {
    select(path);
    view.OnNewFolder();
  }
  expectMessages(ui, {{Information, "Cannot create a new folder here"}});
  EXPECT_EQ(labels("abcdefghij") + labels("abcdefghi"), "New Folder|");
}

constexpr std::uint32_t kAdded = 1000000000;  // September 2001

class Properties : public Edit {
 protected:
  void SetUp() override {
    ASSERT_TRUE(doc.addBookmark(folder("Site\\"), "Page", "http://site/page", "", kAdded, 0, 0));
    view.OnUpdate();
    select("Site/Page");
  }
  // Scripts one OK with the URL typed and what the field's undo would bring back; then, when
  // given, the URL the dialog must show after a refusal, where it is cancelled.
  void typeUrl(std::string url, std::optional<std::string> undo = std::nullopt,
               std::optional<std::string> thenShown = std::nullopt) {
    ui.onDialog<CPropertiesDlg>([url, undo](CPropertiesDlg& dialog) {
      dialog.url = url;
      dialog.urlUndo = undo;
      return true;
    });
    if (thenShown)
      ui.onDialog<CPropertiesDlg>([thenShown](CPropertiesDlg& dialog) {
        EXPECT_EQ(dialog.url, *thenShown);
        return false;
      });
    view.OnProperties();
  }
};

// The dialog shows the record, unknown dates as question marks; only a changed URL is stored,
// exactly as typed, and a blank one is refused.
TEST_F(Properties, OnlyAChangedUrlIsStoredExactlyAsTypedAndABlankOneIsRefused) {
  fixClock();
  ui.onDialog<CPropertiesDlg>([](CPropertiesDlg& dialog) {
    EXPECT_EQ(dialog.name + " " + dialog.url, "Page http://site/page");
    EXPECT_EQ(dialog.dateAdded, "Sunday, September 09, 2001 01:46:40");
    EXPECT_EQ(dialog.dateModified + dialog.lastVisit, "??????");
    return false;  // Cancel
  });
  view.OnProperties();
  EXPECT_FALSE(doc.isModified());
  typeUrl(" \t ", "http://site/page", "http://site/page");  // the undo brings it back
  typeUrl("", std::nullopt, "");                            // a field that cannot undo
  expectMessages(ui, ShownMessages(2, {Information, "blank"}));
  typeUrl("http://site/page");
  EXPECT_FALSE(doc.isModified());
  typeUrl("  http://site/Page\t");
  EXPECT_EQ(doc.bookmark(0).url, "  http://site/Page\t");
  EXPECT_EQ(doc.bookmark(0).name, "Page");
  EXPECT_TRUE(doc.isModified());
}

using OpenAndClipboard = ViewTest;

TEST_F(OpenAndClipboard, OpensTheBookmarkOrTheFoldersBookmarksAskingBeyondTenNamingFailures) {
  buildLibrary();
  select("A/Beta");
  view.OnOpenInBrowser();
  EXPECT_EQ(ui.openedUrls, std::vector<std::string>{"http://Beta/"});
  select("A");  // its own bookmarks, not the sub-folder's
  EXPECT_NE(view.OnUpdateOpenInBrowser().text.value_or("").find("All"), std::string::npos);
  ui.openedUrls.clear();
  view.OnOpenInBrowser();
  EXPECT_EQ(ui.openedUrls.size(), 3u);
  EXPECT_TRUE(ui.messages.empty());
  for (int i = 0; i < 8; ++i)
    bookmark(1, "more" + std::to_string(i), "http://m/" + std::to_string(i));
  view.OnUpdate();
  select("A");
  ui.openedUrls.clear();
  ui.answer(Answer::No);
  view.OnOpenInBrowser();
  EXPECT_TRUE(ui.openedUrls.empty());
  EXPECT_EQ(ui.messages.at(0).buttons, MessageButtons::YesNo);
  select("C");  // nothing in it
  EXPECT_FALSE(view.OnUpdateOpenInBrowser().enabled);
  // A URL the desktop cannot open is named.
  ui.messages.clear();
  doc.setBookmarkUrl(view.tree().data(select("top")), "unopenable:x");
  view.OnOpenInBrowser();
  EXPECT_MESSAGE(ui, 0, "The desktop could not open this URL:\nunopenable:x", Exclamation);
}

}  // namespace
}  // namespace linkfold::test
