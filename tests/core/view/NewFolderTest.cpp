#include <gtest/gtest.h>

#include "core/view/ViewFixture.h"
#include "support/AllocationLimit.h"

namespace linkfold::test {
namespace {

// Root
//   Busy     not selected; sub-folders "New Folder" and "new folder (1)", not selected
//   Plain    not selected; only a bookmark "p"
//   Locked   locked
class NewFolder : public ViewTest {
 protected:
  explicit NewFolder(BrowserDetection browsers = {}) : ViewTest(std::move(browsers)) {}
  void SetUp() override {
    folder("Busy\\New Folder\\");
    folder("Busy\\new folder (1)\\");
    bookmark(folder("Plain\\"), "p", "http://p/");
    ASSERT_TRUE(doc.addFolder("Locked\\", true));
    view.OnUpdate();
    view.OnClick({item("Root Folder/Busy"), kHitOnStateIcon});
    view.OnClick({item("Root Folder/Plain"), kHitOnStateIcon});
  }
  void newFolderIn(const std::string& path) {
    select(path);
    view.OnNewFolder();
  }
};

TEST_F(NewFolder, GoesIntoTheSelectedFolderWithANameNotTakenInAnyLetterCase) {
  newFolderIn("Root Folder/Plain/p");  // a bookmark stands for its folder
  EXPECT_EQ(view.tree().selected(), item("Root Folder/Plain/New Folder"));
  newFolderIn("Root Folder/Busy");
  newFolderIn("Root Folder/Busy");
  newFolderIn("Root Folder/Locked");  // locked folders and the root take new folders too
  newFolderIn("Root Folder");
  // A folder whose only sub-folder is the new one becomes selected; one with unselected
  // sub-folders beside the new ones becomes partly selected.
  EXPECT_EQ(outline(),
            "L Root Folder:3{F Busy:3{F New Folder:1, F new folder (1):1, F New Folder (2):2, "
            "F New Folder (3):2}, L Locked:2{F New Folder:2}, F New Folder:2, "
            "F Plain:2{F New Folder:2, B p}}");
  EXPECT_EQ(doc.folder(view.tree().data(item("Root Folder/Locked/New Folder"))).path,
            "Locked\\New Folder\\");
  EXPECT_TRUE(view.tree().isExpanded(item("Root Folder/Plain")));
  EXPECT_TRUE(doc.isModified());
  EXPECT_TRUE(ui.messages.empty());
  expectTreeMatchesLibrary();
}

TEST_F(NewFolder, ARefusedTreeInsertionTakesTheFolderBack) {
  for (bool modifiedBefore : {false, true}) {
    doc.setModifiedFlag(modifiedBefore);
    const std::string before = outline();
    view.tree().setItemLimit(view.tree().itemCount());
    newFolderIn("Root Folder/Plain");
    EXPECT_MESSAGE(ui, 0, "Internal error -- could not insert item into the tree control.",
                   Information);
    EXPECT_FALSE(doc.findFolder("Plain\\New Folder\\"));
    EXPECT_EQ(doc.isModified(), modifiedBefore);
    EXPECT_EQ(outline(), before);
    expectTreeMatchesLibrary();
    ui.messages.clear();
  }
}

TEST_F(NewFolder, AFolderTableThatCannotGrowIsReported) {
  // The folder table grows by doubling: at 64 entries the next one needs a new block of 128.
  for (int i = 0; doc.folderCount() < 64; ++i) folder("Filler " + std::to_string(i) + "\\");
  view.OnUpdate();
  const int refusedBefore = ScopedAllocationLimit::refusals();
  {
    ScopedAllocationLimit limit(1024);  // far less than 128 entries
    newFolderIn("Root Folder/Plain");
  }
  EXPECT_GT(ScopedAllocationLimit::refusals(), refusedBefore);
  EXPECT_MESSAGE(ui, 0, "Internal error -- could not create path item.", Information);
  EXPECT_EQ(doc.folderCount(), 64u);
  EXPECT_EQ(labels("Root Folder/Plain"), "p|");
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
  newFolderIn("Root Folder/abcdefghij");
  EXPECT_MESSAGE(ui, 0, "Path to this folder is too long.\nCannot create a new folder here.",
                 Information);
  EXPECT_FALSE(view.tree().hasChildren(item("Root Folder/abcdefghij")));
  EXPECT_FALSE(doc.isModified());
  newFolderIn("Root Folder/abcdefghi");
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(doc.findFolder("abcdefghi\\New Folder\\"));
}

}  // namespace
}  // namespace linkfold::test
