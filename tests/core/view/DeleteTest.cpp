#include <gtest/gtest.h>

#include "core/view/ViewFixture.h"

namespace linkfold::test {
namespace {

constexpr const char* kAskFolder = "Are you sure you want to delete this folder?";

// Root
//   Mixed    Keep (selected), Drop (not selected): partly selected
//   Trio     Keep (selected), Drop and Third (not selected): partly selected
//   Solo     not selected, with its sole child Only (not selected)
//   Tail     a sub-folder Leaf holding "leaf", and a bookmark "t"
//   bookmarks "one", "two"
class Delete : public ViewTest {
 protected:
  void SetUp() override {
    folder("Mixed\\Keep\\");  // index 1, below every other folder index
    folder("Mixed\\Drop\\");
    for (const char* sub : {"Keep", "Drop", "Third"}) folder(std::string("Trio\\") + sub + "\\");
    folder("Solo\\Only\\");
    bookmark(0, "one", "http://one/");
    bookmark(folder("Tail\\"), "t", "http://t/");
    bookmark(0, "two", "http://two/");
    bookmark(folder("Tail\\Leaf\\"), "leaf", "http://leaf/");
    view.OnUpdate();
    for (const char* path : {"Mixed/Drop", "Trio/Drop", "Trio/Third", "Solo"})
      view.OnClick({item(std::string("Root Folder/") + path), kHitOnStateIcon});
  }
};

TEST_F(Delete, ABookmarkGoesAfterYesAndTheOtherItemsAreRenumbered) {
  select("Root Folder/one");
  ui.answer(Answer::No);
  view.OnDelete();
  EXPECT_EQ(doc.bookmarkCount(), 4u);
  EXPECT_FALSE(doc.isModified());
  ui.answer(Answer::Yes);
  view.OnDelete();
  ASSERT_EQ(ui.messages.size(), 2u);
  for (int i = 0; i < 2; ++i) {
    EXPECT_MESSAGE(ui, i, "Are you sure you want to delete this bookmark?", Question);
    EXPECT_EQ(ui.messages[i].buttons, MessageButtons::YesNo);
  }
  EXPECT_EQ(doc.bookmarkCount(), 3u);
  EXPECT_TRUE(doc.isModified());
  expectTreeMatchesLibrary();
  EXPECT_EQ(ui.waitCursorDepth, 0);
}

// The parent becomes selected when it was partly selected only because of the deleted folder,
// or when it is left empty.
TEST_F(Delete, AFolderGoesAfterYesAndItsParentMayBecomeSelected) {
  for (const char* path : {"Mixed/Drop", "Trio/Drop", "Solo/Only"}) {
    select(std::string("Root Folder/") + path);
    ui.answer(Answer::Yes);
    view.OnDelete();
  }
  EXPECT_EQ(outline(),
            "L Root Folder:3{F Mixed:2{F Keep:2}, F Solo:2, F Tail:2{F Leaf:2{B leaf}, B t}, "
            "F Trio:3{F Keep:2, F Third:1}, B one, B two}");
  ASSERT_EQ(ui.messages.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_MESSAGE(ui, i, kAskFolder, Question);
  EXPECT_TRUE(doc.isModified());
  expectTreeMatchesLibrary();
}

TEST_F(Delete, WithoutConfirmationAFolderGoesAtOnce) {
  view.options().confirmFolderDelete = false;
  select("Root Folder/Mixed/Keep");
  view.OnDelete();
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(doc.isModified());
  EXPECT_FALSE(doc.findFolder("Mixed\\Keep\\"));
  expectTreeMatchesLibrary();
}

// Items whose library entry is not what the tree shows (the two out of step) are left alone.
TEST_F(Delete, WhatTheLibraryCannotRemoveStaysInTheTree) {
  view.options().confirmFolderDelete = false;
  view.tree().setData(item("Root Folder/one"), 99);
  bookmark(view.tree().data(item("Root Folder/Mixed/Keep")), "hidden", "http://hidden/");
  const std::string before = outline();
  for (const char* path : {"Root Folder/one", "Root Folder/Mixed/Keep"}) {
    select(path);
    view.OnDelete();  // not even a question for the bookmark
  }
  EXPECT_EQ(outline(), before);
  EXPECT_EQ(doc.bookmarkCount(), 5u);
  EXPECT_TRUE(doc.findFolder("Mixed\\Keep\\"));
  EXPECT_FALSE(doc.isModified());
}

TEST_F(Delete, IsOfferedForBookmarksAndEmptyOrdinaryFoldersWhileTheLibraryHasBookmarks) {
  const struct {
    const char* path;
    bool enabled;
    const char* text;
  } cases[] = {{"Root Folder/one", true, "&Delete bookmark\tDel"},
               {"Root Folder/Mixed/Keep", true, "&Delete folder\tDel"},
               {"Root Folder/Mixed", false, "&Delete folder\tDel"},
               {"Root Folder", false, "&Delete folder\tDel"}};
  for (const auto& c : cases) {
    select(c.path);
    EXPECT_EQ(view.OnUpdateDelete().enabled, c.enabled) << c.path;
    EXPECT_EQ(view.OnUpdateDelete().text, c.text) << c.path;
  }
  view.OnDelete();  // on the root: disabled, so not even a question
  while (doc.bookmarkCount() > 0) doc.removeBookmark(0);
  view.OnUpdate();
  select("Root Folder/Mixed/Keep");
  EXPECT_FALSE(view.OnUpdateDelete().enabled);
  EXPECT_FALSE(view.OnUpdateDelete().text.has_value());
  view.OnDelete();
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(doc.findFolder("Mixed\\Keep\\"));
}

}  // namespace
}  // namespace linkfold::test
