#include <gtest/gtest.h>

#include "app/RecentFileList.h"

namespace linkfold {
namespace {

TEST(RecentFileList, KeepsFourNewestFirstWithoutRepeats) {
  RecentFileList list;
  list.load({"/a.bml", "", "/b.bml", "/a.bml", "/c.bml", "/d.bml", "/e.bml"});
  EXPECT_EQ(list.entries(), (std::vector<std::string>{"/a.bml", "/b.bml", "/c.bml", "/d.bml"}));
  list.add("/c.bml");
  EXPECT_EQ(list.entries(), (std::vector<std::string>{"/c.bml", "/a.bml", "/b.bml", "/d.bml"}));
  list.add("/new.bml");
  EXPECT_EQ(list.entries(), (std::vector<std::string>{"/new.bml", "/c.bml", "/a.bml", "/b.bml"}));
  list.add("");
  list.remove(1);
  list.remove(9);
  EXPECT_EQ(list.entries(), (std::vector<std::string>{"/new.bml", "/a.bml", "/b.bml"}));
  EXPECT_EQ(list.entryFor(kCmdRecentFile1 + 2), "/b.bml");
  EXPECT_EQ(list.entryFor(kCmdRecentFile1 + 3), std::nullopt);
  EXPECT_EQ(list.entryFor(kCmdRecentFile1 - 1), std::nullopt);
  EXPECT_EQ(RecentFileList::valueName(0), "File1");
  EXPECT_EQ(RecentFileList::valueName(3), "File4");
}

TEST(RecentFileList, MenuShowsNumberedShortNamesOrThePlaceholder) {
  RecentFileList list;
  EXPECT_EQ(list.menuEntries("/home/a"),
            (std::vector<MenuEntry>{{kCmdRecentFile1, "Recent File"}}));
  list.load({"/home/a/R&D.bml", "/home/a/libraries/2026/long-library-name.bml"});
  EXPECT_EQ(list.menuEntries("/home/a"),
            (std::vector<MenuEntry>{{kCmdRecentFile1, "&1 R&&D.bml"},
                                    {kCmdRecentFile1 + 1, "&2 /.../long-library-name.bml"}}));
}

TEST(RecentFileList, AbbreviatesToThirtyCharacters) {
  const struct {
    const char* path;
    const char* shown;
  } cases[] = {
      {"/home/anna/Bookmarks.bml", "/home/anna/Bookmarks.bml"},
      {"/home/anna/documents/web/Bookmarks.bml", "/.../web/Bookmarks.bml"},
      {"/home/anna/documents/Bookmarks-of-2026.bml", "/.../Bookmarks-of-2026.bml"},
      {"/home/anna/a-file-name-longer-than-thirty.bml", "a-file-name-longer-than-thirty.bml"},
      {"relative/folder/deeper/still/Lib.bml", ".../deeper/still/Lib.bml"},
      // Characters, not bytes: 30 two-byte letters fit.
      {"/ääääääääää/ääääääääää/ää.bml", "/ääääääääää/ääääääääää/ää.bml"},
  };
  for (const auto& c : cases) EXPECT_EQ(RecentFileList::abbreviate(c.path, 30), c.shown) << c.path;
}

}  // namespace
}  // namespace linkfold
