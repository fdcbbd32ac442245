#include <gtest/gtest.h>

#include "platform/CaseFold.h"

namespace linkfold {
namespace {

TEST(CaseFold, FoldsEveryScriptsLettersInUtf8AndOnlyAsciiLettersOtherwise) {
  const std::pair<const char*, const char*> cases[] = {
      {"Hello WORLD [@] `z` 09!", "hello world [@] `z` 09!"},
      {"", ""},
      // ÉTÉ × ß Ÿ (across blocks) Ā ā Ⱥ (2 bytes become 3) Kelvin sign, capital sharp s.
      {"\xC3\x89T\xC3\x89 \xC3\x97\xC3\x9F "
       "\xC5\xB8\xC4\x80\xC4\x81\xC8\xBA\xE2\x84\xAA\xE1\xBA\x9E",
       "\xC3\xA9t\xC3\xA9 \xC3\x97\xC3\x9F \xC3\xBF\xC4\x81\xC4\x81\xE2\xB1\xA5k\xC3\x9F"},
      // ΣΊΣΥΦΟΣ ς: every capital sigma becomes a medial sigma; a final sigma stays. МОСКВА,
      // Ё and Ѐ (offset 80), Ѣ (an alternating pair).
      {"\xCE\xA3\xCE\x8A\xCE\xA3\xCE\xA5\xCE\xA6\xCE\x9F\xCE\xA3 \xCF\x82",
       "\xCF\x83\xCE\xAF\xCF\x83\xCF\x85\xCF\x86\xCE\xBF\xCF\x83 \xCF\x82"},
      {"\xD0\x9C\xD0\x9E\xD0\xA1\xD0\x9A\xD0\x92\xD0\x90\xD0\x81\xD0\x80\xD1\xA2",
       "\xD0\xBC\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0\xD1\x91\xD1\x90\xD1\xA3"},
      // Turkish İ becomes a plain i, I is not the dotless ı, and ı is lower case already.
      {"\xC4\xB0I\xC4\xB1", "ii\xC4\xB1"},
      {"\xF0\x90\x90\x80", "\xF0\x90\x90\xA8"},  // Deseret, beyond the first plane
      // Not UTF-8 (Windows-1252, a stray byte beside a well-formed É, an encoded surrogate,
      // overlong lead bytes, a cut-off sequence): A-Z are lowered, every other byte is kept.
      {"\xC9T\xC9 CAF\xC9", "\xC9t\xC9 caf\xC9"},
      {"\xC3\x89X\xFF", "\xC3\x89x\xFF"},
      {"\xED\xA0\x80Q", "\xED\xA0\x80q"},
      {"\xC0\xC1Z", "\xC0\xC1z"},
      {"A\xC3", "a\xC3"},
  };
  for (const auto& [text, folded] : cases) EXPECT_EQ(caseFolded(text), folded) << text;
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
