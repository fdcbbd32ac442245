// The Netscape reader: what each kind of input leaves in the library and in the import log.

#include <gtest/gtest.h>

#include <regex>

#include "NetscapeFixture.h"
#include "support/AllocationLimit.h"
#include "support/CaseFile.h"

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

}  // namespace
}  // namespace linkfold::test
