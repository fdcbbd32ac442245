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

TEST_F(Paste, PastedBookmarksFollowTheNameRules) {
  const auto f = folder("F\\");
  bookmark(f, "Home", "http://home/");
  doc.setModifiedFlag(false);
  const std::string longName(60, 'n');
  const Items pasted{{"", "http://no.name/path"},
                     {"a:b*c", "http://forbidden/"},
                     {longName, "http://long/"},
                     {"Home", "http://home/"},    // already there: not added again
                     {"Home", "http://other/"}};  // a name taken in the folder
  EXPECT_EQ(pasteBookmarks(doc, f, pasted), 4u);
  EXPECT_TRUE(doc.isModified());
  std::vector<std::string> names;
  for (const auto& b : doc.bookmarks()) names.push_back(b.name + "@" + std::to_string(b.folder));
  EXPECT_EQ(names,
            (std::vector<std::string>{"a$b$c@1", "Home@1", "Home (1)@1", "http$$$no.name$path@1",
                                      std::string(50, 'n') + "@1"}));
  EXPECT_EQ(pasteBookmarks(doc, 99, pasted), 0u);  // no such folder
}

}  // namespace
}  // namespace linkfold::test
