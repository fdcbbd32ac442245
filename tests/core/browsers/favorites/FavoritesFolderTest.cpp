// The Favorites folder read into the library and written from it: trees of files on disk and
// what each run leaves on disk, in the library, the log and the messages; and its shortcut files
// one by one.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>

#include "browsers/favorites/FavoritesReader.h"
#include "browsers/favorites/FavoritesWriter.h"
#include "browsers/favorites/InternetShortcut.h"
#include "core/browsers/FileSizeLimit.h"
#include "core/browsers/favorites/FavoritesFixture.h"
#include "support/AllocationLimit.h"
#include "support/CaseFile.h"
#include "support/CorpusFolder.h"

namespace linkfold::test {
namespace {

struct FavoritesFolder : ::testing::Test, FavoritesFixture {};

// Whether `text` is `pattern`, each "..." in which stands for any text.
bool matches(const std::string& text, const std::string& pattern) {
  std::size_t at = 0, from = 0;
  for (std::size_t dots; (dots = pattern.find("...", from)) != std::string::npos; from = dots + 3) {
    const std::string piece = pattern.substr(from, dots - from);
    at = from == 0 ? (text.starts_with(piece) ? 0 : std::string::npos) : text.find(piece, at);
    if (at == std::string::npos) return false;
    at += piece.size();
  }
  if (from == 0) return text == pattern;
  return text.size() >= at + pattern.size() - from && text.ends_with(pattern.substr(from));
}

// The trees and what each run gives are in tests/data/browsers-favorites-cases.txt.
TEST(FavoritesFolderCases, ReadOrWrittenEachTreeGivesWhatItShould) {
  const char* const icons[] = {"none", "information", "question", "exclamation", "error"};
  for (const TestCase& c : readCases("browsers-favorites-cases.txt")) {
    SCOPED_TRACE(c.what);
    c.expectFieldsAmong({"run", "tree", "gone", "status-window", "result", "disk", "library",
                         "folders", "status", "log", "messages", "adjusted"});
    FavoritesFixture f;
    for (const std::string& line : c.lines("tree")) f.make(line);
    if (c["gone"] == "yes") std::filesystem::remove(f.favorites());
    f.ui.statusWindowAvailable = c["status-window"] != "no";
    const std::string run = c["run"];
    ASSERT_TRUE(run == "export" || run == "scan" || run.starts_with("scan ")) << run;
    bool done = false;
    if (run == "export") {
      done = f.exportAll();
      EXPECT_EQ(f.viewUpdates, f.ui.statusWindowAvailable ? 1 : 0);
    } else {
      ASSERT_TRUE(f.doc.createLog());
      f.doc.openStatusWindow();
      done = run == "scan" ? Scan_Folder(f.doc) : Scan_Folder(f.doc, run.substr(5));
      EXPECT_EQ(f.doc.adjustmentFlag(), c["adjusted"] == "yes");
    }
    EXPECT_EQ(done, c["result"] != "fails");
    const auto lines = [&](const std::string& key) {  // $F: the Favorites folder
      std::vector<std::string> out = c.lines(key);
      for (std::string& line : out) {
        line = withErrorTexts(line);
        for (std::size_t at; (at = line.find("$F")) != std::string::npos;)
          line.replace(at, 2, f.temp.file("Favorites"));
      }
      return out;
    };
    const auto expect = [&](const std::string& key, const std::vector<std::string>& actual) {
      if (!c.fields.count(key)) return;
      EXPECT_EQ(actual, lines(key)) << key;
    };
    expect("disk", f.onDisk());
    expect("library", f.bookmarks(f.doc));
    expect("folders", f.folders());
    std::vector<std::string> status = f.ui.statusTexts();  // then the last progress report
    status.push_back(std::to_string(f.ui.progress.done) + " of " +
                     std::to_string(f.ui.progress.total) +
                     (f.ui.progress.backwards ? " backwards" : ""));
    expect("status", status);
    if (run != "export") expect("log", f.log());
    const std::vector<std::string> messages = lines("messages");  // icon, then text
    ASSERT_EQ(f.ui.messages.size(), messages.size()) << testing::PrintToString(f.ui.messageTexts());
    for (std::size_t i = 0; i < messages.size(); ++i) {
      const std::string shown =
          icons[static_cast<int>(f.ui.messages[i].icon)] + (" " + f.ui.messages[i].text);
      EXPECT_TRUE(matches(shown, messages[i])) << shown;
    }
  }
}

TEST_F(FavoritesFolder, ExportThenScanGivesTheSameBookmarks) {
  bookmark("\\", "Top", "http://top.example/");
  bookmark("News\\", "Daily", "https://daily.example/?a=1&b=2");
  bookmark("News\\World\\", "caf\xC3\xA9", "http://caf\xC3\xA9.example/");
  bookmark("News\\World\\", "  lead", "mailto:x@example.com");
  folder("Empty\\");
  ASSERT_TRUE(exportAll());
  EXPECT_TRUE(ui.messages.empty());
  CLFDoc again(ui, settings, temp.file("LOG2.TXT"), doc.browsers());
  again.addFolder("\\", true);
  ASSERT_TRUE(Scan_Folder(again));
  EXPECT_EQ(bookmarks(again), bookmarks(doc));
  EXPECT_TRUE(again.findFolder("Empty\\"));
}

TEST_F(FavoritesFolder, AFullDiskPutsTheFolderBackAsItWasAndALaterExportWritesIt) {
  for (const char* line :
       {"url|Old/x.url|http://x/", "url|top.url|http://top/", "file|Old/notes.txt|mine",
        "bookmark|\\|A|http://a/", "bookmark|New\\|Full|http://full/"})
    make(line);
  const std::vector<std::string> before = onDisk();
  {
    ScopedFileSizeLimit full(10);
    EXPECT_FALSE(exportAll());
  }
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, "Could not write " + favorites() +
                                     "New/Full.url\nError code = 0000001B (" +
                                     std::strerror(EFBIG) + ")");
  EXPECT_NE(ui.messages[1].text.find("left as it was"), std::string::npos);
  EXPECT_EQ(onDisk(), before);  // no backup folder is left beside
  ASSERT_TRUE(exportAll());
  EXPECT_EQ(onDisk(), (std::vector<std::string>{
                          "Favorites/", "Favorites/A.url = [InternetShortcut]\r\nURL=http://a/\r\n",
                          "Favorites/New/",
                          "Favorites/New/Full.url = [InternetShortcut]\r\nURL=http://full/\r\n",
                          "Favorites/Old/", "Favorites/Old/notes.txt = mine"}));
}

TEST_F(FavoritesFolder, AShortcutThatCannotBeRemovedFailsTheExportWithItsPathAndReason) {
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
            "MSIE Export failed.\n" + stuck + ": " + std::strerror(EPERM));
  EXPECT_EQ(temp.read("Favorites/Stuck.url"), "[InternetShortcut]\r\nURL=http://old/\r\n");
}

// Up to ten shortcuts that could not be written are all named, with nothing said of more.
TEST_F(FavoritesFolder, TenSkippedShortcutsAreEachNamedInTheReport) {
  temp.write("Outside/o.url", "mine");
  for (int i = 0; i < 10; ++i) {
    const std::string name = "s" + std::to_string(i);
    std::filesystem::create_symlink(temp.file("Outside/o.url"), favorites() + name + ".url");
    bookmark("\\", name, "http://s/");
  }
  EXPECT_FALSE(exportAll());
  EXPECT_TRUE(
      ui.messageTexts().back().ends_with("\n" + favorites() + "s9.url: " + std::strerror(ELOOP)));
}

// The tables hold 32 entries, so the next folder or bookmark makes them grow, which fails.
TEST_F(FavoritesFolder, AFolderOrBookmarkThatCannotBeAddedIsFatalToTheScan) {
  ASSERT_TRUE(doc.createLog());
  doc.openStatusWindow();
  for (int i = 1; i < 32; ++i) folder("F" + std::to_string(i) + "\\");
  for (int i = 0; i < 32; ++i) bookmark("\\", "b" + std::to_string(i), "http://b/");
  for (const char* entry : {"Z/in.url", "z.url"}) {
    std::filesystem::remove_all(favorites());
    shortcut(entry, "http://new/");
    {
      ScopedAllocationLimit tight(2048);
      EXPECT_FALSE(Scan_Folder(doc)) << entry;
    }
    EXPECT_EQ(doc.folderCount(), 32u);
    EXPECT_EQ(doc.bookmarkCount(), 32u);
  }
  doc.closeLog();
  const std::string text = temp.read("IMPLOG.TXT");
  for (const char* fatal : {"internal path object", "internal bookmark item"})
    EXPECT_NE(text.find(fatal), std::string::npos) << fatal;
}

// The forms and what each gives, in tests/data/internet-shortcut-cases.txt.
TEST(InternetShortcut, ReadsTheFormsWindowsWritesAndRefusesWhatIsNoShortcutFile) {
  for (const TestCase& c : readCases("internet-shortcut-cases.txt")) {
    TempDir temp;
    const std::string refused = c["refused"];  // no file, a folder, a pipe, or bytes too big
    const std::set<std::string> refusals{"", "no file", "a folder", "a pipe", "too big"};
    ASSERT_TRUE(refusals.count(refused)) << refused;
    if (refused == "a pipe") {
      ASSERT_EQ(::mkfifo(temp.file("s.url").c_str(), 0600), 0);
    }
    if (refused == "a folder") std::filesystem::create_directory(temp.file("s.url"));
    if (refused.empty() || refused == "too big") temp.write("s.url", c["bytes"]);
    InternetShortcut shortcut;
    EXPECT_EQ(shortcut.Load(temp.file("s.url")), refused.empty()) << c.what;  // a pipe: no wait
    EXPECT_EQ(shortcut.GetURL(), c.fields.count("url") ? std::optional(c["url"]) : std::nullopt)
        << c.what;
  }
}

TEST(InternetShortcut, ReadsEveryRealShortcutOfTheCorpus) {
  const std::filesystem::path dir = corpusFolder("url");
  if (dir.empty()) GTEST_SKIP();
  const std::vector<TestCase> known = readCases("shortcut-corpus-urls.txt");
  std::size_t checked = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    InternetShortcut shortcut;
    ASSERT_TRUE(shortcut.Load(entry.path().string())) << entry.path();
    const auto url = shortcut.GetURL();
    ASSERT_TRUE(url) << entry.path();
    for (const TestCase& c : known) {
      if (c.what == entry.path().filename().string()) {
        EXPECT_EQ(*url, c["url"]);
        ++checked;
      }
    }
    EXPECT_EQ(url->find_first_of("\r\n"), std::string::npos);
  }
  EXPECT_EQ(checked, known.size());
}

// The URLs are in tests/data/internet-shortcut-set-cases.txt.
TEST(InternetShortcut, SetUrlGuessesTheProtocolAndRefusesWhatCouldAddLines) {
  TempDir temp;
  for (const TestCase& c : readCases("internet-shortcut-set-cases.txt")) {
    InternetShortcut shortcut;
    const std::string stored = c["stored"];
    EXPECT_EQ(shortcut.SetURL(c["set"]), !stored.empty()) << c.what;
    if (stored.empty()) continue;
    ASSERT_TRUE(shortcut.Save(temp.file("out.url")));
    shortcut.SaveCompleted(temp.file("out.url"));
    EXPECT_EQ(temp.read("out.url"), "[InternetShortcut]\r\nURL=" + stored + "\r\n");
    InternetShortcut again;
    ASSERT_TRUE(again.Load(temp.file("out.url")));
    EXPECT_EQ(again.GetURL(), stored);
  }
}

}  // namespace
}  // namespace linkfold::test
