// The tree view's commands outside the scenarios: the Rename dialog, New Folder's limits and
// Properties.

#include <gtest/gtest.h>

#include "core/view/ViewFixture.h"
#include "support/AllocationLimit.h"

namespace linkfold::test {
namespace {

using enum MessageIcon;

class Edit : public ViewTest {
 protected:
  void SetUp() override { buildLibrary(); }
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

}  // namespace
}  // namespace linkfold::test
