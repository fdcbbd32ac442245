#include <gtest/gtest.h>

#include "support/AllocationLimit.h"
#include "core/view/EditFixture.h"

namespace linkfold::test {
namespace {

constexpr const char* kPathTooLong =
    "Path to this folder is too long.\nCannot create a new folder here.";

// Root
//   Busy     not selected; sub-folders "New Folder" and "new folder (1)", not selected
//   Plain    not selected; only a bookmark "p"
//   Locked   locked
class NewFolder : public EditFixture {
 protected:
  explicit NewFolder(BrowserDetection browsers = {}) : EditFixture(std::move(browsers)) {}

  void SetUp() override {
    folder("Busy\\New Folder\\");
    folder("Busy\\new folder (1)\\");
    bookmark(folder("Plain\\"), "p", "http://p/");
    ASSERT_TRUE(doc.addFolder("Locked\\", true));
    view.OnUpdate();
    view.OnClick({item("Root Folder/Busy"), kHitOnStateIcon});
    view.OnClick({item("Root Folder/Plain"), kHitOnStateIcon});
  }

  std::string folderPath(TreeItem i) { return doc.folder(view.tree().data(i)).path; }
};

TEST_F(NewFolder, OnABookmarkItGoesIntoTheBookmarksFolderAndSelectsIt) {
  select("Root Folder/Plain/p");
  view.OnNewFolder();
  const TreeItem added = item("Root Folder/Plain/New Folder");
  EXPECT_EQ(folderPath(added), "Plain\\New Folder\\");
  EXPECT_EQ(view.tree().selected(), added);
  EXPECT_TRUE(view.tree().isExpanded(item("Root Folder/Plain")));
  // Its only sub-folder is selected, so the folder is too.
  EXPECT_EQ(view.tree().state(item("Root Folder/Plain")), kSelected);
  EXPECT_TRUE(doc.isModified());
  EXPECT_TRUE(ui.messages.empty());
  expectTreeMatchesLibrary();
}

TEST_F(NewFolder, TheNameCountsUpPastNamesTakenInAnyLetterCase) {
  select("Root Folder/Busy");
  view.OnNewFolder();
  select("Root Folder/Busy");
  view.OnNewFolder();
  EXPECT_EQ(outline(),
            "L Root Folder:3\n"
            "  F Busy:3\n"  // unselected sub-folders beside the new ones: partly selected
            "    F New Folder:1\n"
            "    F new folder (1):1\n"
            "    F New Folder (2):2\n"
            "    F New Folder (3):2\n"
            "  L Locked:2\n"
            "  F Plain:1\n"
            "    B p\n");
  expectTreeMatchesLibrary();
}

TEST_F(NewFolder, TheRootAndLockedFoldersTakeNewFoldersToo) {
  select("Root Folder");
  view.OnNewFolder();
  EXPECT_EQ(folderPath(item("Root Folder/New Folder")), "New Folder\\");
  select("Root Folder/Locked");
  view.OnNewFolder();
  const TreeItem inLocked = item("Root Folder/Locked/New Folder");
  EXPECT_EQ(folderPath(inLocked), "Locked\\New Folder\\");
  EXPECT_EQ(view.tree().image(inLocked), kImageFolder);
  expectTreeMatchesLibrary();
}

TEST_F(NewFolder, ARefusedTreeInsertionTakesTheFolderBack) {
  for (bool modifiedBefore : {false, true}) {
    doc.setModifiedFlag(modifiedBefore);
    const std::uint32_t folders = doc.folderCount();
    const std::string before = outline();
    view.tree().setItemLimit(view.tree().itemCount());
    select("Root Folder/Plain");
    view.OnNewFolder();
    EXPECT_MESSAGE(ui, 0, "Internal error -- could not insert item into the tree control.",
                   Information);
    EXPECT_EQ(doc.folderCount(), folders);
    EXPECT_FALSE(doc.findFolder("Plain\\New Folder\\"));
    EXPECT_EQ(doc.isModified(), modifiedBefore);
    EXPECT_EQ(outline(), before);
    ui.messages.clear();
  }
}

TEST_F(NewFolder, AFolderTableThatCannotGrowIsReported) {
  // The folder table grows by doubling: at 64 entries the next one needs a new block of 128.
  for (int i = 0; doc.folderCount() < 64; ++i) folder("Filler " + std::to_string(i) + "\\");
  view.OnUpdate();
  select("Root Folder/Plain");
  const std::uint32_t folders = doc.folderCount();
  const int refusedBefore = ScopedAllocationLimit::refusals();
  {
    ScopedAllocationLimit limit(1024);  // far less than 128 entries
    view.OnNewFolder();
  }
  EXPECT_GT(ScopedAllocationLimit::refusals(), refusedBefore);
  EXPECT_MESSAGE(ui, 0, "Internal error -- could not create path item.", Information);
  EXPECT_EQ(doc.folderCount(), folders);
  EXPECT_EQ(view.tree().children(item("Root Folder/Plain")).size(), 1u);
  EXPECT_FALSE(doc.isModified());
}

// The Favorites folder path counts against the room left for the new folder's name.
class NewFolderBelowFavorites : public NewFolder {
 protected:
  static BrowserDetection favoritesOf170() {
    BrowserDetection browsers;
    browsers.msiePresent = true;
    browsers.favoritesPath = "/" + std::string(168, 'f') + "/";
    return browsers;
  }
  NewFolderBelowFavorites() : NewFolder(favoritesOf170()) {}
};

TEST_F(NewFolderBelowFavorites, AParentPathOverOneHundredAndEightyIsRefused) {
  folder("abcdefghi\\");   // 170 + 10
  folder("abcdefghij\\");  // 170 + 11
  view.OnUpdate();
  select("Root Folder/abcdefghij");
  view.OnNewFolder();
  EXPECT_MESSAGE(ui, 0, kPathTooLong, Information);
  EXPECT_FALSE(view.tree().hasChildren(item("Root Folder/abcdefghij")));
  EXPECT_FALSE(doc.isModified());

  select("Root Folder/abcdefghi");
  view.OnNewFolder();
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(doc.findFolder("abcdefghi\\New Folder\\"));
}

}  // namespace
}  // namespace linkfold::test
