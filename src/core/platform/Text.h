#pragma once
// Byte-text helpers. Texts are kept as the bytes that were read; where a rule counts or cuts
// characters it counts UTF-8 characters, and a byte that is not part of valid UTF-8 counts as one.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace linkfold {

// Maps A-Z to a-z and leaves every other byte alone.
constexpr unsigned char asciiLower(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

std::string asciiLowered(std::string_view text);

// FNV-1a, 64 bits: start from kFnvOffset and feed the bytes one by one.
inline constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t fnv1a(std::uint64_t hash, unsigned char byte) {
  return (hash ^ byte) * 1099511628211ull;
}
// The FNV-1a hash of the text with A-Z fed as a-z, so that texts equal ignoring ASCII case hash
// alike; continues from `hash`.
std::uint64_t fnv1aNoCase(std::string_view text, std::uint64_t hash = kFnvOffset);

// The C runtime's case-insensitive comparison: bytes as unsigned values after A-Z became a-z.
// Returns <0, 0 or >0.
int compareNoCase(std::string_view a, std::string_view b);
bool equalsNoCase(std::string_view a, std::string_view b);
bool startsWith(std::string_view text, std::string_view prefix);

// Length in bytes of the character that starts at text[pos]: 2..4 for a well-formed UTF-8
// sequence, otherwise 1.
std::size_t utf8CharLength(std::string_view text, std::size_t pos);
std::size_t utf8CharCount(std::string_view text);
// The first maxChars characters of text (all of it when it is shorter); never cuts inside one.
std::string_view utf8Prefix(std::string_view text, std::size_t maxChars);
// The last maxChars characters of text.
std::string_view utf8Suffix(std::string_view text, std::size_t maxChars);
// Appends the code point as UTF-8 (one to four bytes).
void appendUtf8(std::string& out, char32_t code);

// Space, tab, line feed, vertical tab, form feed and carriage return.
constexpr bool isNameWhite(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
std::string_view trimLeadingWhite(std::string_view text);
std::string_view trimTrailingWhite(std::string_view text);
std::string_view trimWhite(std::string_view text);

// Hands `put` the text in pieces with every "\n" as "\r\n" (text files are written with CR LF
// line ends on every platform); copies nothing, so it works when memory has run out.
template <class Put>
void forEachCrLfPiece(std::string_view text, Put&& put) {
  while (!text.empty()) {
    const std::size_t lineFeed = text.find('\n');
    if (lineFeed == std::string_view::npos) {
      put(text);
      return;
    }
    if (lineFeed > 0) put(text.substr(0, lineFeed));
    put(std::string_view("\r\n"));
    text.remove_prefix(lineFeed + 1);
  }
}

}  // namespace linkfold
