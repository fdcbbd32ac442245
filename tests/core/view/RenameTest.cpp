#include <gtest/gtest.h>

#include "core/view/EditFixture.h"

namespace linkfold::test {
namespace {

// Root
//   Links
//   News         Daily (holding "paper"), then the bookmarks alpha, mid, zulu
//   Home         a bookmark
class Rename : public EditFixture {
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

  std::string labels(const std::string& path) {
    std::string out;
    for (TreeItem c : view.tree().children(item(path))) out += view.tree().label(c) + "|";
    return out;
  }
};

TEST_F(Rename, ABookmarkNameIsTrimmedCleanedStoredAndResorted) {
  const std::uint32_t alpha = view.tree().data(select("Root Folder/News/alpha"));
  typeInRename({"  News  "});
  view.OnRename();
  EXPECT_EQ(doc.bookmark(alpha).name, "News");
  EXPECT_EQ(labels("Root Folder/News"), "Daily|mid|News|zulu|");
  EXPECT_TRUE(doc.isModified());

  select("Root Folder/News/News");
  typeInRename({"a:b"});
  view.OnRename();
  EXPECT_EQ(doc.bookmark(alpha).name, "a$b");
  EXPECT_EQ(labels("Root Folder/News"), "Daily|a$b|mid|zulu|");
  EXPECT_TRUE(ui.messages.empty());
  expectTreeMatchesLibrary();
}

TEST_F(Rename, EachRefusalReopensTheDialogAndChangesNothing) {
  select("Root Folder/News/mid");
  typeInRename({"  \t ", "  .abc", "ZULU"}, true);
  view.OnRename();
  EXPECT_MESSAGE(ui, 0, "Name cannot be blank!", Information);
  EXPECT_MESSAGE(ui, 1, "Names cannot begin with a period!", Information);
  EXPECT_MESSAGE(ui, 2, "Item names within a folder must be unique.", Information);
  EXPECT_EQ(ui.messages.size(), 3u);
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
  EXPECT_MESSAGE(ui, 1, "Item names within a folder must be unique.", Information);
  // After the extension refusal the dialog shows the cleaned name.
  EXPECT_EQ(renameShown, (std::vector<std::string>{"Links", "my$Links.URL", "news"}));
  EXPECT_EQ(doc.folder(1).path, "Links\\");
  EXPECT_FALSE(doc.isModified());
}

TEST_F(Rename, NamesOnlyClashWithItemsOfTheSameKind) {
  select("Root Folder/Links");
  typeInRename({"HOME"});  // the bookmark Home is no obstacle for a folder
  view.OnRename();
  select("Root Folder/Home");
  typeInRename({"Links.URL"});  // a bookmark may end in .URL
  view.OnRename();
  select("Root Folder/Links.URL");
  typeInRename({"news"});  // a folder News is no obstacle for a bookmark
  view.OnRename();
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(labels("Root Folder"), "HOME|News|news|");
  EXPECT_EQ(doc.folder(1).path, "HOME\\");
  expectTreeMatchesLibrary();
}

TEST_F(Rename, TheSameNameChangesNothingButALetterCaseChangeIsARename) {
  const TreeItem mid = select("Root Folder/News/mid");
  typeInRename({" mid "});
  view.OnRename();
  EXPECT_FALSE(doc.isModified());
  EXPECT_TRUE(view.tree().exists(mid));  // not even re-sorted

  select("Root Folder/News/mid");
  typeInRename({"MID"});
  view.OnRename();
  EXPECT_EQ(doc.bookmark(view.tree().data(item("Root Folder/News/MID"))).name, "MID");
  EXPECT_TRUE(doc.isModified());
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Rename, AFolderIsRenamedWithEverythingBelowItAndResorted) {
  select("Root Folder/News");
  typeInRename({"Archive"});
  view.OnRename();
  EXPECT_EQ(outline(),
            "L Root Folder:2\n"
            "  F Archive:2\n"
            "    F Daily:2\n"
            "      B paper\n"
            "    B alpha\n"
            "    B mid\n"
            "    B zulu\n"
            "  F Links:2\n"
            "  B Home\n");
  EXPECT_EQ(view.tree().selected(), item("Root Folder/Archive"));
  EXPECT_EQ(view.currentItem(), item("Root Folder/Archive"));
  EXPECT_FALSE(view.tree().isExpanded(item("Root Folder/Archive/Daily")));
  EXPECT_EQ(doc.folder(3).path, "Archive\\Daily\\");
  EXPECT_TRUE(doc.isModified());
  expectTreeMatchesLibrary();
}

TEST_F(Rename, AFolderNameThatMakesAPathTooLongIsRefused) {
  folder("Deep\\" + std::string(190, 'x') + "\\");  // 196 characters below Deep\ .
  view.OnUpdate();
  select("Root Folder/Deep");
  typeInRename({"Deeper123", "Deeper12"});  // 201 characters, then 200
  view.OnRename();
  EXPECT_MESSAGE(ui, 0, "Path too long.\nYou must use a shorter name for this folder.",
                 Information);
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(renameShown.back(), "Deeper123");
  EXPECT_EQ(doc.folder(doc.folderCount() - 1).path, "Deeper12\\");
}

TEST_F(Rename, TheDialogRefusesMoreThanFiftyCharacters) {
  CRenameDlg dialog("Folder", std::string(51, 'n'));
  EXPECT_EQ(dialog.title(), "Rename Folder");
  EXPECT_FALSE(dialog.acceptOk(ui));
  EXPECT_MESSAGE(ui, 0, "Please enter no more than 50 characters.", Exclamation);
  dialog.name = std::string(50, 'n');
  EXPECT_TRUE(dialog.acceptOk(ui));
  std::string accented;
  for (int i = 0; i < 50; ++i) accented += "\xC3\xA9";  // 50 characters in 100 bytes
  dialog.name = accented;
  EXPECT_TRUE(dialog.acceptOk(ui));
  dialog.name = accented + "e";
  EXPECT_FALSE(dialog.acceptOk(ui));

  // Through the command: the dialog refuses before any naming rule runs.
  select("Root Folder/Home");
  ui.messages.clear();
  typeInRename({std::string(51, 'h'), "house"});
  view.OnRename();
  EXPECT_MESSAGE(ui, 0, "Please enter no more than 50 characters.", Exclamation);
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(labels("Root Folder"), "Links|News|house|");
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
    const CommandState state = view.OnUpdateRename();
    EXPECT_EQ(state.enabled, c.enabled) << c.path;
    EXPECT_EQ(state.text, c.text) << c.path;
  }
  select("Root Folder");
  view.OnRename();  // disabled: no dialog
  EXPECT_EQ(ui.dialogsShown, 0);
  view.tree().select(kNoItem);
  EXPECT_FALSE(view.OnUpdateRename().enabled);
  EXPECT_FALSE(view.OnUpdateRename().text.has_value());
}

// Without "Follow" the selection stays with a neighbour of the renamed bookmark: the next
// sibling, else the previous one, else the item shown above it.
TEST_F(Rename, WithoutFollowTheSelectionStaysBehind) {
  select("Root Folder/News/alpha");
  typeInRename({"yak"});
  view.OnRename();
  EXPECT_EQ(view.tree().selected(), item("Root Folder/News/mid"));

  select("Root Folder/News/zulu");
  typeInRename({"aaa"});
  view.OnRename();
  EXPECT_EQ(view.tree().selected(), item("Root Folder/News/yak"));  // its previous sibling

  select("Root Folder/News/Daily/paper");
  typeInRename({"pages"});
  view.OnRename();
  EXPECT_EQ(view.tree().selected(), item("Root Folder/News/Daily"));
  EXPECT_EQ(view.currentItem(), item("Root Folder/News/Daily"));
  EXPECT_EQ(labels("Root Folder/News"), "Daily|aaa|mid|yak|");
}

TEST_F(Rename, WithFollowTheRenamedBookmarkStaysSelected) {
  view.options().follow = true;
  select("Root Folder/News/alpha");
  typeInRename({"yak"});
  view.OnRename();
  EXPECT_EQ(view.tree().selected(), item("Root Folder/News/yak"));
  EXPECT_EQ(view.currentItem(), item("Root Folder/News/yak"));
}

TEST_F(Rename, ARefusedReinsertionKeepsTheItem) {
  const TreeItem alpha = select("Root Folder/News/alpha");
  view.tree().setItemLimit(view.tree().itemCount());
  typeInRename({"omega"});
  view.OnRename();
  ASSERT_TRUE(view.tree().exists(alpha));
  EXPECT_EQ(view.tree().label(alpha), "omega");
  expectTreeMatchesLibrary();
}

}  // namespace
}  // namespace linkfold::test
