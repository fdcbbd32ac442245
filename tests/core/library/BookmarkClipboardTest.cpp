// Bookmarks on the clipboard: the forms a copy makes and what a paste reads from each.

#include <gtest/gtest.h>

#include "core/library/LibraryFixture.h"
#include "library/BookmarkClipboard.h"

namespace linkfold::test {
namespace {

using Items = std::vector<PastedBookmark>;

TEST(BookmarkClipboard, EachFormGivesItsBookmarksAndIgnoresTheRest) {
  const struct {
    const char* what;
    ClipboardData data;
    Items expected;
  } cases[] = {
      {"a browser's link",
       {"", "",
        "<meta charset='utf-8'><a href=\"https://x.org/?a=1&amp;b=2\">Tom &amp; <b>Jerry</b></a>"},
       {{"Tom & Jerry", "https://x.org/?a=1&b=2"}}},
      {"a Netscape fragment",
       {"", "",
        "<DL><p>\n<DT><A HREF='http://a/' ADD_DATE=\"1\">A</A>\n<DT><A HREF=http://b/>B</A>\n"},
       {{"A", "http://a/"}, {"B", "http://b/"}}},
      {"links without URLs, or cut off",
       {"", "", "<a name=x>no</a><a href=\"javascript\">js</a><a href=\"http://c/\">C"},
       {{"C", "http://c/"}}},
      {"the HTML wins over the others",
       {"http://t/", "http://u/\r\n", "<a href=\"http://h/\">H</a>"},
       {{"H", "http://h/"}}},
      {"a uri-list with a comment",
       {"ignored", "# from a file manager\r\nhttp://u1/\r\n\r\nftp://u2/\r\n", ""},
       {{"", "http://u1/"}, {"", "ftp://u2/"}}},
      {"text lines that look like URLs",
       {" http://t1/ \nnot a url\nwww.t2.org\nmailto:me@x\n:nope\nhttp://with space/", "", ""},
       {{"", "http://t1/"}, {"", "www.t2.org"}, {"", "mailto:me@x"}}},
      {"nothing", {"", "", "<a href="}, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(parseClipboard(c.data), c.expected) << c.what;
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
