// Bookmarks on the clipboard: the forms a copy makes and what a paste reads from each.

#include <gtest/gtest.h>

#include "core/library/LibraryFixture.h"
#include "library/BookmarkClipboard.h"
#include "support/CaseFile.h"

namespace linkfold::test {
namespace {

using Items = std::vector<PastedBookmark>;

TEST(BookmarkClipboard, EachFormGivesItsBookmarksAndIgnoresTheRest) {
  for (const TestCase& c : readCases("clipboard-paste-cases.txt")) {
    Items expected;
    for (const std::string& line : c.lines("found"))
      expected.push_back({line.substr(0, line.find('\t')), line.substr(line.find('\t') + 1)});
    EXPECT_EQ(parseClipboard({c["text"], c["uriList"], c["html"]}), expected) << c.what;
  }
}

struct Paste : ::testing::Test, LibraryFixture {
  void SetUp() override { ASSERT_TRUE(doc.addFolder("\\", true)); }
};

TEST_F(Paste, ACopyPastesBackAsTheSameBookmarks) {
  const auto f = folder("F\\");
  bookmark(f, "Tom & \"Jerry\" <3>", "http://x/?a=1&b=<2>");
  bookmark(f, "plain", "https://plain/");
  const ClipboardData copied = clipboardFor(doc, {0, 1});
  EXPECT_EQ(copied.text, "http://x/?a=1&b=<2>\nhttps://plain/");
  EXPECT_EQ(copied.uriList, "http://x/?a=1&b=<2>\r\nhttps://plain/\r\n");
  const Items expected{{"Tom & \"Jerry\" <3>", "http://x/?a=1&b=<2>"}, {"plain", "https://plain/"}};
  EXPECT_EQ(parseHtmlLinks(copied.html), expected);
}

}  // namespace
}  // namespace linkfold::test
