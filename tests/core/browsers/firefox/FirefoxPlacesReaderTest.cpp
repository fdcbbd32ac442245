// The Firefox reader over databases made with Firefox's own tables: what each form leaves in the
// library and the import log, and that a running Firefox's files are read without harm.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "browsers/firefox/FirefoxPlacesReader.h"
#include "core/browsers/netscape/NetscapeFixture.h"
#include "support/PlacesDatabase.h"

namespace linkfold::test {
namespace {

using Places = PlacesDatabase;
constexpr std::int64_t kSecond = 1000000;  // Firefox dates are in microseconds

struct FirefoxRun : NetscapeRun {
  std::string places = temp.file("places.sqlite");
  bool read() { return Read_Firefox_Places(doc, places, "Firefox (p)"); }
  std::string logAfterOpening() {
    return logAfter("Beginning Firefox (p) import\n\nOpening $/places.sqlite\n");
  }
};

const std::string kClean = "Firefox (p) import complete ... no errors.\n\n";

struct PlacesCase {
  const char* what;
  std::function<void(Places&)> fill;
  std::string library;
  std::string log;  // after "Opening ..."
};

const PlacesCase kCases[] = {
    {"roots: menu at the top level, toolbar, unfiled, mobile in their folders; empty roots none",
     [](Places& p) {
       p.bookmark(Places::kMenu, "M", "http://m/");
       p.bookmark(Places::kToolbar, "T", "http://t/");
       p.bookmark(Places::kUnfiled, "U", "http://u/");
     },
     "Bookmarks Toolbar\\ Other Bookmarks\\ = \\|M|http://m/ Bookmarks Toolbar\\|T|http://t/ "
     "Other Bookmarks\\|U|http://u/",
     kClean},
    {"nested folders in position order; separators, tags, an empty mobile folder",
     [](Places& p) {
       const auto a = p.folder(Places::kMobile, "A");
       const auto b = p.folder(a, "B");
       p.separator(a);
       p.bookmark(b, "deep", "http://d/");
       p.exec("UPDATE moz_bookmarks SET position = 5 WHERE id = " + std::to_string(b));
       p.folder(a, "C");
       const auto tag = p.folder(Places::kTags, "tag");
       p.bookmark(tag, "tagged", "http://tag/");
       p.folder(Places::kToolbar, "");
     },
     "Bookmarks Toolbar\\ Bookmarks Toolbar\\Folder (#)\\ Mobile Bookmarks\\ "
     "Mobile Bookmarks\\A\\ Mobile Bookmarks\\A\\C\\ Mobile Bookmarks\\A\\B\\ = "
     "Mobile Bookmarks\\A\\B\\|deep|http://d/",
     "Folder Bookmarks Toolbar contains a folder with no name\nDefault name Folder (#) "
     "provided\n" +
         kClean},
    {"dates to seconds; none, negative and past 2106 clamped",
     [](Places& p) {
       p.bookmark(Places::kMenu, "d", "http://d/", 1700000000 * kSecond + 999999,
                  1700000001 * kSecond, 1700000002 * kSecond);
       p.bookmark(Places::kMenu, "n", "http://n/", -5 * kSecond, 0, 5000000000 * kSecond);
     },
     "= \\|d|http://d/|1700000000,1700000001,1700000002 \\|n|http://n/|0,0,4294967295", kClean},
    {"place: queries skipped and counted once",
     [](Places& p) {
       p.bookmark(Places::kMenu, "Recent", "place:sort=8&maxResults=10");
       p.bookmark(Places::kToolbar, "Most Visited", "place:sort=8");
     },
     "=", "2 Firefox queries (place: addresses) were not imported\n" + kClean},
};

TEST(FirefoxPlacesReader, ReadsEachFormIntoTheLibraryAndTheLog) {
  for (const PlacesCase& c : kCases) {
    SCOPED_TRACE(c.what);
    FirefoxRun run;
    {
      Places places(run.places);
      c.fill(places);
    }
    EXPECT_TRUE(run.read());
    EXPECT_EQ(withoutFolderNumbers(run.library()), c.library);
    EXPECT_EQ(run.logAfterOpening(), c.log);
  }
}

// Firefox keeps places.sqlite open with an exclusive lock and its latest changes in the -wal
// file; the copy is read, holding both, and the browser's files are left as they were.
TEST(FirefoxPlacesReader, ReadsARunningFirefoxThroughAPrivateCopy) {
  FirefoxRun run;
  Places places(run.places);
  places.bookmark(Places::kMenu, "old", "http://old/");
  places.exec("PRAGMA wal_checkpoint(TRUNCATE)");
  places.keepWal();
  places.bookmark(Places::kToolbar, "new", "http://new/");
  places.exec("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE");
  const auto size = std::filesystem::file_size(run.places);
  const auto walSize = std::filesystem::file_size(run.places + "-wal");
  ASSERT_GT(walSize, 0u);

  const std::string tmp = run.temp.file("tmp");
  std::filesystem::create_directory(tmp);
  setenv("TMPDIR", tmp.c_str(), 1);
  EXPECT_TRUE(run.read());
  unsetenv("TMPDIR");
  EXPECT_EQ(run.library(),
            "Bookmarks Toolbar\\ = \\|old|http://old/ Bookmarks Toolbar\\|new|http://new/");
  EXPECT_TRUE(std::filesystem::is_empty(tmp));  // the copy is gone
  EXPECT_EQ(std::filesystem::file_size(run.places), size);
  EXPECT_EQ(std::filesystem::file_size(run.places + "-wal"), walSize);
  places.exec("COMMIT");  // the browser's connection still holds its lock and writes on
}

// A database made (an empty one, then `sql` run on it; no file without sql) or other damage.
struct DamageCase {
  const char* what;
  std::string sql;
  const char* reason;  // the distinctive words of the fatal entry
  std::function<void(FirefoxRun&)> make = nullptr;
};

const DamageCase kDamage[] = {
    {"no file", "", "Could not access"},
    {"a folder", "", "Could not access",
     [](FirefoxRun& r) { std::filesystem::create_directory(r.places); }},
    {"not a database", "", "is damaged or not a database",
     [](FirefoxRun& r) { r.temp.write("places.sqlite", std::string(5000, 'x')); }},
    {"truncated", "", "is damaged",
     [](FirefoxRun& r) {
       {
         Places p(r.places);
         p.exec("PRAGMA synchronous = OFF");
         for (int i = 0; i < 300; ++i)
           p.bookmark(Places::kMenu, std::string(200, 'n'), "http://" + std::to_string(i) + "/");
       }
       std::filesystem::resize_file(r.places, 20000);
     }},
    {"another program's database", "DROP TABLE moz_bookmarks", "not a Firefox bookmark database"},
    {"a root missing", "DELETE FROM moz_bookmarks WHERE id = 5",
     "root folder unfiled_____ is missing"},
    {"the table a view that never ends",
     "DROP TABLE moz_bookmarks; CREATE VIEW moz_bookmarks AS WITH RECURSIVE n(id) AS (SELECT 1 "
     "UNION ALL SELECT id + 1 FROM n) SELECT id, 2 AS type, NULL AS fk, 1 AS parent, id AS "
     "position, '' AS title, 0 AS dateAdded, 0 AS lastModified, 'menu________' AS guid FROM n",
     "not a Firefox bookmark database"},
    {"a folder inside itself", "UPDATE moz_bookmarks SET parent = 2 WHERE id = 2",
     "lies inside itself"},
    {"a bookmark's place missing",
     "INSERT INTO moz_bookmarks (type, fk, parent, position, title, guid) VALUES (1, 999, 2, 0, "
     "'gone', 'gone________')",
     "has no address"},
};

TEST(FirefoxPlacesReader, RefusesDamagedAndForeignDatabasesWithAFatalEntry) {
  for (const DamageCase& c : kDamage) {
    SCOPED_TRACE(c.what);
    FirefoxRun run;
    if (!c.sql.empty()) Places(run.places).exec(c.sql);
    if (c.make) c.make(run);
    EXPECT_FALSE(run.read());
    EXPECT_EQ(run.library(), "=");
    const std::string log = run.logAfterOpening();
    EXPECT_EQ(log.rfind("Critical error:\nRead_Firefox_Places:\n", 0), 0u) << log;
    EXPECT_NE(log.find(c.reason), std::string::npos) << log;
    EXPECT_TRUE(log.ends_with("Processing aborted\n")) << log;
  }
}

// A hierarchy deeper than any call stack, and progress shown by items read.
TEST(FirefoxPlacesReader, ReadsDeepFoldersAndShowsProgress) {
  FirefoxRun run;
  run.doc.openStatusWindow();
  {
    Places places(run.places);
    places.exec("BEGIN");
    std::int64_t parent = Places::kMenu;
    for (int i = 0; i < 5000; ++i) parent = places.folder(parent, "f");
    places.bookmark(parent, "bottom", "http://bottom/");
    places.exec("COMMIT");
  }
  EXPECT_TRUE(run.read());
  EXPECT_EQ(run.doc.bookmarkCount(), 1u);
  EXPECT_NE(run.doc.folder(run.doc.bookmark(0).folder).path.find("Relocated\\"), std::string::npos);
  const auto texts = run.ui.statusTexts();
  EXPECT_NE(
      std::find(texts.begin(), texts.end(), "Importing Firefox (p) bookmarks\n4096 items read"),
      texts.end());
}

}  // namespace
}  // namespace linkfold::test
