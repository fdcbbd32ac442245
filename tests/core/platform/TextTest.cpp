#include <gtest/gtest.h>

#include "platform/Text.h"
#include "support/CaseFile.h"

namespace linkfold {
namespace {

// The library's sort tests cover the order; letters beyond ASCII are not folded.
TEST(Text, CompareNoCaseFoldsAsciiOnly) {
  EXPECT_TRUE(equalsNoCase("Apple", "aPPLE"));
  EXPECT_FALSE(equalsNoCase("\xC3\x89", "\xC3\xA9"));
}

TEST(Text, Utf8CountingTreatsInvalidBytesAsOneCharacter) {
  for (const test::TestCase& c : test::readCases("utf8-count-cases.txt"))
    EXPECT_EQ(utf8CharCount(c["text"]), std::stoul(c["count"])) << c.what;
}

TEST(Text, Utf8PrefixAndSuffixNeverCutInsideACharacter) {
  EXPECT_EQ(utf8Prefix("\xC3\xA9\xC3\xA9x", 1), "\xC3\xA9");
  EXPECT_EQ(utf8Prefix("ab", 5), "ab");
  EXPECT_EQ(utf8Suffix("x\xC3\xA9.url", 4), ".url");
  EXPECT_EQ(utf8Suffix("x\xC3\xA9.url", 5), "\xC3\xA9.url");
  EXPECT_EQ(utf8Suffix("ab", 4), "ab");
}

TEST(Text, TrimmingUsesTheSixWhiteSpaceCharacters) {
  EXPECT_EQ(trimWhite(" \t\n\v\f\rA B\r\n"), "A B");
  EXPECT_EQ(trimWhite("\xA0x"), "\xA0x");  // a no-break space is not trimmed
  EXPECT_EQ(trimWhite("   "), "");
}

}  // namespace
}  // namespace linkfold
