#include <gtest/gtest.h>

#include <sstream>

#include "support/AllocationLimit.h"
#include "core/library/LibraryBytes.h"
#include "library/ArchiveString.h"

namespace linkfold::test {
namespace {

using namespace std::string_literals;

std::string written(std::string_view s) {
  std::ostringstream out;
  writeArchiveString(out, s);
  return out.str();
}

std::optional<std::string> readOne(std::string_view bytes) {
  ByteReader in(bytes);
  return readArchiveString(in);
}

TEST(ArchiveString, LengthPrefixAtEachBoundary) {
  struct Case {
    std::size_t length;
    std::string prefix;
  };
  const Case cases[] = {
      {0, "\x00"s},
      {254, "\xFE"},
      {255, "\xFF\xFF\x00"s},
      {65533, "\xFF\xFD\xFF"},
      {65534, "\xFF\xFF\xFF\xFE\xFF\x00\x00"s},
      {70000, "\xFF\xFF\xFF"s + u32(70000)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    const std::string body(c.length, 'x');
    const std::string bytes = written(body);
    EXPECT_EQ(bytes, c.prefix + body);
    EXPECT_EQ(readOne(bytes), body);
  }
}

TEST(ArchiveString, ReadsSixteenBitTextsAsUtf8) {
  const std::string wide = "\xFF\xFE\xFF";
  // "A€" in one-byte-length form.
  EXPECT_EQ(readOne(wide + "\x02"
                           "A\x00\xAC\x20"s),
            "A\xE2\x82\xAC");
  // A surrogate pair (U+1F600) becomes one four-byte character.
  EXPECT_EQ(readOne(wide + "\x02"
                           "\x3D\xD8\x00\xDE"s),
            "\xF0\x9F\x98\x80");
  // Unpaired surrogates: a lone high one, a high one before a letter, a lone low one.
  EXPECT_EQ(readOne(wide + "\x01"
                           "\x3D\xD8"s),
            "\xEF\xBF\xBD");
  EXPECT_EQ(readOne(wide + "\x02"
                           "\x3D\xD8"
                           "B\x00"s),
            "\xEF\xBF\xBD"
            "B");
  EXPECT_EQ(readOne(wide + "\x01"
                           "\x00\xDE"s),
            "\xEF\xBF\xBD");
  // The second prefix may be long; there 0xFFFE is a plain length, not another marker.
  std::string cjk;  // 300 times U+7A7A
  for (int i = 0; i < 300; ++i) cjk += "\xE7\xA9\xBA";
  EXPECT_EQ(readOne(wide + "\xFF\x2C\x01"s + std::string(600, 'z')), cjk);
  const std::string units(2 * 65534, '\0');
  EXPECT_EQ(readOne(wide + "\xFF\xFE\xFF"s + units), std::string(65534, '\0'));
}

TEST(ArchiveString, StopsWhereTheDataEnds) {
  const std::string encodings[] = {
      written("abc"),
      written(std::string(300, 'a')),
      written(std::string(70000, 'a')),
      "\xFF\xFE\xFF\x02"
      "A\x00"
      "B\x00"s,
  };
  for (const auto& full : encodings) {
    for (std::size_t cut = 0; cut < full.size(); cut += 1 + cut / 8) {
      SCOPED_TRACE(cut);
      ByteReader in(std::string_view(full).substr(0, cut));
      EXPECT_FALSE(readArchiveString(in));
      EXPECT_TRUE(in.ranOut());
    }
  }
}

TEST(ArchiveString, AHugeClaimedLengthAllocatesNothing) {
  const std::string claims4GiB = "\xFF\xFF\xFF"s + u32(0xFFFFFFF0) + std::string(23, 'x');
  const std::string claimsWide = "\xFF\xFE\xFF\xFF\xFF\xFF"s + u32(0x80000000) + "ab";
  ScopedAllocationLimit limit(1 << 16);
  EXPECT_FALSE(readOne(claims4GiB));
  EXPECT_FALSE(readOne(claimsWide));
}

TEST(ArchiveString, ByteReaderIsLittleEndianAndConsumesNothingOnAShortRead) {
  const std::string bytes = "\x01\x02\x03\x04\x05\x06";
  ByteReader in(bytes);
  std::uint32_t value = 0;
  ASSERT_TRUE(in.readU32(value));
  EXPECT_EQ(value, 0x04030201u);
  EXPECT_FALSE(in.readU32(value));
  EXPECT_TRUE(in.ranOut());
  std::uint16_t half = 0;
  ASSERT_TRUE(in.readU16(half));  // the failed read left both bytes in place
  EXPECT_EQ(half, 0x0605);
  EXPECT_EQ(in.remaining(), 0u);
}

}  // namespace
}  // namespace linkfold::test
