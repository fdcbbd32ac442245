#include <gtest/gtest.h>

#include "platform/CaseFold.h"
#include "support/CaseFile.h"

namespace linkfold {
namespace {

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
