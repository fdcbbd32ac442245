#include <gtest/gtest.h>

#include "core/view/ViewFixture.h"

namespace linkfold::test {
namespace {

constexpr const char* kNotUnique = "Item names within a folder must be unique.";
constexpr const char* kTooLong = "Please enter no more than 50 characters.";

// Root: Links, News (Daily holding "paper", then the bookmarks alpha, mid, zulu), Home.
class Rename : public ViewTest {
 protected:
  void SetUp() override {
    folder("Links\\");
    const auto news = folder("News\\");
    bookmark(folder("News\\Daily\\"), "paper", "http://paper/");
    for (const char* name : {"zulu", "alpha", "mid"})
      bookmark(news, name, std::string("http://") + name + "/");
    bookmark(0, "Home", "http://home/");
    view.OnUpdate();
  }
  void rename(const std::string& path, const std::string& typed) {
    select(path);
    typeInRename({typed});
    view.OnRename();
  }
};

TEST_F(Rename, ABookmarkNameIsTrimmedCleanedStoredAndResorted) {
  const std::uint32_t alpha = view.tree().data(item("Root Folder/News/alpha"));
  rename("Root Folder/News/alpha", "  News  ");
  EXPECT_EQ(doc.bookmark(alpha).name, "News");
  EXPECT_EQ(labels("Root Folder/News"), "Daily|mid|News|zulu|");
  EXPECT_TRUE(doc.isModified());
  rename("Root Folder/News/News", "a:b");
  EXPECT_EQ(labels("Root Folder/News"), "Daily|a$b|mid|zulu|");
  EXPECT_TRUE(ui.messages.empty());
  expectTreeMatchesLibrary();
}

TEST_F(Rename, EachRefusalReopensTheDialogAndChangesNothing) {
  select("Root Folder/News/mid");
  typeInRename({"  \t ", "  .abc", "ZULU"}, true);
  view.OnRename();
  ASSERT_EQ(ui.messages.size(), 3u);
  EXPECT_MESSAGE(ui, 0, "Name cannot be blank!", Information);
  EXPECT_MESSAGE(ui, 1, "Names cannot begin with a period!", Information);
  EXPECT_MESSAGE(ui, 2, kNotUnique, Information);
  // A blank name brings the old one back; the others stay as typed.
  EXPECT_EQ(renameShown, (std::vector<std::string>{"mid", "mid", "  .abc", "ZULU"}));
  EXPECT_EQ(labels("Root Folder/News"), "Daily|alpha|mid|zulu|");
  EXPECT_FALSE(doc.isModified());
}

TEST_F(Rename, AFolderCannotEndInUrlNorRepeatAFolderName) {
  select("Root Folder/Links");
  typeInRename({"  my:Links.URL ", "news"}, true);
  view.OnRename();
  EXPECT_MESSAGE(ui, 0, "Folders cannot be named with the .URL extension!", Information);
  EXPECT_MESSAGE(ui, 1, kNotUnique, Information);
  // After the extension refusal the dialog shows the cleaned name.
  EXPECT_EQ(renameShown, (std::vector<std::string>{"Links", "my$Links.URL", "news"}));
  EXPECT_EQ(doc.folder(1).path, "Links\\");
  EXPECT_FALSE(doc.isModified());
}

TEST_F(Rename, NamesOnlyClashWithItemsOfTheSameKind) {
  rename("Root Folder/Links", "HOME");      // the bookmark Home is no obstacle for a folder
  rename("Root Folder/Home", "Links.URL");  // a bookmark may end in .URL
  rename("Root Folder/Links.URL", "news");  // a folder News is no obstacle for a bookmark
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(labels("Root Folder"), "HOME|News|news|");
  expectTreeMatchesLibrary();
}

TEST_F(Rename, TheSameNameChangesNothingButALetterCaseChangeIsARename) {
  const TreeItem mid = item("Root Folder/News/mid");
  rename("Root Folder/News/mid", " mid ");
  EXPECT_FALSE(doc.isModified());
  EXPECT_TRUE(view.tree().exists(mid));  // not even re-sorted
  rename("Root Folder/News/mid", "MID");
  EXPECT_EQ(doc.bookmark(view.tree().data(item("Root Folder/News/MID"))).name, "MID");
  EXPECT_TRUE(doc.isModified());
}

TEST_F(Rename, AFolderIsRenamedWithEverythingBelowItAndResorted) {
  rename("Root Folder/News", "Archive");
  EXPECT_EQ(outline(),
            "L Root Folder:2{F Archive:2{F Daily:2{B paper}, B alpha, B mid, B zulu}, F Links:2, "
            "B Home}");
  EXPECT_EQ(view.currentItem(), item("Root Folder/Archive"));
  EXPECT_FALSE(view.tree().isExpanded(item("Root Folder/Archive/Daily")));
  EXPECT_EQ(doc.folder(3).path, "Archive\\Daily\\");
  EXPECT_TRUE(doc.isModified());
  expectTreeMatchesLibrary();
}

// A bookmark the tree cannot re-insert stays where it is; a folder the tree copies only in
// part is shown by a rebuild, as the library now has it.
TEST_F(Rename, ARefusedReinsertionKeepsTheItemsInStepWithTheLibrary) {
  const TreeItem alpha = item("Root Folder/News/alpha");
  view.tree().setItemLimit(view.tree().itemCount());
  rename("Root Folder/News/alpha", "omega");
  EXPECT_EQ(view.tree().label(alpha), "omega");
  expectTreeMatchesLibrary();
  view.tree().setItemLimit(view.tree().itemCount() + 1);  // the folder's copy fits, no more
  rename("Root Folder/News", "Archive");
  EXPECT_EQ(outline(),
            "L Root Folder:2{F Archive:2{F Daily:2{B paper}, B mid, B omega, B zulu}, F Links:2, "
            "B Home}");
  expectTreeMatchesLibrary();
}

TEST_F(Rename, AFolderNameThatMakesAPathTooLongIsRefused) {
  folder("Deep\\" + std::string(190, 'x') + "\\");  // 196 characters below Deep\ .
  view.OnUpdate();
  select("Root Folder/Deep");
  typeInRename({"Deeper123", "Deeper12"});  // 201 characters, then 200
  view.OnRename();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_MESSAGE(ui, 0, "Path too long.\nYou must use a shorter name for this folder.",
                 Information);
  EXPECT_EQ(renameShown.back(), "Deeper123");
  EXPECT_EQ(doc.folder(doc.folderCount() - 1).path, "Deeper12\\");
}

TEST_F(Rename, TheDialogRefusesMoreThanFiftyCharacters) {
  CRenameDlg dialog("Folder", std::string(51, 'n'));
  EXPECT_EQ(dialog.title(), "Rename Folder");
  EXPECT_FALSE(dialog.acceptOk(ui));
  EXPECT_MESSAGE(ui, 0, kTooLong, Exclamation);
  dialog.name.clear();
  for (int i = 0; i < 50; ++i) dialog.name += "\xC3\xA9";  // 50 characters in 100 bytes
  EXPECT_TRUE(dialog.acceptOk(ui));
  dialog.name += "e";
  EXPECT_FALSE(dialog.acceptOk(ui));
  // Through the command: the dialog refuses before any naming rule runs.
  select("Root Folder/Home");
  typeInRename({std::string(51, 'h')}, true);
  view.OnRename();
  EXPECT_MESSAGE(ui, 2, kTooLong, Exclamation);
  EXPECT_EQ(labels("Root Folder"), "Links|News|Home|");
}

TEST_F(Rename, IsOfferedForOrdinaryFoldersAndBookmarksOnly) {
  const struct {
    const char* path;
    bool enabled;
    const char* text;
  } cases[] = {{"Root Folder", false, "&Rename folder\tCtrl+R"},
               {"Root Folder/News", true, "&Rename folder\tCtrl+R"},
               {"Root Folder/Home", true, "&Rename bookmark\tCtrl+R"}};
  for (const auto& c : cases) {
    select(c.path);
    EXPECT_EQ(view.OnUpdateRename().enabled, c.enabled) << c.path;
    EXPECT_EQ(view.OnUpdateRename().text, c.text) << c.path;
  }
  select("Root Folder");
  view.OnRename();  // disabled: no dialog
  EXPECT_EQ(ui.dialogsShown, 0);
  view.tree().select(kNoItem);
  EXPECT_FALSE(view.OnUpdateRename().enabled);
  EXPECT_FALSE(view.OnUpdateRename().text.has_value());
}

// Without "Follow" the selection stays with a neighbour of the renamed bookmark: the next
// sibling, else the previous one, else the item shown above it. With it, the bookmark.
TEST_F(Rename, FollowDecidesWhatIsSelectedAfterTheBookmarkMoves) {
  rename("Root Folder/News/alpha", "yak");
  EXPECT_EQ(view.tree().selected(), item("Root Folder/News/mid"));
  rename("Root Folder/News/zulu", "aaa");
  EXPECT_EQ(view.tree().selected(), item("Root Folder/News/yak"));
  rename("Root Folder/News/Daily/paper", "pages");
  EXPECT_EQ(view.currentItem(), item("Root Folder/News/Daily"));
  view.options().follow = true;
  rename("Root Folder/News/mid", "zz");
  EXPECT_EQ(view.currentItem(), item("Root Folder/News/zz"));
  EXPECT_EQ(labels("Root Folder/News"), "Daily|aaa|yak|zz|");
}

}  // namespace
}  // namespace linkfold::test
