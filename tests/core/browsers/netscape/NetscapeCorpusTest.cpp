// Real bookmark files made by browsers and tools: counts where the reader's rules agree with
// the corpus notes, and a round trip through the writer for every file.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "NetscapeFixture.h"
#include "browsers/netscape/NetscapeWriter.h"
#include "fuzz/LibraryInvariants.h"
#include "support/CaseFile.h"
#include "support/CorpusFolder.h"
#include "view/CLFView.h"

namespace linkfold::test {
namespace {

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
