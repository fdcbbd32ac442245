// The tree view's editing commands: Rename, Delete, New Folder and Properties.

#include <gtest/gtest.h>

#include "core/view/ViewFixture.h"
#include "support/AllocationLimit.h"

namespace linkfold::test {
namespace {

using enum MessageIcon;

class Edit : public ViewTest {
 protected:
  void SetUp() override { buildLibrary(); }
  void rename(const std::string& path, const std::vector<std::string>& typed,
              bool thenCancel = false) {
    select(path);
    typeInRename(typed, thenCancel);
    view.OnRename();
  }
  void newFolderIn(const std::string& path) {
    select(path);
    view.OnNewFolder();
  }
  // "1" or "0" for enabled, then "f" or "b" for a text naming a folder or a bookmark, or "-".
  static std::string offered(const CommandState& state) {
    const std::string text = state.text.value_or("-");
    return std::to_string(state.enabled) + (text.find("folder") != std::string::npos     ? "f"
                                            : text.find("bookmark") != std::string::npos ? "b"
                                                                                         : "-");
  }
};

// Names are trimmed and cleaned, clash only with items of the same kind, and a change of
// letter case alone is a rename; the same name changes nothing.
TEST_F(Edit, ABookmarkNameIsTrimmedCleanedStoredAndResorted) {
  rename("A/Beta", {" Beta "});
  EXPECT_FALSE(doc.isModified());
  rename("A/alpha", {"  Omega  "});
  EXPECT_EQ(doc.bookmark(0).name, "Omega");
  rename("A/Omega", {"a:b"});
  rename("A/Beta", {"BETA"});
  EXPECT_EQ(labels("A"), "Sub|a$b|BETA|gamma|");
  rename("C", {"TOP"});        // the bookmark top is no obstacle for a folder
  rename("top", {"TOP.URL"});  // a bookmark may end in .URL
  rename("TOP.URL", {"b"});    // a folder B is no obstacle for a bookmark
  EXPECT_EQ(labels(""), "A|B|L|TOP|b|");
  expectQuietChange();
}

TEST_F(Edit, EachRenameRefusalReopensTheDialogAndChangesNothing) {
  const std::string before = outline();
  rename("A/Beta", {"  \t ", "  .abc", "GAMMA"}, true);
  rename("C", {"  my:C.URL ", "b"}, true);
  expectMessages(ui, Information, {"blank", "period", "unique", ".URL", "unique"});
  ui.messages.clear();
  rename("top", {std::string(51, 'h')}, true);  // refused by the dialog before any naming rule
  expectMessages(ui, Exclamation, {"50 char"});
  // A blank name brings the old one back, the extension refusal shows the cleaned name, the
  // others leave it as typed.
  EXPECT_EQ(renameShown, (std::vector<std::string>{"Beta", "Beta", "  .abc", "GAMMA", "C",
                                                   "my$C.URL", "b", "top", std::string(51, 'h')}));
  EXPECT_EQ(outline(), before);
  EXPECT_FALSE(doc.isModified());
}

TEST_F(Edit, AFolderIsRenamedWithEverythingBelowItAndResorted) {
  rename("A", {"Zed"});
  EXPECT_EQ(labels(""), "B|C|L|Zed|top|");
  EXPECT_EQ(labels("Zed"), "Sub|alpha|Beta|gamma|");
  EXPECT_EQ(view.currentItem(), item("Zed"));
  EXPECT_FALSE(view.tree().isExpanded(item("Zed/Sub")));
  EXPECT_EQ(doc.folder(2).path, "Zed\\Sub\\");
  expectQuietChange();
}

// A bookmark the tree cannot re-insert stays where it is; a folder the tree copies only in
// part is shown by a rebuild, as the library now has it.
TEST_F(Edit, ARefusedReinsertionKeepsTheItemsInStepWithTheLibrary) {
  const TreeItem alpha = item("A/alpha");
  view.tree().setItemLimit(view.tree().itemCount());
  rename("A/alpha", {"omega"});
  EXPECT_EQ(view.tree().label(alpha), "omega");
  expectTreeMatchesLibrary();
  view.tree().setItemLimit(view.tree().itemCount() + 1);  // the folder's copy fits, no more
  rename("A", {"Zed"});
  EXPECT_EQ(labels(""), "B|C|L|Zed|top|");
  EXPECT_EQ(labels("Zed"), "Sub|Beta|gamma|omega|");
  expectTreeMatchesLibrary();
}

TEST_F(Edit, AFolderNameThatMakesAPathTooLongIsRefused) {
  folder("Deep\\" + std::string(190, 'x') + "\\");  // 196 characters below Deep\ .
  view.OnUpdate();
  rename("Deep", {"Deeper123", "Deeper12"});  // 201 characters, then 200
  expectMessages(ui, {{Information, "Path too long"}});
  EXPECT_EQ(renameShown.back(), "Deeper123");
  EXPECT_EQ(doc.folder(doc.folderCount() - 1).path, "Deeper12\\");
}

TEST(RenameDialog, CountsFiftyCharactersNotBytes) {
  FakeUi ui;
  CRenameDlg dialog("Folder", "");
  for (int i = 0; i < 50; ++i) dialog.name += "\xC3\xA9";  // 50 characters in 100 bytes
  EXPECT_TRUE(dialog.acceptOk(ui));
  dialog.name += "e";
  EXPECT_FALSE(dialog.acceptOk(ui));
  EXPECT_EQ(dialog.title(), "Rename Folder");
}

// Without "Follow" the selection stays with a neighbour of the renamed bookmark: the next
// sibling, else the previous one, else the item shown above it. With it, the bookmark.
TEST_F(Edit, FollowDecidesWhatIsSelectedAfterTheBookmarkMoves) {
  view.options().follow = false;
  rename("A/alpha", {"yak"});
  EXPECT_EQ(view.tree().selected(), item("A/Beta"));
  rename("A/yak", {"aaa"});
  EXPECT_EQ(view.tree().selected(), item("A/gamma"));
  rename("A/Sub/deep", {"deeper"});
  EXPECT_EQ(view.currentItem(), item("A/Sub"));
  view.options().follow = true;
  rename("A/Beta", {"zz"});
  EXPECT_EQ(view.currentItem(), item("A/zz"));
  EXPECT_EQ(labels("A"), "Sub|aaa|gamma|zz|");
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

// Root: Mixed (Keep selected, Drop not: partly selected), Trio (Keep selected, Drop and Third
// not: partly selected), Solo (not selected, with its sole child Only, not selected), Tail (a
// sub-folder Leaf holding "leaf", and "t"), the bookmarks "one" and "two".
class Delete : public Edit {
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
      view.OnClick({item(path), kHitOnStateIcon});
  }
  void deleteItem(const std::string& path, std::optional<Answer> answer = std::nullopt) {
    select(path);
    if (answer) ui.answer(*answer);
    view.OnDelete();
  }
};

// Items go after Yes and the others are renumbered. A folder's parent becomes selected when it
// was partly selected only because of the deleted folder, or when it is left empty.
TEST_F(Delete, AnItemGoesAfterYesAndTheParentMayBecomeSelected) {
  deleteItem("one", Answer::No);
  EXPECT_FALSE(doc.isModified());
  deleteItem("one", Answer::Yes);
  for (const char* path : {"Mixed/Drop", "Trio/Drop", "Solo/Only"}) deleteItem(path, Answer::Yes);
  expectMessages(
      ui, Question,
      {"this bookmark?", "this bookmark?", "this folder?", "this folder?", "this folder?"});
  for (const Message& m : ui.messages) EXPECT_EQ(m.buttons, MessageButtons::YesNo);
  EXPECT_EQ(doc.bookmarkCount(), 3u);
  EXPECT_EQ(folderStates(),
            "Root Folder:3 Mixed:2 Keep:2 Solo:2 Tail:2 Leaf:2 Trio:3 Keep:2 Third:1");
  expectTreeMatchesLibrary();
  EXPECT_EQ(ui.waitCursorDepth, 0);
}

// A folder that holds anything goes with all of it after its own question, as one step that
// undo takes back; one with a locked folder below it cannot go.
TEST_F(Delete, AFolderWithContentsGoesWholeAndComesBackWhole) {
  const std::string before = outline(), file = saved();
  deleteItem("Tail", Answer::No);
  EXPECT_EQ(outline(), before);
  deleteItem("Tail", Answer::Yes);
  EXPECT_EQ(ui.messages.back().text,
            "Delete the folder \"Tail\" with the 2 bookmarks and 1 folders in it?");
  EXPECT_EQ(ui.messages.back().icon, Question);
  EXPECT_FALSE(doc.findFolder("Tail\\Leaf\\"));
  EXPECT_EQ(doc.bookmarkCount(), 2u);
  expectTreeMatchesLibrary();
  EXPECT_EQ(view.OnUpdateUndo().text, "&Undo Delete\tCtrl+Z");
  view.OnUndo();
  EXPECT_EQ(saved(), file);
  EXPECT_EQ(view.tree().selected(), item("Tail"));
  EXPECT_FALSE(doc.isModified());

  ASSERT_TRUE(doc.addFolder("Solo\\Only\\Fixed\\", true));
  view.OnUpdate();
  select("Solo");
  EXPECT_FALSE(view.OnUpdateDelete().enabled);
}

// Without confirmation a folder goes at once; items whose library entry is not what the tree
// shows (the two out of step) stay.
TEST_F(Delete, WithoutConfirmationAFolderGoesAtOnceUnlessTheLibraryCannotRemoveIt) {
  view.options().confirmFolderDelete = false;
  deleteItem("Mixed/Keep");
  EXPECT_FALSE(doc.findFolder("Mixed\\Keep\\"));
  expectQuietChange();
  doc.setModifiedFlag(false);
  view.tree().setData(item("one"), 99);
  bookmark(view.tree().data(item("Trio/Keep")), "hidden", "http://hidden/");
  const std::string before = outline();
  for (const char* path : {"one", "Trio/Keep"}) deleteItem(path);  // not even a question
  EXPECT_EQ(outline(), before);
  EXPECT_EQ(doc.bookmarkCount(), 5u);
  EXPECT_FALSE(doc.isModified());
}

TEST_F(Edit, NewFolderGoesIntoTheSelectedFolderWithANameNotTakenInAnyLetterCase) {
  folder("C\\New Folder\\");
  folder("C\\new folder (1)\\");
  view.OnUpdate();
  for (const char* path : {"B", "C"}) view.OnClick({item(path), kHitOnStateIcon});
  newFolderIn("B/zulu");  // a bookmark stands for its folder
  EXPECT_EQ(view.tree().selected(), item("B/New Folder"));
  EXPECT_TRUE(view.tree().isExpanded(item("B")));
  for (const char* path : {"C", "C", "L", ""}) newFolderIn(path);  // locked folders too
  // A folder whose only sub-folder is the new one becomes selected; one with unselected
  // sub-folders beside the new ones becomes partly selected.
  EXPECT_EQ(folderStates(),
            "Root Folder:3 A:2 Sub:2 B:2 New Folder:2 C:3 New Folder:1 new folder (1):1 "
            "New Folder (2):2 New Folder (3):2 L:2 New Folder:2 New Folder:2");
  EXPECT_EQ(doc.folder(view.tree().data(item("L/New Folder"))).path, "L\\New Folder\\");
  EXPECT_EQ(view.tree().image(item("L/New Folder")), kImageFolder);
  expectQuietChange();
}

TEST_F(Edit, ARefusedTreeInsertionTakesTheNewFolderBack) {
  for (bool modifiedBefore : {false, true}) {
    doc.setModifiedFlag(modifiedBefore);
    const std::string before = outline();
    view.tree().setItemLimit(view.tree().itemCount());
    newFolderIn("B");
    expectMessages(ui, {{Information, "could not insert item"}});
    EXPECT_EQ(doc.isModified(), modifiedBefore);
    EXPECT_EQ(outline(), before);
    expectTreeMatchesLibrary();
    ui.messages.clear();
  }
}

TEST_F(Edit, AFolderTableThatCannotGrowIsReported) {
  // The folder table grows by doubling: at 64 entries the next one needs a new block of 128.
  for (int i = 0; doc.folderCount() < 64; ++i) folder("Filler " + std::to_string(i) + "\\");
  view.OnUpdate();
  const int refusedBefore = ScopedAllocationLimit::refusals();
  {
    ScopedAllocationLimit limit(1024);  // far less than 128 entries
    newFolderIn("B");
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
