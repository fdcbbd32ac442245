#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "core/browsers/commands/SessionFixture.h"

namespace linkfold::test {
namespace {

const std::string kSeeTheLog =
    "\n\nTo see the Import Log, use the\n\"Import Log\" command from the View Menu.";
const std::string kAdjusted =
    "Linkfold had to make some adjustments\nwhile importing your bookmarks." + kSeeTheLog;
const std::string kCritical = "One or more critical errors occurred during import." + kSeeTheLog;

const std::string kGood = netscapeFile(netscapeBookmark("Four", "http://four/"));

TEST(ImportRun, LogSummaryAndLibrary) {
  const std::string emptyUrl =
      netscapeFile(netscapeBookmark("Three", "http://three/") + "<DT><A HREF=\"\">X</A>\n");
  const std::string sameName = netscapeFile(netscapeBookmark("Same", "http://one/") +
                                            netscapeBookmark("Same", "http://two/"));
  const struct {
    const char* name;
    bool netscape3, netscape4, msie;
    std::string ns3, ns4;              // file contents; "-" for no file
    std::vector<std::string> inOrder;  // log fragments, in this order
    std::vector<std::string> absent;
    std::string summary;  // empty: no message
    std::string library;
    bool clean;
  } cases[] = {
      // clang-format off
      {"MSIE only", false, false, true, "-", "-",
       {"\nBeginning MSIE import\n\n", "MSIE import complete ... no errors.\n\n",
        "\nNo duplicates bFound.\n"},
       {"Netscape"}, "", "News\\Daily ", true},
      {"a non-fatal entry silences every later completion line", true, true, true, emptyUrl, kGood,
       {"Beginning Netscape 3.x import\n", "URL string is empty. The line was skipped\n",
        "Beginning Netscape 4.x import\n", "\nBeginning MSIE import\n\n"},
       {"complete ... no errors"}, kAdjusted, "News\\Daily Four Three ", true},
      {"a missing file is critical and the run goes on", true, true, false, "-", kGood,
       {"Beginning Netscape 3.x import\n", "Critical error:\n",
        "Processing aborted\nBeginning Netscape 4.x import\n"},
       {"complete ... no errors"}, kCritical, "Four ", false},
      {"renames alone still summarise", false, true, false, "-", sameName,
       {"Beginning Netscape 4.x import\n", "Netscape 4.x import complete ... no errors.\n\n"},
       {"No duplicates"}, kAdjusted, "Same Same (1) ", true},
      // clang-format on
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SessionFixture f;
    if (c.ns3 != "-") f.temp.write("ns3.htm", c.ns3);
    if (c.ns4 != "-") f.temp.write("ns4.htm", c.ns4);
    f.shortcut("News/Daily.url", "http://daily/");
    f.start(f.browsers(c.netscape3, c.netscape4, c.msie));
    ASSERT_TRUE(f.session->documentCommands().fileNew());
    const std::string text = f.log();
    std::size_t at = 0;
    for (const auto& fragment : c.inOrder) {
      const std::size_t found = text.find(fragment, at);
      EXPECT_NE(found, std::string::npos) << "missing or out of order: " << fragment << "\n"
                                          << text;
      if (found != std::string::npos) at = found + fragment.size();
    }
    for (const auto& fragment : c.absent)
      EXPECT_EQ(text.find(fragment), std::string::npos) << fragment;
    EXPECT_EQ(f.ui.messageTexts(),
              c.summary.empty() ? std::vector<std::string>{} : std::vector{c.summary});
    for (const auto& m : f.ui.messages) EXPECT_EQ(m.icon, MessageIcon::Information);
    EXPECT_EQ(f.bookmarks(), c.library);
    EXPECT_TRUE(f.doc().isModified());
    EXPECT_EQ(f.session->importRun().lastImportClean(), c.clean);
    EXPECT_EQ(f.doc().folder(0).path, "\\");
    EXPECT_TRUE(f.doc().folder(0).locked);
  }
}

TEST(ImportRunNew, WithoutBrowsersTheNoticeShowsOnceAndOnlyTheRootIsLeft) {
  SessionFixture f;
  f.start(f.browsers(false, false, false));
  for (int i = 0; i < 2; ++i) ASSERT_TRUE(f.session->documentCommands().fileNew());
  ASSERT_EQ(f.ui.messages.size(), 1u);
  EXPECT_MESSAGE(f.ui, 0, "Could not detect either MSIE or Netscape!", Error);
  EXPECT_EQ(f.doc().folderCount(), 1u);
  EXPECT_FALSE(f.doc().isModified());
  EXPECT_FALSE(std::filesystem::exists(f.temp.file("IMPLOG.TXT")));
}

// A log that cannot be created stops the run (the root is still made); one that cannot be
// written does not, and says so once, after the summary.
TEST(ImportLogFailures, NewImportHtmlAndTheirMessages) {
  // Each names the file and the system's reason.
  const std::string notCreated =
      "Could not create ERRLOG.TXT.\n{T}/missing/IMPLOG.TXT: " + std::string(std::strerror(ENOENT));
  const std::string notWritten =
      "Could not write the Import Log:\n/dev/full: " + std::string(std::strerror(ENOSPC));
  const struct {
    const char* name;
    std::string logPath;  // in the temporary directory unless absolute
    bool netscape3;       // a missing Netscape 3.x file: a critical error
    std::vector<std::string> newMessages, importHtmlMessages;
    std::string library;
  } cases[] = {
      {"not created", "missing/IMPLOG.TXT", false, {notCreated}, {notCreated}, ""},
      {"not written", "/dev/full", false, {notWritten}, {notWritten}, "A Four "},
      {"not written, after the summary",
       "/dev/full",
       true,
       {kCritical, notWritten},
       {notWritten},
       "A Four "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SessionFixture f;
    f.shortcut("A.url", "http://a/");
    f.temp.write("page.htm", kGood);
    f.start(f.browsers(c.netscape3, false, true),
            c.logPath[0] == '/' ? c.logPath : f.temp.file(c.logPath));
    std::vector<std::string> newMessages = c.newMessages, importHtmlMessages = c.importHtmlMessages;
    for (auto* list : {&newMessages, &importHtmlMessages})
      for (std::string& m : *list)
        if (const auto at = m.find("{T}"); at != std::string::npos) m.replace(at, 3, f.temp.path());
    ASSERT_TRUE(f.session->documentCommands().fileNew());
    EXPECT_EQ(f.ui.messageTexts(), newMessages);
    EXPECT_FALSE(f.session->importRun().lastImportClean());
    f.ui.messages.clear();
    f.ui.nextOpenFile(f.temp.file("page.htm"));
    ASSERT_TRUE(f.session->importRun().OnImportHtml());
    EXPECT_EQ(f.ui.messageTexts(), importHtmlMessages);
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
  EXPECT_EQ(f.bookmarks(), "Four ");
  f.temp.write("ns3.htm", netscapeFile(netscapeBookmark("Five", "http://five/")));
  ASSERT_TRUE(commands.openDocumentFile(f.temp.file("lib.bml")));
  EXPECT_EQ(f.bookmarks(), "Five Four ");
  EXPECT_TRUE(f.doc().isModified());
  f.doc().setModifiedFlag(false);
  f.ui.answer(Answer::Yes);
  f.ui.nextOpenFile(f.temp.file("lib.bml"));
  ASSERT_TRUE(commands.fileOpenExclusive());
  EXPECT_EQ(f.bookmarks(), "Four ");
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
  EXPECT_EQ(f.bookmarks(), "Four ");
  ASSERT_EQ(f.doc().folderCount(), 1u);  // the bookmark has a folder: the root
  EXPECT_EQ(f.doc().folder(0).path, "\\");
  EXPECT_EQ(f.refills, 2);
  // The status window is created, centred and shown, and goes before the summary could show.
  EXPECT_EQ(std::vector<std::string>(f.ui.statusEvents.begin(), f.ui.statusEvents.begin() + 3),
            (std::vector<std::string>{"create", "center", "text:Importing Netscape bookmarks"}));
  EXPECT_EQ(f.ui.statusEvents.back(), "destroy");
  EXPECT_TRUE(f.ui.messages.empty());
}

}  // namespace
}  // namespace linkfold::test
