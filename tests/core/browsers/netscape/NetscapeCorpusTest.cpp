// Real bookmark files made by browsers and tools: counts where the reader's rules agree with
// the corpus notes, and a round trip through the writer for every file.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "NetscapeFixture.h"
#include "browsers/netscape/NetscapeWriter.h"
#include "support/CaseFile.h"
#include "support/CorpusFolder.h"
#include "view/CLFView.h"

namespace linkfold::test {
namespace {

// The library as sorted lines, independent of table order.
std::string contents(const CLFDoc& doc) {
  std::vector<std::string> lines;
  for (const FolderEntry& f : doc.folders()) lines.push_back(f.path);
  for (const BookmarkRecord& b : doc.bookmarks())
    lines.push_back(doc.folder(b.folder).path + "|" + b.name + "|" + b.url + "|" + b.description +
                    "|" + std::to_string(b.addDate) + "," + std::to_string(b.modifiedDate) + "," +
                    std::to_string(b.visitDate));
  std::sort(lines.begin(), lines.end());
  std::string out;
  for (const auto& line : lines) out += line + "\n";
  return out;
}

// Reads the file, exports what it read and reads that back: the same library, the same title,
// and nothing to adjust on the second read.
void expectRoundTrip(NetscapeRun& first) {
  CLFView view(first.doc, first.ui, first.settings);
  view.OnUpdate();
  const std::string exported = first.temp.file("export.htm");
  ASSERT_TRUE(Do_NS_Export(view, exported, false, first.doc.netscapeTitle()));
  NetscapeRun second;
  EXPECT_EQ(Parse_NS_File(second.doc, exported), kNetscapeReadOk);
  EXPECT_EQ(contents(second.doc), contents(first.doc));
  EXPECT_EQ(second.doc.netscapeTitle(), first.doc.netscapeTitle());
  EXPECT_EQ(second.log(), "Opening " + exported + "\n");
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
    expectRoundTrip(first);
  }
  EXPECT_EQ(agreeing, static_cast<int>(notes.size()));
  EXPECT_GE(files, 19);
}

// Generated files full of references, text that only looks like one, and sibling folders that
// differ in letter case, with and without a list around the top level.
TEST(NetscapeCorpus, GeneratedFilesReadBackWhatTheyHold) {
  const char* const pieces[] = {"a",    "B",     " ",        "&amp;", "&lt;",
                                "&gt;", "&#39;", "&#x20AC;", "AT&T",  "&copy;",
                                ";",    "#",     "\xC3\xA9", "&#10;", "&#X1f600;"};
  const char* const folders[] = {"Abc", "abc", "ABC", "d&amp;e", "D&AMP;E"};
  std::uint32_t seed = 12;
  const auto next = [&seed](std::uint32_t below) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % below;
  };
  const auto text = [&](bool withQuotes) {
    std::string out;
    for (std::uint32_t n = next(8); n > 0; --n) out += pieces[next(std::size(pieces))];
    if (withQuotes && next(3) == 0) out += "&quot;";
    return out;
  };
  for (const bool implicitList : {false, true}) {
    SCOPED_TRACE(implicitList ? "implicit top-level list" : "top-level list");
    std::string file = "<H1>" + text(true) + "</H1>\n" + (implicitList ? "" : "<DL><p>\n");
    int depth = 0;
    for (int line = 0; line < 400; ++line) {
      const std::uint32_t kind = next(10);
      if (kind < 2 && depth < 3) {
        file += "<DT><H3>" + std::string(folders[next(std::size(folders))]) + "</H3>\n<DL><p>\n";
        ++depth;
      } else if (kind < 4 && depth > 0) {
        file += "</DL><p>\n";
        --depth;
      } else {
        file += "<DT><A HREF=\"http://h/" + text(false) + "\">n" + text(false) + "</A>\n";
        if (kind == 9) file += "<DD>" + text(true) + "\n" + text(true) + "\n";
      }
    }
    for (; depth > 0; --depth) file += "</DL><p>\n";
    if (!implicitList) file += "</DL><p>\n";
    NetscapeRun first;
    ASSERT_EQ(first.read(file), kNetscapeReadOk);
    ASSERT_GT(first.doc.bookmarkCount(), 100u);
    expectRoundTrip(first);
  }
}

}  // namespace
}  // namespace linkfold::test
