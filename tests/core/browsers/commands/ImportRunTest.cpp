#include <gtest/gtest.h>

#include <vector>

#include "core/browsers/commands/SessionFixture.h"

namespace linkfold::test {
namespace {

const std::string kSeeTheLog =
    "\n\nTo see the Import Log, use the\n\"Import Log\" command from the View Menu.";
const std::string kAdjusted =
    "Linkfold had to make some adjustments\nwhile importing your bookmarks." + kSeeTheLog;
const std::string kCritical = "One or more critical errors occurred during import." + kSeeTheLog;

struct RunCase {
  std::string name;
  bool netscape3, netscape4, msie;
  std::string ns3, ns4;              // file contents; "-" for no file
  std::vector<std::string> inOrder;  // log fragments, in this order
  std::vector<std::string> absent;
  std::string summary;  // empty: no message
  std::string library;
  bool clean;
};

class ImportRunCases : public ::testing::TestWithParam<RunCase>, public SessionFixture {};

TEST_P(ImportRunCases, LogSummaryAndLibrary) {
  const RunCase& c = GetParam();
  if (c.ns3 != "-") temp.write("ns3.htm", c.ns3);
  if (c.ns4 != "-") temp.write("ns4.htm", c.ns4);
  shortcut("News/Daily.url", "http://daily/");
  start(browsers(c.netscape3, c.netscape4, c.msie));
  ASSERT_TRUE(session->documentCommands().fileNew());
  const std::string text = log();
  std::size_t at = 0;
  for (const auto& fragment : c.inOrder) {
    const std::size_t found = text.find(fragment, at);
    EXPECT_NE(found, std::string::npos) << "missing or out of order: " << fragment << "\n" << text;
    if (found != std::string::npos) at = found + fragment.size();
  }
  for (const auto& fragment : c.absent)
    EXPECT_EQ(text.find(fragment), std::string::npos) << fragment;
  if (c.summary.empty()) {
    EXPECT_TRUE(ui.messages.empty());
  } else {
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_MESSAGE(ui, 0, c.summary, Information);
  }
  EXPECT_EQ(bookmarks(), c.library);
  EXPECT_TRUE(doc().isModified());
  EXPECT_EQ(session->importRun().lastImportClean(), c.clean);
  EXPECT_EQ(doc().folder(0).path, "\\");
  EXPECT_TRUE(doc().folder(0).locked);
}

const std::string kGood = netscapeFile(netscapeBookmark("Four", "http://four/"));
const std::string kEmptyUrl =
    netscapeFile(netscapeBookmark("Three", "http://three/") + "<DT><A HREF=\"\">X</A>\n");
const std::string kSameName =
    netscapeFile(netscapeBookmark("Same", "http://one/") + netscapeBookmark("Same", "http://two/"));

INSTANTIATE_TEST_SUITE_P(
    , ImportRunCases,
    ::testing::Values(
        RunCase{"MsieOnly",
                false,
                false,
                true,
                "-",
                "-",
                {"\nBeginning MSIE import\n\n", "MSIE import complete ... no errors.\n\n",
                 "\nNo duplicates bFound.\n"},
                {"Netscape"},
                "",
                "News\\Daily ",
                true},
        RunCase{"ANonFatalEntrySilencesEveryLaterCompletionLine",
                true,
                true,
                true,
                kEmptyUrl,
                kGood,
                {"Beginning Netscape 3.x import\n", "URL string is empty. The line was skipped\n",
                 "Beginning Netscape 4.x import\n", "\nBeginning MSIE import\n\n"},
                {"complete ... no errors"},
                kAdjusted,
                "News\\Daily Four Three ",
                true},
        RunCase{"AMissingFileIsCriticalAndTheRunGoesOn",
                true,
                true,
                false,
                "-",
                kGood,
                {"Beginning Netscape 3.x import\n", "Critical error:\n",
                 "Processing aborted\nBeginning Netscape 4.x import\n"},
                {"complete ... no errors"},
                kCritical,
                "Four ",
                false},
        RunCase{
            "RenamesAloneStillSummarise",
            false,
            true,
            false,
            "-",
            kSameName,
            {"Beginning Netscape 4.x import\n", "Netscape 4.x import complete ... no errors.\n\n"},
            {"No duplicates"},
            kAdjusted,
            "Same Same (1) ",
            true}),
    [](const auto& param) { return param.param.name; });

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

struct LogFailureCase {
  std::string name;
  std::string logPath;  // in the temporary directory
  bool netscape3;       // a missing Netscape 3.x file: a critical error
  std::vector<std::string> newMessages, importHtmlMessages;
  std::string library;
};

class ImportLogFailures : public ::testing::TestWithParam<LogFailureCase>, public SessionFixture {};

// A log that cannot be created stops the run (the root is still made); one that cannot be
// written does not, and says so once, after the summary.
TEST_P(ImportLogFailures, NewImportHtmlAndTheirMessages) {
  const LogFailureCase& c = GetParam();
  shortcut("A.url", "http://a/");
  temp.write("page.htm", kGood);
  start(browsers(c.netscape3, false, true), c.logPath[0] == '/' ? c.logPath : temp.file(c.logPath));
  ASSERT_TRUE(session->documentCommands().fileNew());
  EXPECT_EQ(ui.messageTexts(), c.newMessages);
  EXPECT_FALSE(session->importRun().lastImportClean());
  ui.messages.clear();
  ui.nextOpenFile(temp.file("page.htm"));
  ASSERT_TRUE(session->importRun().OnImportHtml());
  EXPECT_EQ(ui.messageTexts(), c.importHtmlMessages);
  EXPECT_FALSE(session->importRun().lastImportClean());
  for (const auto& m : ui.messages) EXPECT_NE(m.icon, MessageIcon::Question);
  EXPECT_EQ(bookmarks(), c.library);
  EXPECT_EQ(doc().folderCount(), 1u);
}

const char* const kNotCreated = "Could not create ERRLOG.TXT.";
const char* const kNotWritten = "Could not write the Import Log:\n/dev/full";

INSTANTIATE_TEST_SUITE_P(
    , ImportLogFailures,
    ::testing::Values(
        LogFailureCase{"NotCreated", "missing/IMPLOG.TXT", false, {kNotCreated}, {kNotCreated}, ""},
        LogFailureCase{"NotWritten", "/dev/full", false, {kNotWritten}, {kNotWritten}, "A Four "},
        LogFailureCase{"NotWrittenAfterTheSummary",
                       "/dev/full",
                       true,
                       {kCritical, kNotWritten},
                       {kNotWritten},
                       "A Four "}),
    [](const auto& param) { return param.param.name; });

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
  EXPECT_EQ(requestText(f.ui.fileRequests.at(0)),
            "Open|HTML files (*.htm; *.html)=*.htm; *.html|.htm|BOOKMARK.HTM");
  EXPECT_TRUE(f.ui.messages.empty());
}

}  // namespace
}  // namespace linkfold::test
