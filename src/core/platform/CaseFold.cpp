#include "platform/CaseFold.h"

#include <algorithm>

#include "platform/Text.h"

namespace linkfold {

char32_t simpleLowerCase(char32_t c) {
  if (c < 0x80) return asciiLower(static_cast<unsigned char>(c));
  const auto runs = lowerCaseRuns();
  auto after =
      std::upper_bound(runs.begin(), runs.end(), c,
                       [](char32_t value, const LowerCaseRun& run) { return value < run.first; });
  if (after == runs.begin()) return c;
  const LowerCaseRun& run = *(after - 1);
  if (c > run.last || (c - run.first) % run.stride != 0) return c;
  return static_cast<char32_t>(static_cast<std::int32_t>(c) + run.offset);
}

bool isValidUtf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = utf8CharLength(text, pos);
    if (length == 1 && static_cast<unsigned char>(text[pos]) >= 0x80) return false;
    pos += length;
  }
  return true;
}

namespace {

// Decodes the well-formed sequence of `length` bytes at text[pos].
char32_t decodeUtf8(std::string_view text, std::size_t pos, std::size_t length) {
  const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
  static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
  char32_t c = byteAt(0) & kLeadMask[length];
  for (std::size_t i = 1; i < length; ++i) c = (c << 6) | (byteAt(i) & 0x3F);
  return c;
}

}  // namespace

std::string caseFolded(std::string_view text) {
  if (!isValidUtf8(text)) return asciiLowered(text);
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = utf8CharLength(text, pos);
    appendUtf8(out, simpleLowerCase(decodeUtf8(text, pos, length)));
    pos += length;
  }
  return out;
}

}  // namespace linkfold
