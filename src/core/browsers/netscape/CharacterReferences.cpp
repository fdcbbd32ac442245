#include "browsers/netscape/CharacterReferences.h"

#include <array>
#include <cstdint>

#include "platform/Text.h"

namespace linkfold {

namespace {

struct NamedReference {
  std::string_view name;  // after the ampersand, with the semicolon
  char character;
};
constexpr NamedReference kNamed[] = {
    {"amp;", '&'}, {"lt;", '<'}, {"gt;", '>'}, {"quot;", '"'}, {"apos;", '\''},
};

int digitValue(char c, unsigned base) {
  if (c >= '0' && c <= '9') return c - '0';
  if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The length of the reference that starts at `text` (with its '&'), and the code point it
// stands for; 0 when `text` starts no reference that is decoded.
std::size_t readReference(std::string_view text, char32_t& code) {
  std::string_view rest = text.substr(1);
  for (const NamedReference& named : kNamed) {
    if (rest.starts_with(named.name)) {
      code = static_cast<unsigned char>(named.character);
      return 1 + named.name.size();
    }
  }
  if (!rest.starts_with('#')) return 0;
  rest.remove_prefix(1);
  unsigned base = 10;
  std::size_t maxDigits = 7;
  if (!rest.empty() && (rest[0] == 'x' || rest[0] == 'X')) {
    base = 16;
    maxDigits = 6;
    rest.remove_prefix(1);
  }
  std::uint32_t value = 0;
  std::size_t digits = 0;
  for (; digits < rest.size() && digits <= maxDigits; ++digits) {
    const int digit = digitValue(rest[digits], base);
    if (digit < 0) break;
    value = value * base + static_cast<std::uint32_t>(digit);
  }
  if (digits == 0 || digits > maxDigits || digits == rest.size() || rest[digits] != ';') return 0;
  if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  code = value;
  return text.size() - rest.size() + digits + 1;
}

// Which bytes each field escapes, as a bit per field.
constexpr std::uint8_t bit(EscapedField field) {
  return std::uint8_t(1u << static_cast<int>(field));
}
constexpr std::array<std::uint8_t, 256> kEscapes = [] {
  std::array<std::uint8_t, 256> table{};
  const std::uint8_t all =
      bit(EscapedField::Text) | bit(EscapedField::Url) | bit(EscapedField::Description);
  table['&'] = all;
  table[0x1A] = all;
  table['<'] = table['>'] = bit(EscapedField::Text) | bit(EscapedField::Description);
  table['"'] = all;
  table['\n'] = bit(EscapedField::Text) | bit(EscapedField::Url);
  return table;
}();

bool escapes(char c, EscapedField field) {
  return (kEscapes[static_cast<unsigned char>(c)] & bit(field)) != 0;
}

std::string_view reference(char c, EscapedField field) {
  // A double quote would end the URL's attribute; "%22" reads back in every browser.
  if (c == '"' && field == EscapedField::Url) return "%22";
  switch (c) {
    case '&':
      return "&amp;";
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    case '"':
      return "&quot;";
    case '\n':
      return "&#10;";
    default:
      return "&#26;";
  }
}

}  // namespace

void appendDecoded(std::string& out, std::string_view text) {
  std::size_t copied = 0;
  for (std::size_t at = text.find('&'); at != std::string_view::npos;) {
    char32_t code = 0;
    const std::size_t length = readReference(text.substr(at), code);
    if (length == 0) {
      at = text.find('&', at + 1);
      continue;
    }
    out.append(text.substr(copied, at - copied));
    appendUtf8(out, code);
    copied = at + length;
    at = text.find('&', copied);
  }
  out.append(text.substr(copied));
}

std::string decodeCharacterReferences(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  appendDecoded(out, text);
  return out;
}

std::string_view decodedView(std::string_view text, std::string& storage) {
  if (text.find('&') == std::string_view::npos) return text;
  storage = decodeCharacterReferences(text);
  return storage;
}

bool needsEscaping(std::string_view text, EscapedField field) {
  for (const char c : text)
    if (escapes(c, field)) return true;
  return false;
}

void appendEscaped(std::string& out, std::string_view text, EscapedField field) {
  std::size_t copied = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!escapes(text[i], field)) continue;
    out.append(text.substr(copied, i - copied));
    out.append(reference(text[i], field));
    copied = i + 1;
  }
  out.append(text.substr(copied));
}

}  // namespace linkfold
