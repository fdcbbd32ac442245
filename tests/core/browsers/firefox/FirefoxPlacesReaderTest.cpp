// The Firefox reader over databases made with Firefox's own tables: what each form leaves in the
// library and the import log, and that a running Firefox's files are read without harm.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

#include "browserfiles/PlacesDatabase.h"
#include "browsers/firefox/FirefoxPlacesReader.h"
#include "core/browsers/netscape/NetscapeFixture.h"
#include "support/CaseFile.h"

namespace linkfold::test {
namespace {

using Places = browserfiles::PlacesDatabase;

struct FirefoxRun : NetscapeRun {
  std::string places = temp.file("places.sqlite");
  bool read() { return Read_Firefox_Places(doc, places, "Firefox (p)"); }
};

// Fills the database as the lines of tests/data/firefox-read-cases.txt say.
void fill(Places& places, const std::vector<std::string>& lines) {
  std::map<std::string, std::int64_t> ids = {{"menu", Places::kMenu},
                                             {"toolbar", Places::kToolbar},
                                             {"tags", Places::kTags},
                                             {"unfiled", Places::kUnfiled},
                                             {"mobile", Places::kMobile}};
  for (const std::string& line : lines) {
    const std::string kind = line.substr(0, line.find(' '));
    if (kind == "sql") {
      places.exec(line.substr(4));
      continue;
    }
    std::vector<std::string> f;
    std::istringstream fields(line.substr(kind.size() + 1));
    for (std::string field; std::getline(fields, field, '|');) f.push_back(field);
    while (f.size() < 6) f.push_back(f.size() < 3 ? "" : "0");
    const std::int64_t parent = ids.at(f[0]);
    if (kind == "folder") {
      ids[f[1]] = places.folder(parent, f[1]);
    } else if (kind == "separator") {
      places.separator(parent);
    } else {
      places.bookmark(parent, f[1], f[2], std::stoll(f[3]), std::stoll(f[4]), std::stoll(f[5]));
    }
  }
}

TEST(FirefoxPlacesReader, ReadsEachFormOrRefusesItWithAFatalEntry) {
  for (const TestCase& c : readCases("firefox-read-cases.txt")) {
    SCOPED_TRACE(c.what);
    c.expectFieldsAmong({"places", "instead", "truncate", "fatal", "library", "log"});
    FirefoxRun run;
    const std::string instead = c["instead"];  // of a database: nothing, a folder or these bytes
    if (instead == "a folder") {
      std::filesystem::create_directory(run.places);
    } else if (instead.empty()) {
      Places places(run.places);
      fill(places, c.lines("places"));
    } else if (instead != "nothing") {
      run.temp.write("places.sqlite", instead);
    }
    if (!c["truncate"].empty()) std::filesystem::resize_file(run.places, std::stoul(c["truncate"]));
    EXPECT_EQ(run.read(), c["fatal"].empty());
    const std::string log =
        run.logAfter("Beginning Firefox (p) import\n\nOpening $/places.sqlite\n");
    // A refused database leaves nothing read and one critical entry.
    EXPECT_EQ(withoutFolderNumbers(run.library()), c["fatal"].empty() ? c["library"] : "=");
    if (c["fatal"].empty()) {
      EXPECT_EQ(log, c["log"]);
    } else {
      expectCritical(log, "Read_Firefox_Places:\n", c["fatal"]);
    }
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
