#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sstream>
#include <vector>

#include "browserfiles/PlacesDatabase.h"
#include "browsers/sources/BrowserHome.h"
#include "browsers/sources/BrowserSourcesDialog.h"
#include "core/browsers/commands/SessionFixture.h"
#include "support/CaseFile.h"

namespace linkfold::test {
namespace {

using browserfiles::PlacesDatabase;

const std::string kGood = netscapeFile(netscapeBookmark("Four", "http://four/"));

// The runs are in tests/data/import-run-cases.txt.
TEST(ImportRun, LogSummaryAndLibrary) {
  for (const TestCase& c : readCases("import-run-cases.txt")) {
    SCOPED_TRACE(c.what);
    SessionFixture f;
    for (const char* file : {"ns3", "ns4"})
      if (c.fields.count(file)) f.temp.write(file + std::string(".htm"), netscapeFile(c[file]));
    f.shortcut("News/Daily.url", "http://daily/");
    const std::string browsers = c["browsers"];
    f.start(f.browsers(browsers.find("ns3") != std::string::npos,
                       browsers.find("ns4") != std::string::npos,
                       browsers.find("msie") != std::string::npos));
    BrowserSources sources;
    for (const std::string& line : c.lines("sources")) {  // kind|file|contents|chosen
      std::vector<std::string> s;
      std::istringstream fields(line);
      for (std::string field; std::getline(fields, field, '|');) s.push_back(field);
      if (s[0] == "places")
        PlacesDatabase(f.temp.file(s[1])).bookmark(PlacesDatabase::kMenu, s[2], "https://b/");
      else if (s[0] != "encrypted")
        f.temp.write(s[1], s[2]);
      const bool chromium = s[0] == "chromium" || s[0] == "encrypted";
      sources.push_back({s[1], s[1], f.temp.file(s[1]),
                         chromium ? SourceFormat::ChromiumBookmarks : SourceFormat::FirefoxPlaces,
                         s[0] != "encrypted", false, s[3] == "chosen"});
    }
    f.session->importRun().setBrowserSources(std::move(sources));
    ASSERT_TRUE(f.session->documentCommands().fileNew());
    const std::string text = f.log();
    std::size_t at = 0;
    for (const auto& fragment : c.lines("log")) {
      const std::size_t found = text.find(fragment, at);
      EXPECT_NE(found, std::string::npos) << "missing or out of order: " << fragment << "\n"
                                          << text;
      if (found != std::string::npos) at = found + fragment.size();
    }
    for (const auto& fragment : c.lines("not-in-log"))
      EXPECT_EQ(text.find(fragment), std::string::npos) << fragment;
    ASSERT_EQ(f.ui.messages.size(), c["summary"].empty() ? 0u : 1u);
    for (const auto& m : f.ui.messages) {
      EXPECT_NE(m.text.find(c["summary"]), std::string::npos) << m.text;
      EXPECT_EQ(m.icon, MessageIcon::Information);
    }
    EXPECT_EQ(f.bookmarks(), c["library"]);
    EXPECT_EQ(f.doc().isModified(), c["unmodified"].empty());
    EXPECT_EQ(f.session->importRun().lastImportClean(), c["unclean"].empty());
    EXPECT_EQ(f.doc().folder(0).path, "\\");
    EXPECT_TRUE(f.doc().folder(0).locked);
  }
}

TEST(ImportRunNew, WithoutBrowsersTheNoticeShowsOnceAndOnlyTheRootIsLeft) {
  SessionFixture f;
  f.start(f.browsers(false, false, false));
  for (int i = 0; i < 2; ++i) ASSERT_TRUE(f.session->documentCommands().fileNew());
  ASSERT_EQ(f.ui.messages.size(), 1u);
  EXPECT_NE(f.ui.messages[0].text.find("detect"), std::string::npos);
  EXPECT_EQ(f.ui.messages[0].icon, MessageIcon::Error);
  EXPECT_EQ(f.doc().folderCount(), 1u);
  EXPECT_FALSE(f.doc().isModified());
  EXPECT_FALSE(std::filesystem::exists(f.temp.file("IMPLOG.TXT")));
}

// A log that cannot be created stops the run (the root is still made); one that cannot be
// written does not, and says so once, after the summary.
TEST(ImportLogFailures, NewImportHtmlAndTheirMessages) {
  // Each names the file and the system's reason.
  const std::string notCreated =
      "Could not create ERRLOG.TXT.\n$/missing/IMPLOG.TXT: " + std::string(std::strerror(ENOENT));
  const std::string notWritten =
      "Could not write the Import Log:\n/dev/full: " + std::string(std::strerror(ENOSPC));
  const struct {
    const char* name;
    std::string logPath;  // in the temporary directory unless absolute
    bool netscape3;       // a missing Netscape 3.x file: a critical error, summed up first
    std::string message;  // $: the temporary directory
    std::string library;
  } cases[] = {
      {"not created", "missing/IMPLOG.TXT", false, notCreated, ""},
      {"not written", "/dev/full", false, notWritten, "A Four"},
      {"not written, after the summary", "/dev/full", true, notWritten, "A Four"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SessionFixture f;
    f.shortcut("A.url", "http://a/");
    f.temp.write("page.htm", kGood);
    f.start(f.browsers(c.netscape3, false, true),
            c.logPath[0] == '/' ? c.logPath : f.temp.file(c.logPath));
    std::string message = c.message;
    if (const auto at = message.find('$'); at != std::string::npos)
      message.replace(at, 1, f.temp.path());
    ASSERT_TRUE(f.session->documentCommands().fileNew());
    const std::vector<std::string> texts = f.ui.messageTexts();
    ASSERT_EQ(texts.size(), c.netscape3 ? 2u : 1u);
    EXPECT_EQ(texts.back(), message);
    EXPECT_NE(texts.front().find(c.netscape3 ? "critical errors" : "Could not"), std::string::npos);
    EXPECT_FALSE(f.session->importRun().lastImportClean());
    f.ui.messages.clear();
    f.ui.nextOpenFile(f.temp.file("page.htm"));
    ASSERT_TRUE(f.session->importRun().OnImportHtml());
    EXPECT_EQ(f.ui.messageTexts(), std::vector{message});
    EXPECT_FALSE(f.session->importRun().lastImportClean());
    for (const auto& m : f.ui.messages) EXPECT_NE(m.icon, MessageIcon::Question);
    EXPECT_EQ(f.bookmarks(), c.library);
    EXPECT_EQ(f.doc().folderCount(), 1u);
  }
}

TEST(ImportRunOpen, OpenMergesTheBrowsersExclusiveReadsTheFileAloneAndNothingNewStaysClean) {
  SessionFixture f;
  f.temp.write("ns3.htm", kGood);
  f.start(f.browsers(true, false, false));
  DocumentCommands& commands = f.session->documentCommands();
  ASSERT_TRUE(commands.fileNew());
  EXPECT_TRUE(f.doc().isModified());
  f.ui.nextSaveFile(f.temp.file("lib.bml"));
  ASSERT_TRUE(commands.fileSaveAs());
  // The file already holds every browser bookmark: Open adds nothing and stays unmodified.
  ASSERT_TRUE(commands.openDocumentFile(f.temp.file("lib.bml")));
  EXPECT_FALSE(f.doc().isModified());
  EXPECT_EQ(f.bookmarks(), "Four");
  f.temp.write("ns3.htm", netscapeFile(netscapeBookmark("Five", "http://five/")));
  ASSERT_TRUE(commands.openDocumentFile(f.temp.file("lib.bml")));
  EXPECT_EQ(f.bookmarks(), "Five Four");
  EXPECT_TRUE(f.doc().isModified());
  f.doc().setModifiedFlag(false);
  f.ui.answer(Answer::Yes);
  f.ui.nextOpenFile(f.temp.file("lib.bml"));
  ASSERT_TRUE(commands.fileOpenExclusive());
  EXPECT_EQ(f.bookmarks(), "Four");
  EXPECT_FALSE(f.doc().isModified());
}

TEST(ImportRunHtml, MarksModifiedEvenWhenNothingIsNewAndRefillsTheViews) {
  SessionFixture f;
  f.temp.write("page.htm", kGood);
  f.start(f.browsers(false, false, false));  // a library without even a root (an empty file)
  f.ui.nextOpenFile(std::nullopt);
  EXPECT_FALSE(f.session->importRun().OnImportHtml());
  EXPECT_FALSE(std::filesystem::exists(f.temp.file("IMPLOG.TXT")));
  f.ui.nextOpenFile(f.temp.file("page.htm"));
  ASSERT_TRUE(f.session->importRun().OnImportHtml());
  EXPECT_EQ(f.log().rfind("Beginning Netscape import\n\nOpening " + f.temp.file("page.htm") +
                              "\nNetscape import complete ... no errors.\n\n",
                          0),
            0u);
  f.doc().setModifiedFlag(false);
  f.ui.nextOpenFile(f.temp.file("page.htm"));  // only what the library holds
  ASSERT_TRUE(f.session->importRun().OnImportHtml());
  EXPECT_TRUE(f.doc().isModified());
  EXPECT_EQ(f.bookmarks(), "Four");
  ASSERT_EQ(f.doc().folderCount(), 1u);  // the bookmark has a folder: the root
  EXPECT_EQ(f.doc().folder(0).path, "\\");
  EXPECT_EQ(f.refills, 2);
  // The status window is created, centred and shown, and goes before the summary could show.
  EXPECT_EQ(std::vector<std::string>(f.ui.statusEvents.begin(), f.ui.statusEvents.begin() + 3),
            (std::vector<std::string>{"create", "center", "text:Importing Netscape bookmarks"}));
  EXPECT_EQ(f.ui.statusEvents.back(), "destroy");
  EXPECT_TRUE(f.ui.messages.empty());
}

// Through the session: found under a home, the first choice stored, a later choice kept.
TEST(ImportRunSources, TheSessionStoresTheFirstChoiceAndTheDialogChangesIt) {
  SessionFixture f;
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
