#include <gtest/gtest.h>

#include "core/view/EditFixture.h"

namespace linkfold::test {
namespace {

constexpr const char* kAskBookmark = "Are you sure you want to delete this bookmark?";
constexpr const char* kAskFolder = "Are you sure you want to delete this folder?";

// Root
//   Mixed    Keep (selected), Drop (not selected), both empty; so Mixed is partly selected
//   Solo     not selected, with the sole child Only (empty, not selected)
//   Tail     a bookmark "t", then its sub-folder Leaf holding "leaf"
//   bookmarks "one", "two"
class Delete : public EditFixture {
 protected:
  void SetUp() override {
    folder("Mixed\\Keep\\");
    folder("Mixed\\Drop\\");
    folder("Solo\\Only\\");
    bookmark(0, "one", "http://one/");
    bookmark(folder("Tail\\"), "t", "http://t/");
    bookmark(0, "two", "http://two/");
    bookmark(folder("Tail\\Leaf\\"), "leaf", "http://leaf/");
    view.OnUpdate();
    view.OnClick({item("Root Folder/Mixed/Drop"), kHitOnStateIcon});
    view.OnClick({item("Root Folder/Solo"), kHitOnStateIcon});
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
    EXPECT_MESSAGE(ui, i, kAskBookmark, Question);
    EXPECT_EQ(ui.messages[i].buttons, MessageButtons::YesNo);
  }
  EXPECT_EQ(doc.bookmarkCount(), 3u);
  EXPECT_TRUE(doc.isModified());
  expectTreeMatchesLibrary();
  EXPECT_EQ(ui.waitCursorDepth, 0);
}

TEST_F(Delete, WithoutConfirmationAFolderGoesAtOnce) {
  view.options().confirmFolderDelete = false;
  select("Root Folder/Mixed/Keep");  // index 1, below every other folder index
  view.OnDelete();
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(doc.isModified());
  EXPECT_FALSE(doc.findFolder("Mixed\\Keep\\"));
  expectTreeMatchesLibrary();
}

TEST_F(Delete, TheLastUnselectedSubFolderLeavesItsParentSelected) {
  view.options().confirmFolderDelete = false;
  ASSERT_EQ(view.tree().state(item("Root Folder/Mixed")), kPartlySelected);
  select("Root Folder/Mixed/Drop");
  view.OnDelete();
  EXPECT_EQ(view.tree().state(item("Root Folder/Mixed")), kSelected);
  // The root is still partly selected because of Solo.
  EXPECT_EQ(view.tree().state(view.tree().root()), kPartlySelected);
  expectTreeMatchesLibrary();
}

TEST_F(Delete, AFolderLeftEmptyBecomesSelected) {
  ui.answer(Answer::Yes);
  select("Root Folder/Solo/Only");
  ASSERT_EQ(view.tree().state(item("Root Folder/Solo")), kNotSelected);
  view.OnDelete();
  EXPECT_MESSAGE(ui, 0, kAskFolder, Question);
  EXPECT_EQ(view.tree().state(item("Root Folder/Solo")), kSelected);
  EXPECT_EQ(view.tree().state(view.tree().root()), kPartlySelected);  // Mixed keeps it so
  expectTreeMatchesLibrary();
}

TEST_F(Delete, APartlySelectedParentWithOtherUnselectedFoldersKeepsItsState) {
  view.options().confirmFolderDelete = false;
  folder("Mixed\\Third\\");
  view.OnUpdate();
  view.OnClick({item("Root Folder/Mixed/Third"), kHitOnStateIcon});
  select("Root Folder/Mixed/Drop");
  view.OnDelete();
  EXPECT_EQ(view.tree().state(item("Root Folder/Mixed")), kPartlySelected);
  expectTreeMatchesLibrary();
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
    const CommandState state = view.OnUpdateDelete();
    EXPECT_EQ(state.enabled, c.enabled) << c.path;
    EXPECT_EQ(state.text, c.text) << c.path;
  }
  view.OnDelete();  // on the root: disabled, so not even a question
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Delete, NoFolderCanBeDeletedFromALibraryWithoutBookmarks) {
  view.options().confirmBookmarkDelete = false;
  for (const char* path :
       {"Root Folder/one", "Root Folder/two", "Root Folder/Tail/t", "Root Folder/Tail/Leaf/leaf"}) {
    select(path);
    view.OnDelete();
  }
  ASSERT_EQ(doc.bookmarkCount(), 0u);
  select("Root Folder/Mixed/Keep");
  const CommandState state = view.OnUpdateDelete();
  EXPECT_FALSE(state.enabled);
  EXPECT_FALSE(state.text.has_value());
  view.OnDelete();
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(doc.findFolder("Mixed\\Keep\\"));
}

}  // namespace
}  // namespace linkfold::test
