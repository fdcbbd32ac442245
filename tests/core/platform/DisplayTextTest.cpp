#include <gtest/gtest.h>

#include "platform/DisplayText.h"

namespace linkfold {
namespace {

TEST(DisplayText, ValidUtf8StaysAndEverythingElseIsReadAsWindows1252) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain", "plain"},
      {"caf\xC3\xA9", "caf\xC3\xA9"},          // valid UTF-8 is kept
      {"caf\xE9", "caf\xC3\xA9"},              // é in Windows-1252
      {"\x80 \x9F", "\xE2\x82\xAC \xC5\xB8"},  // € and Ÿ from the 0x80 row
      {"\x81\x8D\x8F\x90\x9D\xE9", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D\xC3\xA9"},
      {"\xC3", "\xC3\x83"},                              // a cut UTF-8 sequence
      {std::string("a\0b", 3), std::string("a\0b", 3)},  // bytes are kept, NUL too
  };
  for (const auto& [bytes, shown] : cases) EXPECT_EQ(displayUtf8(bytes), shown) << bytes;
}

}  // namespace
}  // namespace linkfold
