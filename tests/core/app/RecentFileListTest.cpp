#include <gtest/gtest.h>

#include "app/RecentFileList.h"
#include "support/CaseFile.h"

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
  for (const test::TestCase& c : test::readCases("recent-file-abbreviation-cases.txt"))
    EXPECT_EQ(RecentFileList::abbreviate(c["path"], 30), c["shown"]) << c.what;
}

}  // namespace
}  // namespace linkfold
