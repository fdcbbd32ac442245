#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "browsers/favorites/FavoritesReader.h"
#include "core/browsers/favorites/FavoritesFixture.h"
#include "support/AllocationLimit.h"

namespace linkfold::test {
namespace {

class FavoritesReader : public ::testing::Test, public FavoritesFixture {
 protected:
  void SetUp() override {
    doc.addFolder("\\", true);
    ASSERT_TRUE(doc.createLog());
    doc.openStatusWindow();
  }
};

TEST_F(FavoritesReader, ReadsTheTreeAndLocksFoldersHoldingOtherFiles) {
  shortcut("Top.URL", "http://top/");
  shortcut("News/lower.url", "http://lower/");
  shortcut("News/  spaced   .Url", "http://spaced/");
  shortcut("News/" + std::string(60, 'n') + ".url", "http://long/");
  shortcut("Dir.URL/inside.url", "http://inside/");
  std::filesystem::create_directories(favorites() + "Empty");
  shortcut("Tools/Deep/kept.url", "http://kept/");
  put("Tools/Deep/desktop.ini", "[.ShellClassInfo]\r\n");
  shortcut("ReadOnly/ro.url", "http://ro/");
  ::chmod((favorites() + "ReadOnly/ro.url").c_str(), 0444);
  shortcut("a\\b/x\\y.url", "http://xy/");  // a backslash would split the folder path

  ASSERT_TRUE(Scan_Folder(doc));
  EXPECT_EQ(bookmarks(doc), (std::vector<std::string>{
                                "Dir.URL\\|inside|http://inside/",
                                "News\\|  spaced|http://spaced/",
                                "News\\|lower|http://lower/",
                                "News\\|" + std::string(50, 'n') + "|http://long/",
                                "ReadOnly\\|ro|http://ro/",
                                "Tools\\Deep\\|kept|http://kept/",
                                "\\|Top|http://top/",
                                "a$b\\|x$y|http://xy/",
                            }));
  EXPECT_TRUE(doc.findFolder("Empty\\"));
  EXPECT_FALSE(doc.findFolder("a\\"));
  const std::pair<const char*, bool> lockedFolders[] = {
      {"Tools\\Deep\\", true}, {"Tools\\", true},  {"ReadOnly\\", true},
      {"News\\", false},       {"Empty\\", false}, {"Dir.URL\\", false}};
  for (const auto& [path, expected] : lockedFolders) EXPECT_EQ(locked(path), expected) << path;
  EXPECT_FALSE(doc.adjustmentFlag());
}

// Shortcuts without a URL are logged and passed over; symbolic links are foreign files, never
// followed.
TEST_F(FavoritesReader, LogsShortcutsWithoutUrlAndLeavesSymbolicLinks) {
  put("Bad/empty.url", "");
  put("Bad/huge.url", std::string((1 << 20) + 1, 'x'));
  shortcut("Bad/good.url", "http://good/");
  shortcut("outside/o.url", "http://o/");
  std::filesystem::rename(favorites() + "outside", temp.file("outside"));
  shortcut("Links/real.url", "http://real/");
  std::filesystem::create_symlink(temp.file("outside/o.url"), favorites() + "Links/file.url");
  std::filesystem::create_directory_symlink(temp.file("outside"), favorites() + "Links/dir");
  std::filesystem::create_directory_symlink(favorites(), favorites() + "Links/loop");
  ASSERT_TRUE(Scan_Folder(doc));
  EXPECT_EQ(bookmarks(doc),
            (std::vector<std::string>{"Bad\\|good|http://good/", "Links\\|real|http://real/"}));
  EXPECT_TRUE(locked("Links\\"));
  EXPECT_FALSE(doc.findFolder("Links\\dir\\"));
  EXPECT_TRUE(doc.adjustmentFlag());
  const std::string text = log();
  EXPECT_NE(text.find("Could not extract URL from " + favorites() + "Bad/empty.url\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("Failed to access file " + favorites() + "Bad/huge.url\r\n"),
            std::string::npos);
}

TEST_F(FavoritesReader, ReadsOneSubFolderAndShowsItsProgress) {
  shortcut("News/a.url", "http://a/");
  shortcut("News/Daily/b.url", "http://b/");
  shortcut("Other/c.url", "http://c/");
  ASSERT_TRUE(Scan_Folder(doc, std::string("News")));
  EXPECT_EQ(bookmarks(doc),
            (std::vector<std::string>{"News\\Daily\\|b|http://b/", "News\\|a|http://a/"}));
  const auto texts = ui.statusTexts();
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Reading " + favorites() + "News/Daily"),
            texts.end());
  EXPECT_EQ(texts.back(), "Reading " + favorites() + "News");
  EXPECT_EQ(ui.progress.done, 2u);
  EXPECT_EQ(ui.progress.total, 2u);
  EXPECT_EQ(ui.progress.backwards, 0);
}

TEST_F(FavoritesReader, AFolderThatCannotBeListedIsFatal) {
  std::filesystem::remove(favorites());
  EXPECT_FALSE(Scan_Folder(doc));
  EXPECT_NE(log().find("FindFirstFile"), std::string::npos);
}

// The tables hold 32 entries, so the next folder or bookmark makes them grow, which fails.
TEST_F(FavoritesReader, AFolderOrBookmarkThatCannotBeAddedIsFatal) {
  for (int i = 1; i < 32; ++i) folder("F" + std::to_string(i) + "\\");
  for (int i = 0; i < 32; ++i) bookmark("\\", "b" + std::to_string(i), "http://b/");
  const std::pair<const char*, const char*> cases[] = {
      {"Z/", "internal path object"},
      {"z.url", "internal bookmark item"},
  };
  for (const auto& [entry, fatal] : cases) {
    std::filesystem::remove_all(favorites());
    shortcut(std::string(entry) + (entry[1] == '/' ? "in.url" : ""), "http://new/");
    {
      ScopedAllocationLimit tight(2048);
      EXPECT_FALSE(Scan_Folder(doc)) << entry;
    }
    EXPECT_EQ(doc.folderCount(), 32u);
    EXPECT_EQ(doc.bookmarkCount(), 32u);
  }
  const std::string text = log();
  for (const auto& [entry, fatal] : cases) EXPECT_NE(text.find(fatal), std::string::npos) << fatal;
}

}  // namespace
}  // namespace linkfold::test
