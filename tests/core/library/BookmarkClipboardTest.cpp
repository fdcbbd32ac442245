// What a paste reads from each form on the clipboard; copies are library scenarios.

#include <gtest/gtest.h>

#include "library/BookmarkClipboard.h"
#include "support/CaseFile.h"

namespace linkfold::test {
namespace {

TEST(BookmarkClipboard, EachFormGivesItsBookmarksAndIgnoresTheRest) {
  for (const TestCase& c : readCases("clipboard-paste-cases.txt")) {
    std::vector<PastedBookmark> expected;
    for (const std::string& line : c.lines("found"))
      expected.push_back({line.substr(0, line.find('\t')), line.substr(line.find('\t') + 1)});
    EXPECT_EQ(parseClipboard({c["text"], c["uriList"], c["html"]}), expected) << c.what;
  }
}

}  // namespace
}  // namespace linkfold::test
