#include <gtest/gtest.h>

#include "platform/CaseFold.h"

namespace linkfold {
namespace {

TEST(CaseFold, AsciiLettersOnlyAreLoweredInAsciiText) {
  EXPECT_EQ(caseFolded("Hello WORLD [@] `z` 09!"), "hello world [@] `z` 09!");
  EXPECT_EQ(caseFolded(""), "");
}

TEST(CaseFold, LatinLettersOfEveryBlock) {
  EXPECT_EQ(caseFolded("\xC3\x89T\xC3\x89"), "\xC3\xA9t\xC3\xA9");  // ÉTÉ -> été
  EXPECT_EQ(caseFolded("\xC3\x97\xC3\x9F"), "\xC3\x97\xC3\x9F");    // × and ß stay
  EXPECT_EQ(caseFolded("\xC5\xB8"), "\xC3\xBF");                    // Ÿ -> ÿ, across blocks
  EXPECT_EQ(caseFolded("\xC4\x80\xC4\x81"), "\xC4\x81\xC4\x81");    // Ā -> ā; ā stays
  EXPECT_EQ(caseFolded("\xC8\xBA"), "\xE2\xB1\xA5");                // Ⱥ -> ⱥ: 2 bytes become 3
  EXPECT_EQ(caseFolded("\xE2\x84\xAA"), "k");                       // Kelvin sign -> k
  EXPECT_EQ(caseFolded("\xE1\xBA\x9E"), "\xC3\x9F");                // capital sharp s -> ß
}

TEST(CaseFold, GreekAndCyrillic) {
  // ΣΊΣΥΦΟΣ: every capital sigma becomes a medial sigma; a final sigma typed in lower case
  // is a different letter and stays.
  EXPECT_EQ(caseFolded("\xCE\xA3\xCE\x8A\xCE\xA3\xCE\xA5\xCE\xA6\xCE\x9F\xCE\xA3"),
            "\xCF\x83\xCE\xAF\xCF\x83\xCF\x85\xCF\x86\xCE\xBF\xCF\x83");
  EXPECT_EQ(caseFolded("\xCF\x82"), "\xCF\x82");
  // МОСКВА, Ё and Ѐ (offset 80), Ѣ (an alternating pair).
  EXPECT_EQ(caseFolded("\xD0\x9C\xD0\x9E\xD0\xA1\xD0\x9A\xD0\x92\xD0\x90"),
            "\xD0\xBC\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0");
  EXPECT_EQ(caseFolded("\xD0\x81\xD0\x80\xD1\xA2"), "\xD1\x91\xD1\x90\xD1\xA3");
}

TEST(CaseFold, TurkishDottedAndDotlessIFollowTheLanguageNeutralMapping) {
  EXPECT_EQ(caseFolded("\xC4\xB0"), "i");         // İ -> i (one code point, not i + dot)
  EXPECT_EQ(caseFolded("I"), "i");                // not the dotless ı
  EXPECT_EQ(caseFolded("\xC4\xB1"), "\xC4\xB1");  // ı is lower case already
  EXPECT_EQ(simpleLowerCase(0x0130), U'i');
}

TEST(CaseFold, SupplementaryPlanes) {
  EXPECT_EQ(simpleLowerCase(0x10400), 0x10428u);  // Deseret
  EXPECT_EQ(simpleLowerCase(0x1E900), 0x1E922u);  // Adlam
  EXPECT_EQ(caseFolded("\xF0\x90\x90\x80"), "\xF0\x90\x90\xA8");
  EXPECT_EQ(simpleLowerCase(0x1F600), 0x1F600u);  // no case
  EXPECT_EQ(simpleLowerCase(0x10FFFF), 0x10FFFFu);
}

TEST(CaseFold, TextThatIsNotUtf8GetsAsciiFoldingOnly) {
  // Windows-1252 "ÉTÉ CAFÉ": the letters A-Z are lowered, the other bytes are kept.
  EXPECT_EQ(caseFolded("\xC9T\xC9 CAF\xC9"), "\xC9t\xC9 caf\xC9");
  // One stray byte turns the whole text to ASCII folding, a well-formed É included.
  EXPECT_EQ(caseFolded("\xC3\x89X\xFF"), "\xC3\x89x\xFF");
  EXPECT_EQ(caseFolded("\xED\xA0\x80Q"), "\xED\xA0\x80q");  // encoded surrogate
  EXPECT_EQ(caseFolded("\xC0\xC1Z"), "\xC0\xC1z");          // overlong lead bytes
  EXPECT_EQ(caseFolded("A\xC3"), "a\xC3");                  // cut-off sequence
  EXPECT_FALSE(isValidUtf8("\xC3"));
  EXPECT_TRUE(isValidUtf8("\xF4\x8F\xBF\xBF"));
  EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
}

TEST(CaseFold, ContainsIgnoringCase) {
  const auto contains = [](std::string_view field, std::string_view text) {
    return caseFolded(field).find(caseFolded(text)) != std::string::npos;
  };
  EXPECT_TRUE(
      contains("Das gro\xC3\x9F"
               "e \xC3\x96L-Lexikon",
               "\xC3\xB6l-LEX"));  // öl-LEX
  EXPECT_TRUE(contains("http://EXAMPLE.org/Caf\xC3\xA9", "caf\xC3\x89"));
  EXPECT_TRUE(contains("\xD0\x9F\xD0\xA0\xD0\x90\xD0\x92\xD0\x94\xD0\x90", "\xD0\xBF\xD1\x80"));
  EXPECT_FALSE(contains("Caf\xC3\xA9", "cafe"));                 // accents are not case
  EXPECT_TRUE(contains("OLD \xC9T\xC9 PAGE", "old \xC9t\xC9"));  // legacy bytes
}

TEST(CaseFold, GeneratedRunsAreSortedApartAndStable) {
  const auto runs = lowerCaseRuns();
  ASSERT_GT(runs.size(), 100u);
  for (std::size_t i = 0; i < runs.size(); ++i) {
    EXPECT_TRUE(runs[i].stride == 1 || runs[i].stride == 2);
    EXPECT_LE(runs[i].first, runs[i].last);
    EXPECT_EQ((runs[i].last - runs[i].first) % runs[i].stride, 0u);
    if (i > 0) {
      EXPECT_LT(runs[i - 1].last, runs[i].first);
    }
  }
  // Lower-casing twice changes nothing, and never yields a surrogate or leaves Unicode.
  int mapped = 0;
  for (char32_t c = 0; c < 0x110000; ++c) {
    const char32_t lower = simpleLowerCase(c);
    if (lower == c) continue;
    ++mapped;
    ASSERT_LT(lower, 0x110000u) << std::hex << static_cast<std::uint32_t>(c);
    ASSERT_FALSE(lower >= 0xD800 && lower <= 0xDFFF) << std::hex << static_cast<std::uint32_t>(c);
    ASSERT_EQ(simpleLowerCase(lower), lower) << std::hex << static_cast<std::uint32_t>(c);
  }
  EXPECT_EQ(mapped, 1433);  // the simple lower-case mappings of Unicode 14
}

}  // namespace
}  // namespace linkfold
