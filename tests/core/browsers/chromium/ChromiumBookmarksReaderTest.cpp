// The Chromium reader over Bookmarks files written as Chromium writes them, and over hostile
// JSON: what each leaves in the library and the import log.

#include <gtest/gtest.h>

#include "browserfiles/ChromiumBookmarksJson.h"
#include "browsers/chromium/ChromiumBookmarksReader.h"
#include "core/browsers/netscape/NetscapeFixture.h"
#include "support/AllocationLimit.h"
#include "support/CaseFile.h"

namespace linkfold::test {
namespace {

using browserfiles::ChromiumBookmarksJson;

struct ChromiumRun : NetscapeRun {
  bool read(const std::string& bytes) {
    temp.write("Bookmarks", bytes);
    return Read_Chromium_Bookmarks(doc, temp.file("Bookmarks"), "Brave: Work");
  }
};

const std::string kOpening = "Beginning Brave: Work import\n\nOpening $/Bookmarks\n";

// What one read leaves: a fatal entry holding the words `fatal`, or the library and the log.
void expectRead(const std::string& input, const std::string& fatal, const std::string& library = "",
                const std::string& log = "") {
  ChromiumRun run;
  EXPECT_EQ(run.read(input), fatal.empty());
  const std::string text = run.logAfter(kOpening);
  if (!fatal.empty()) {
    return expectCritical(text, "Read_Chromium_Bookmarks:\n$/Bookmarks ", fatal);
  }
  EXPECT_EQ(withoutFolderNumbers(run.library()), library);
  EXPECT_EQ(text, log);
}

// The forms, hostile ones among them, are in tests/data/chromium-read-cases.txt.
TEST(ChromiumBookmarksReader, ReadsEachFormIntoTheLibraryAndTheLog) {
  for (const TestCase& c : readCases("chromium-read-cases.txt")) {
    SCOPED_TRACE(c.what);
    expectRead(c["input"], c["fatal"], c["library"], c["log"]);
  }
}

std::string nested(int depth) {
  std::string open, close;
  for (int i = 0; i < depth; ++i) {
    open += R"({"type": "folder", "name": "f", "children": [)";
    close += "]}";
  }
  return R"({"roots": {"other": {"type": "folder", "children": [)" + open + close + "]}}}";
}

// Nesting as deep as the parser takes, a huge name and address, and a file that is not there.
TEST(ChromiumBookmarksReader, ReadsDeepAndHugeInputAndRefusesNoFile) {
  expectRead(nested(5000), "not valid JSON");  // deeper than the parser goes
  ChromiumRun deep;
  EXPECT_TRUE(deep.read(nested(500)));                  // Chromium itself reads no deeper than 200
  for (const FolderEntry& folder : deep.doc.folders())  // relocation keeps paths short
    EXPECT_LE(folder.path.size(), CLFDoc::kMaxFullPath);

  ChromiumRun huge;
  const std::string big(8 << 20, 'x');
  EXPECT_TRUE(huge.read(ChromiumBookmarksJson::simple({{big, "http://" + big}})));
  ASSERT_EQ(huge.doc.bookmarkCount(), 1u);
  EXPECT_EQ(huge.doc.bookmark(0).name, std::string(50, 'x'));

  ChromiumRun starved;  // the parser cannot get the memory the file needs
  starved.temp.write("Bookmarks", ChromiumBookmarksJson::simple({{big, "http://x/"}}));
  {
    ScopedAllocationLimit limit(1 << 20);
    EXPECT_FALSE(
        Read_Chromium_Bookmarks(starved.doc, starved.temp.file("Bookmarks"), "Brave: Work"));
  }
  EXPECT_NE(starved.logAfter(kOpening).find("Not enough memory to read $/Bookmarks"),
            std::string::npos);

  ChromiumRun none;
  EXPECT_FALSE(Read_Chromium_Bookmarks(none.doc, none.temp.file("Bookmarks"), "Brave: Work"));
  EXPECT_NE(none.logAfter(kOpening).find("Could not access $/Bookmarks"), std::string::npos);
}

}  // namespace
}  // namespace linkfold::test
