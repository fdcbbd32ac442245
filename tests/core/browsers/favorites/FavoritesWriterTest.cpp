#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <filesystem>

#include "browsers/favorites/FavoritesReader.h"
#include "browsers/favorites/FavoritesWriter.h"
#include "core/browsers/FileSizeLimit.h"
#include "core/browsers/favorites/FavoritesFixture.h"

namespace linkfold::test {
namespace {

class FavoritesWriter : public ::testing::Test, public FavoritesFixture {
 protected:
  void SetUp() override { doc.addFolder("\\", true); }
  bool exportAll() {
    return Do_MSIE_Export(doc, [this] { ++viewUpdates; });
  }
  void select(const std::string& path, std::uint32_t state) {
    doc.setFolderSelection(*doc.findFolder(path), state);
  }
  int viewUpdates = 0;
};

TEST_F(FavoritesWriter, ExportThenScanGivesTheSameBookmarks) {
  bookmark("\\", "Top", "http://top.example/");
  bookmark("News\\", "Daily", "https://daily.example/?a=1&b=2");
  bookmark("News\\World\\", "caf\xC3\xA9", "http://caf\xC3\xA9.example/");
  bookmark("News\\World\\", "  lead", "mailto:x@example.com");
  folder("Empty\\");
  ASSERT_TRUE(exportAll());
  EXPECT_EQ(viewUpdates, 1);
  EXPECT_TRUE(ui.messages.empty());
  CLFDoc again(ui, settings, temp.file("LOG2.TXT"), doc.browsers());
  again.addFolder("\\", true);
  ASSERT_TRUE(Scan_Folder(again));
  EXPECT_EQ(bookmarks(again), bookmarks(doc));
  EXPECT_TRUE(again.findFolder("Empty\\"));
}

TEST_F(FavoritesWriter, ReplacesShortcutsAndKeepsOtherFilesWithTheirFolderLocked) {
  shortcut("Old/x.URL", "http://x/");
  shortcut("Old/Sub/y.Url", "http://y/");
  shortcut("Keep/z.url", "http://z/");
  put("Keep/desktop.ini", "settings");
  shortcut("Gone/w.url", "http://w/");
  bookmark("Keep\\", "New", "www.example.com");
  bookmark("Fresh\\", "F", "ftp.example.com");
  bookmark("Off\\", "Skipped", "http://skipped/");
  bookmark("Off\\Below\\", "AlsoSkipped", "http://skipped/");
  select("Off\\", kNotSelected);
  select("Off\\Below\\", kNotSelected);
  doc.setFolderLocked(*doc.findFolder("Fresh\\"), true);
  ASSERT_TRUE(exportAll());
  EXPECT_TRUE(ui.messages.empty());
  for (const char* gone : {"Old", "Gone", "Keep/z.url", "Off", "Off/Below"})
    EXPECT_FALSE(exists(gone)) << gone;
  EXPECT_EQ(temp.read("Favorites/Keep/desktop.ini"), "settings");
  EXPECT_EQ(temp.read("Favorites/Keep/New.url"),
            "[InternetShortcut]\r\nURL=http://www.example.com\r\n");
  EXPECT_EQ(temp.read("Favorites/Fresh/F.url"),
            "[InternetShortcut]\r\nURL=ftp://ftp.example.com\r\n");
  EXPECT_TRUE(locked("Keep\\"));
  EXPECT_FALSE(locked("Fresh\\"));
  EXPECT_TRUE(locked("\\"));  // the Favorites folder exists already
  const std::vector<std::string> status = ui.statusTexts();
  const std::string root(favorites(), 0, favorites().size() - 1);
  EXPECT_EQ(
      std::vector<std::string>(status.begin(), status.begin() + 3),
      (std::vector<std::string>{"Creating folder " + root, "Creating folder " + root + "/Keep",
                                "PROCESSING: " + root + "/Keep"}));
  EXPECT_EQ(status.back(), "PROCESSING: " + root);
}

TEST_F(FavoritesWriter, WithNothingSelectedEveryShortcutIsDeleted) {
  shortcut("a.url", "http://a/");
  shortcut("Dir/b.url", "http://b/");
  put("Dir/notes.txt", "mine");
  bookmark("Dir\\", "c", "http://c/");
  select("\\", kNotSelected);
  select("Dir\\", kNotSelected);
  doc.setFolderLocked(0, false);
  ASSERT_TRUE(exportAll());
  EXPECT_EQ(std::distance(std::filesystem::recursive_directory_iterator(favorites()), {}), 2);
  EXPECT_EQ(temp.read("Favorites/Dir/notes.txt"), "mine");
  EXPECT_TRUE(locked("\\"));
}

// A refused address or a name cut to fit the file system is named in a notice (its
// distinctive word, then the part the code assembles); the export goes on.
TEST(FavoritesWriterMessages, NamesEachRefusedOrShortenedItemAndGoesOn) {
  const std::string tooLong(300, 'L');
  const std::string cutInUtf8 = std::string(250, 'L') + "\xC3\xA9";  // é would end at byte 252
  const struct {
    std::string folder, name, url, word, end;
  } cases[] = {
      {"\\", "Bad", "http://a/\r\nIconFile=x", "syntax",
       "\nPage: Bad\nURL:http://a/\r\nIconFile=x"},
      {"\\", "Empty", "", "syntax", "\nPage: Empty\nURL:"},
      {"\\", tooLong, "http://a/", "shortened", "\n" + tooLong.substr(0, 251) + ".url"},
      {tooLong + "\\", "x", "http://a/", "shortened", "\n" + tooLong.substr(0, 255)},
      {"\\", cutInUtf8, "http://a/", "shortened", "\n" + cutInUtf8.substr(0, 250) + ".url"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name.substr(0, 20));
    FavoritesFixture f;
    f.doc.addFolder("\\", true);
    f.bookmark(c.folder, c.name, c.url);
    f.bookmark("\\", "Fine", "http://fine/");
    EXPECT_TRUE(Do_MSIE_Export(f.doc, {}));
    ASSERT_EQ(f.ui.messages.size(), 1u);
    const std::string& text = f.ui.messages[0].text;
    EXPECT_TRUE(text.find(c.word) != std::string::npos && text.ends_with(c.end)) << text;
    EXPECT_EQ(f.ui.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(f.exists("Fine.url"));
  }
}

TEST_F(FavoritesWriter, AFullDiskPutsTheFavoritesFolderBackAsItWas) {
  shortcut("Old/x.url", "http://x/");
  shortcut("top.url", "http://top/");
  put("Old/notes.txt", "mine");
  bookmark("\\", "A", "http://a/");
  bookmark("New\\", "Full", "http://full/");
  {
    ScopedFileSizeLimit full(10);
    EXPECT_FALSE(exportAll());
  }
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, "Could not write " + favorites() +
                                     "New/Full.url\nError code = 0000001B (File too large)");
  EXPECT_NE(ui.messages[1].text.find("left as it was"), std::string::npos);
  // The shortcuts are back, nothing new stays, and no backup folder is left beside.
  EXPECT_EQ(temp.read("Favorites/Old/x.url"), "[InternetShortcut]\r\nURL=http://x/\r\n");
  EXPECT_TRUE(exists("top.url") && exists("Old/notes.txt"));
  EXPECT_FALSE(exists("A.url") || exists("New"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path()), {}), 1);
  // Written in full, the backup goes.
  ASSERT_TRUE(exportAll());
  EXPECT_FALSE(exists("top.url") || exists("Old/x.url"));
  EXPECT_TRUE(exists("New/Full.url"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path()), {}), 1);
}

TEST_F(FavoritesWriter, AShortcutThatCannotBeRemovedFailsTheExportWithItsPathAndReason) {
  shortcut("Stuck.url", "http://old/");
  const std::string stuck = favorites() + "Stuck.url";
  const int fd = ::open(stuck.c_str(), O_RDONLY);
  int flags = 0;
  const bool immutable = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 &&
                         ::ioctl(fd, FS_IOC_SETFLAGS, &(flags |= FS_IMMUTABLE_FL)) == 0;
  bookmark("\\", "New", "http://new/");
  const bool exported = exportAll();
  if (immutable) ::ioctl(fd, FS_IOC_SETFLAGS, &(flags &= ~FS_IMMUTABLE_FL));
  if (fd >= 0) ::close(fd);
  if (!immutable) GTEST_SKIP() << "files cannot be made immutable here";
  EXPECT_FALSE(exported);
  EXPECT_EQ(ui.messageTexts().back(),
            "MSIE Export failed.\n" + stuck + ": Operation not permitted");
  EXPECT_EQ(temp.read("Favorites/Stuck.url"), "[InternetShortcut]\r\nURL=http://old/\r\n");
}

TEST_F(FavoritesWriter, NamesNeverBecomePathsOutsideTheirFolder) {
  bookmark("\\", "a/b", "http://1/");
  bookmark("\\", "..", "http://2/");
  bookmark("\\", std::string("n\0l", 3), "http://3/");
  bookmark("..\\", "x\\y", "http://4/");
  bookmark(".\\", "in dot", "http://5/");
  ASSERT_TRUE(exportAll());
  EXPECT_TRUE(ui.messages.empty());
  for (const char* made : {"a$b.url", "$$.url", "n$l.url", "$$/x$y.url", "$/in dot.url"})
    EXPECT_TRUE(exists(made)) << made;
  EXPECT_FALSE(std::filesystem::exists(temp.file("x$y.url")));
}

TEST_F(FavoritesWriter, SymbolicLinksAreNeitherFollowedNorDeleted) {
  std::filesystem::create_directories(temp.file("Outside"));
  temp.write("Outside/o.url", "[InternetShortcut]\r\nURL=http://o/\r\n");
  std::filesystem::create_directory_symlink(temp.file("Outside"), favorites() + "Link");
  std::filesystem::create_symlink(temp.file("Outside/o.url"), favorites() + "s.url");
  bookmark("\\", "s", "http://s/");
  EXPECT_FALSE(exportAll());
  EXPECT_EQ(ui.messageTexts().front(), "File creation failed.\n\nFilename: " + favorites() +
                                           "s.url\nError code = 00000028 (Too many "
                                           "levels of symbolic links)");
  EXPECT_EQ(temp.read("Outside/o.url"), "[InternetShortcut]\r\nURL=http://o/\r\n");
  EXPECT_TRUE(exists("Link"));
  EXPECT_TRUE(exists("s.url"));

  ui.messages.clear();
  bookmark("Link\\", "in", "http://in/");
  bookmark("Link\\Deeper\\", "deep", "http://deep/");
  EXPECT_FALSE(exportAll());
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, "Could not create folder:\n\"" + favorites() +
                                     "Link\"\nError code = 00000014 (Not a directory)");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.file("Outside")), {}), 1);
}

TEST_F(FavoritesWriter, NoStatusWindowMeansNothingChanges) {
  shortcut("a.url", "http://a/");
  ui.statusWindowAvailable = false;
  EXPECT_FALSE(exportAll());
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("CStatDlg"), std::string::npos);
  EXPECT_TRUE(exists("a.url"));
  EXPECT_EQ(viewUpdates, 0);
}

}  // namespace
}  // namespace linkfold::test
