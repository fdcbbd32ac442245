// The import run over today's browsers' sources: which are read, in what order, and what a
// source that cannot be read does to the run.

#include <gtest/gtest.h>

#include "browserfiles/ChromiumBookmarksJson.h"
#include "browserfiles/PlacesDatabase.h"
#include "browsers/sources/BrowserHome.h"
#include "browsers/sources/BrowserSourcesDialog.h"
#include "core/browsers/commands/SessionFixture.h"

namespace linkfold::test {
namespace {

using browserfiles::ChromiumBookmarksJson;
using browserfiles::PlacesDatabase;

struct SourcesFixture : SessionFixture {
  // A source read from the file `name` in the temporary directory.
  BrowserSource source(const std::string& name, SourceFormat format, bool chosen) {
    return {name, name, temp.file(name), format, true, false, chosen};
  }
  BrowserSource firefox(const std::string& name, const std::string& bookmark, bool chosen) {
    PlacesDatabase(temp.file(name)).bookmark(PlacesDatabase::kMenu, bookmark, "https://b/");
    return source(name, SourceFormat::FirefoxPlaces, chosen);
  }
  BrowserSource chromium(const std::string& name, const std::string& json, bool chosen) {
    temp.write(name, json);
    return source(name, SourceFormat::ChromiumBookmarks, chosen);
  }
  void startWith(BrowserSources sources) {
    start(browsers(false, false, false));
    session->importRun().setBrowserSources(std::move(sources));
  }
};

TEST(ImportRunSources, NewReadsOnlyTheChosenSourcesWithoutAnyOtherBrowser) {
  SourcesFixture f;
  // None chosen: only the root, and no notice that no browser was found.
  f.startWith({f.firefox("unchosen", "Fox", false)});
  ASSERT_TRUE(f.session->documentCommands().fileNew());
  EXPECT_TRUE(f.ui.messages.empty());
  EXPECT_EQ(f.doc().folderCount(), 1u);
  f.startWith({f.firefox("ff", "Fox", true), f.firefox("other", "Unchosen", false),
               f.chromium("c", ChromiumBookmarksJson::simple({{"Chro", "https://c/"}}), true)});
  ASSERT_TRUE(f.session->documentCommands().fileNew());
  EXPECT_TRUE(f.ui.messages.empty());
  EXPECT_EQ(f.bookmarks(), "Bookmarks bar\\Chro Fox ");
  EXPECT_TRUE(f.session->importRun().lastImportClean());
  EXPECT_TRUE(f.doc().isModified());
}

TEST(ImportRunSources, AFatalSourceIsLoggedAndTheRunGoesOnWithTheNext) {
  SourcesFixture f;
  f.startWith({f.chromium("broken", "{\"roots\": [", true), f.firefox("ff", "Fox", true)});
  f.temp.write("damaged", "SQLite format 3\0 but not really");
  f.session->importRun().browserSources().push_back(
      f.source("damaged", SourceFormat::FirefoxPlaces, true));
  ASSERT_TRUE(f.session->documentCommands().fileNew());
  EXPECT_EQ(f.bookmarks(), "Fox ");
  EXPECT_FALSE(f.session->importRun().lastImportClean());
  ASSERT_EQ(f.ui.messages.size(), 1u);
  EXPECT_NE(f.ui.messages[0].text.find("critical"), std::string::npos);
  const std::string log = f.log();
  EXPECT_LT(log.find("broken"), log.find("ff"));
  EXPECT_LT(log.find("ff"), log.find("damaged"));
}

TEST(ImportRunSources, AnEncryptedSourceTellsHowToGetItsBookmarksIn) {
  SourcesFixture f;
  BrowserSource encrypted =
      f.source("Chrome: Work (encrypted)", SourceFormat::ChromiumBookmarks, true);
  encrypted.readable = false;
  f.startWith({encrypted});
  ASSERT_TRUE(f.session->documentCommands().fileNew());
  EXPECT_NE(f.log().find("Chrome: Work (encrypted)"), std::string::npos);
  EXPECT_NE(f.log().find("Import HTML"), std::string::npos);
  EXPECT_TRUE(f.session->importRun().lastImportClean());
  ASSERT_EQ(f.ui.messages.size(), 1u);  // the summary points to the log
  EXPECT_NE(f.ui.messages[0].text.find("adjustments"), std::string::npos);
}

// Through the session: found under a home, the first choice stored, a later choice kept.
TEST(ImportRunSources, TheSessionStoresTheFirstChoiceAndTheDialogChangesIt) {
  SourcesFixture f;
  const std::string profile = f.temp.file("home/.mozilla/firefox/p");
  std::filesystem::create_directories(profile);
  f.temp.write("home/.mozilla/firefox/profiles.ini", "[Profile0]\nName=only\nPath=p\n");
  { PlacesDatabase places(profile + "/places.sqlite"); }
  f.start(f.browsers(false, false, false));
  const BrowserHome home = BrowserHome::locate(f.temp.file("home"), {});
  f.session->findBrowserSources(home);
  ASSERT_EQ(f.session->browserSources().size(), 1u);
  EXPECT_TRUE(f.session->browserSources()[0].chosen);
  EXPECT_EQ(f.settings.read(setting::kBrowserSources),
            "1 firefox:~/.mozilla/firefox/p/places.sqlite");

  f.ui.onDialog<BrowserSourcesDialog>([&profile](BrowserSourcesDialog& dialog) {
    EXPECT_EQ(dialog.rows.at(0).path, profile + "/places.sqlite");
    dialog.rows[0].checked = false;
    return true;
  });
  f.session->chooseBrowserSources();
  f.session->findBrowserSources(home);
  EXPECT_FALSE(f.session->browserSources()[0].chosen);
}

}  // namespace
}  // namespace linkfold::test
