#include <gtest/gtest.h>

#include "platform/Text.h"

namespace linkfold {
namespace {

TEST(Text, CompareNoCaseFoldsAsciiOnlyAndComparesUnsignedBytes) {
  EXPECT_EQ(compareNoCase("Apple", "apple"), 0);
  EXPECT_LT(compareNoCase("_misc", "apple"), 0);  // '_' lies below the lower-case letters
  EXPECT_GT(compareNoCase("\xC3\xA9", "z"), 0);   // bytes above 127 sort after ASCII
  EXPECT_LT(compareNoCase("ab", "abc"), 0);
  EXPECT_FALSE(equalsNoCase("\xC3\x89", "\xC3\xA9"));  // É and é are not folded
}

TEST(Text, Utf8CountingTreatsInvalidBytesAsOneCharacter) {
  const std::pair<const char*, std::size_t> cases[] = {
      {"abc", 3},
      {"\xC3\xA9t\xC3\xA9", 3},
      {"\xE2\x82\xAC", 1},      // euro sign
      {"\xF0\x9F\x98\x80", 1},  // emoji
      {"\xE9t\xE9", 3},         // Windows-1252 bytes
      {"\xC3", 1},              // cut-off sequence
      {"\xED\xA0\x80", 3},      // encoded surrogate: not valid UTF-8
      {"\xC0\xAF", 2},          // overlong form: not valid UTF-8
  };
  for (const auto& [text, count] : cases) EXPECT_EQ(utf8CharCount(text), count) << text;
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
