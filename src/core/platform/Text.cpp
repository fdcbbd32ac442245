#include "platform/Text.h"

#include <algorithm>

namespace linkfold {

std::string asciiLowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(asciiLower(static_cast<unsigned char>(c)));
  return out;
}

std::uint64_t fnv1aNoCase(std::string_view text, std::uint64_t hash) {
  for (const char c : text) hash = fnv1a(hash, asciiLower(static_cast<unsigned char>(c)));
  return hash;
}

int compareNoCase(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int ca = asciiLower(static_cast<unsigned char>(a[i]));
    const int cb = asciiLower(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca - cb;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && compareNoCase(a, b) == 0;
}

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

namespace {
bool isContinuation(unsigned char c) {
  return (c & 0xC0) == 0x80;
}
}  // namespace

std::size_t utf8CharLength(std::string_view text, std::size_t pos) {
  const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byteAt(pos);
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 1;
  }
  if (pos + length > text.size()) return 1;
  if (byteAt(pos + 1) < low || byteAt(pos + 1) > high) return 1;
  for (std::size_t i = 2; i < length; ++i)
    if (!isContinuation(byteAt(pos + i))) return 1;
  return length;
}

std::size_t utf8CharCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); pos += utf8CharLength(text, pos)) ++count;
  return count;
}

std::string_view utf8Prefix(std::string_view text, std::size_t maxChars) {
  std::size_t pos = 0;
  for (std::size_t n = 0; n < maxChars && pos < text.size(); ++n) pos += utf8CharLength(text, pos);
  return text.substr(0, pos);
}

std::string_view utf8Suffix(std::string_view text, std::size_t maxChars) {
  const std::size_t count = utf8CharCount(text);
  if (count <= maxChars) return text;
  return text.substr(utf8Prefix(text, count - maxChars).size());
}

void appendUtf8(std::string& out, char32_t code) {
  const auto put = [&](char32_t byte) { out += static_cast<char>(byte); };
  if (code < 0x80) {
    put(code);
  } else if (code < 0x800) {
    put(0xC0 | (code >> 6));
    put(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    put(0xE0 | (code >> 12));
    put(0x80 | ((code >> 6) & 0x3F));
    put(0x80 | (code & 0x3F));
  } else {
    put(0xF0 | (code >> 18));
    put(0x80 | ((code >> 12) & 0x3F));
    put(0x80 | ((code >> 6) & 0x3F));
    put(0x80 | (code & 0x3F));
  }
}

std::string_view trimLeadingWhite(std::string_view text) {
  while (!text.empty() && isNameWhite(text.front())) text.remove_prefix(1);
  return text;
}

std::string_view trimTrailingWhite(std::string_view text) {
  while (!text.empty() && isNameWhite(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view trimWhite(std::string_view text) {
  return trimLeadingWhite(trimTrailingWhite(text));
}

}  // namespace linkfold
