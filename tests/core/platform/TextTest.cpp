#include <gtest/gtest.h>

#include "platform/CaseFold.h"
#include "platform/DisplayText.h"
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

TEST(DisplayText, ValidUtf8StaysAndEverythingElseIsReadAsWindows1252) {
  for (const test::TestCase& c : test::readCases("display-text-cases.txt"))
    EXPECT_EQ(displayUtf8(c["bytes"]), c["shown"]) << c.what;
}

TEST(CaseFold, FoldsEveryScriptsLettersInUtf8AndOnlyAsciiLettersOtherwise) {
  for (const test::TestCase& c : test::readCases("case-fold-cases.txt"))
    EXPECT_EQ(caseFolded(c["text"]), c["folded"]) << c.what;
  EXPECT_TRUE(isValidUtf8("\xF4\x8F\xBF\xBF"));
  EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
  EXPECT_EQ(simpleLowerCase(0x1E900), 0x1E922u);  // Adlam
  EXPECT_EQ(simpleLowerCase(0x1F600), 0x1F600u);  // no case
  EXPECT_EQ(simpleLowerCase(0x10FFFF), 0x10FFFFu);
}

TEST(CaseFold, GeneratedRunsAreSortedApartAndStable) {
  const auto runs = lowerCaseRuns();
  ASSERT_GT(runs.size(), 100u);
  for (std::size_t i = 0; i < runs.size(); ++i) {
    EXPECT_TRUE(runs[i].first <= runs[i].last && (runs[i].stride == 1 || runs[i].stride == 2));
    EXPECT_EQ((runs[i].last - runs[i].first) % runs[i].stride, 0u);
    EXPECT_TRUE(i == 0 || runs[i - 1].last < runs[i].first);
  }
  // Lower-casing twice changes nothing, and never yields a surrogate or leaves Unicode.
  int mapped = 0;
  for (char32_t c = 0; c < 0x110000; ++c) {
    const char32_t lower = simpleLowerCase(c);
    if (lower == c) continue;
    ++mapped;
    ASSERT_TRUE(lower < 0x110000 && (lower < 0xD800 || lower > 0xDFFF)) << std::hex << +c;
    ASSERT_EQ(simpleLowerCase(lower), lower) << std::hex << +c;
  }
  EXPECT_EQ(mapped, 1433);  // the simple lower-case mappings of Unicode 14
}

}  // namespace
}  // namespace linkfold
