// The Netscape reader: what each kind of input leaves in the library and in the import log, and
// real files made by browsers and tools: counts where the reader's rules agree with the corpus
// notes, and a round trip through the writer for every file.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>

#include "NetscapeFixture.h"
#include "browsers/netscape/NetscapeWriter.h"
#include "fuzz/LibraryInvariants.h"
#include "support/AllocationLimit.h"
#include "support/CaseFile.h"
#include "support/CorpusFolder.h"
#include "view/CLFView.h"

namespace linkfold::test {
namespace {

// The forms of input and what each leaves, in tests/data/netscape-read-cases.txt.
TEST(NetscapeReader, ReadsEachFormIntoTheLibraryAndTheLog) {
  for (const TestCase& c : readCases("netscape-read-cases.txt")) {
    SCOPED_TRACE(c.what);
    NetscapeRun run(c["favorites"]);
    const std::string path = c.fields.count("path") ? c["path"] : "in.htm";  // given: not written
    EXPECT_EQ(c.fields.count("path")
                  ? Parse_NS_File(run.doc, run.temp.file(path))
                  : run.read(c.fields.count("list") ? netscapeFile(c["list"]) : c["input"]),
              c["result"] == "fatal" ? kNetscapeReadFatal : kNetscapeReadOk);
    EXPECT_EQ(run.library(), c["library"]);
    EXPECT_EQ(run.doc.adjustmentFlag(), c["adjusted"] == "yes");
    const std::string title = c["title"] == "default" ? CLFDoc::kDefaultNetscapeTitle : c["title"];
    EXPECT_EQ(run.doc.netscapeTitle(), title.empty() ? "T" : title);
    EXPECT_EQ(run.log(), "Opening $/" + path + "\n" + c["log"]);
  }
}

// Nameless folders, and folders named only by blanks, are numbered over the program's life.
TEST(NetscapeReader, NamelessFoldersAreNumberedAcrossFilesAndRuns) {
  NetscapeRun first;
  ASSERT_EQ(first.read(netscapeFile("<DT><H3></H3>\n<DL><p>\n</DL><p>\n")), kNetscapeReadOk);
  std::smatch number;
  const std::string folders = first.library();
  ASSERT_TRUE(std::regex_search(folders, number, std::regex("Folder \\((\\d+)\\)")));
  const std::string next = std::to_string(std::stoul(number[1]) + 1);
  EXPECT_EQ(first.log(),
            "Opening $/in.htm\nRoot Folder contains a folder with no name\n"
            "Default name Folder (" +
                number[1].str() + ") provided\n");
  EXPECT_FALSE(first.doc.adjustmentFlag());

  NetscapeRun second;
  ASSERT_EQ(second.read(netscapeFile("<DT><H3>Top</H3>\n<DL><p>\n<DT><H3> \t </H3>\n<DL><p>\n"
                                     "</DL><p>\n</DL><p>\n")),
            kNetscapeReadOk);
  EXPECT_EQ(second.library(), "Top\\ Top\\Folder (" + next + ")\\ =");
  EXPECT_EQ(second.log(),
            "Opening $/in.htm\nFolder Top contains a folder with no name\n"
            "Default name Folder (" +
                next + ") provided\n");
}

// Deep nesting, huge lines and noise: read or refused with a logged entry, never a crash.
TEST(NetscapeReader, SurvivesHostileFiles) {
  std::string open, close;
  for (int i = 0; i < 100000; ++i) {
    open += "<DT><H3>a</H3>\n<DL><p>\n";
    close += "</DL><p>\n";
  }
  std::string noise(1 << 20, '\0');
  std::uint32_t seed = 7;
  for (char& c : noise) c = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
  const std::string huge(5 << 20, 'x');
  const struct {
    std::string input;
    int result;
  } cases[] = {
      {netscapeFile(open + close), kNetscapeReadOk},
      {netscapeFile(open), kNetscapeReadFatal},
      {netscapeFile("<DT><A HREF=\"http://h/\">" + huge + "</A>\n<DD>" + huge + "\n"),
       kNetscapeReadOk},
      {"<H1>T</H1>\n<DL><p>\n" + noise, kNetscapeReadFatal},
      {"", kNetscapeReadFatal},
  };
  for (const auto& c : cases) {
    NetscapeRun run;
    run.doc.openStatusWindow();
    EXPECT_EQ(run.read(c.input), c.result);
    EXPECT_LT(run.doc.folderCount(), 300u);  // relocation keeps paths short
    EXPECT_EQ(run.ui.progress.done, c.input.size());
    EXPECT_EQ(run.ui.progress.total, c.input.size());
    EXPECT_EQ(run.ui.progress.backwards, 0);
    EXPECT_LE(run.ui.progress.reports, static_cast<int>(c.input.size() >> 17) + 2);
  }
}

// Lack of memory in add-folder and add-bookmark (the tables are made full, then their growth
// refused) and for a line.
TEST(NetscapeReader, ReportsEachRefusedAddition) {
  for (const TestCase& c : readCases("netscape-memory-cases.txt")) {
    SCOPED_TRACE(c.what);
    NetscapeRun run;
    if (!c["present"].empty()) run.folder(c["present"]);
    for (std::uint32_t i = 0;
         run.doc.folderCount() < 4096 || run.doc.folders().size() < run.doc.folders().capacity();)
      run.folder("pad" + std::to_string(i++) + "\\");
    for (std::uint32_t i = 0; run.doc.bookmarkCount() < 4096 ||
                              run.doc.bookmarks().size() < run.doc.bookmarks().capacity();
         ++i)
      run.bookmark(0, std::to_string(i), "http://" + std::to_string(i));
    const std::uint32_t folders = run.doc.folderCount(), marks = run.doc.bookmarkCount();
    run.temp.write("in.htm", netscapeFile(c["list"]));
    {
      ScopedAllocationLimit limit(64 << 10);
      EXPECT_EQ(Parse_NS_File(run.doc, run.temp.file("in.htm")), kNetscapeReadFatal);
    }
    EXPECT_EQ(run.doc.folderCount(), folders);
    EXPECT_EQ(run.doc.bookmarkCount(), marks);
    EXPECT_NE(run.log().find(c["log"]), std::string::npos);
  }
}

TEST(NetscapeCorpus, ReadsRealFilesAndReadsBackWhatItWrites) {
  const std::filesystem::path dir = corpusFolder("html");
  if (dir.empty()) GTEST_SKIP();
  const std::vector<TestCase> notes = readCases("netscape-corpus-counts.txt");
  int files = 0, agreeing = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    SCOPED_TRACE(name);
    ++files;
    NetscapeRun first;
    const int result = Parse_NS_File(first.doc, entry.path().string());
    EXPECT_EQ(result == kNetscapeReadFatal,
              name.starts_with("icab-") || name.starts_with("pocket-"));
    if (const auto counts = std::find_if(notes.begin(), notes.end(),
                                         [&name](const TestCase& c) { return c.what == name; });
        counts != notes.end()) {
      ++agreeing;
      EXPECT_EQ(std::to_string(first.doc.folderCount() - 1), (*counts)["folders"]);
      EXPECT_EQ(std::to_string(first.doc.bookmarkCount()), (*counts)["bookmarks"]);
    }
    // What was read exports and reads back to the same library and title, with nothing to
    // adjust on the second read.
    CLFView view(first.doc, first.ui, first.settings);
    view.OnUpdate();
    const std::string exported = first.temp.file("export.htm");
    EXPECT_TRUE(Do_NS_Export(view, exported, false, first.doc.netscapeTitle()));
    NetscapeRun second;
    EXPECT_EQ(Parse_NS_File(second.doc, exported), kNetscapeReadOk);
    EXPECT_EQ(libraryContents(second.doc), libraryContents(first.doc));
    EXPECT_EQ(second.doc.netscapeTitle(), first.doc.netscapeTitle());
    EXPECT_EQ(second.log(), "Opening " + exported + "\n");
  }
  EXPECT_EQ(agreeing, static_cast<int>(notes.size()));
  EXPECT_GE(files, 19);
}

// Files full of references, text that only looks like one, and sibling folders that differ in
// letter case, with and without a list around the top level, read whole; the fuzz replay
// checks their round trip.
TEST(NetscapeCorpus, GeneratedSeedsReadWhole) {
  for (const char* name : {"generated-references.htm", "generated-implicit-list.htm"}) {
    NetscapeRun run;
    EXPECT_EQ(Parse_NS_File(run.doc, fuzzSeed("fuzz_netscape_reader", name)), kNetscapeReadOk);
    EXPECT_GT(run.doc.bookmarkCount(), 100u) << name;
  }
}

}  // namespace
}  // namespace linkfold::test
