#include "browsers/favorites/ShortcutText.h"

#include "browsers/favorites/Utf7.h"
#include "platform/Text.h"

namespace linkfold {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

enum class Section { Other, Plain, Unicode };

Section sectionOf(std::string_view line) {
  // "[name]"; the text after the closing bracket does not matter
  const std::size_t close = line.find(']');
  const std::string_view name = trimWhite(
      line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
  if (equalsNoCase(name, "InternetShortcut")) return Section::Plain;
  if (equalsNoCase(name, "InternetShortcut.W")) return Section::Unicode;
  return Section::Other;
}

// The value of a "URL=" line, if the line is one.
std::optional<std::string_view> urlValue(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos || !equalsNoCase(trimWhite(line.substr(0, equals)), "URL")) {
    return std::nullopt;
  }
  return trimWhite(line.substr(equals + 1));
}

bool isSchemeChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '+' ||
         c == '-' || c == '.';
}

// "scheme:" at the start, where the scheme starts with a letter; "host:8080" is a port, not one.
bool namesProtocol(std::string_view url) {
  const std::size_t colon = url.find(':');
  if (colon == 0 || colon == std::string_view::npos) return false;
  const unsigned char first = asciiLower(static_cast<unsigned char>(url[0]));
  if (first < 'a' || first > 'z') return false;
  for (std::size_t i = 0; i < colon; ++i) {
    if (!isSchemeChar(url[i])) return false;
  }
  std::size_t digitsEnd = colon + 1;
  while (digitsEnd < url.size() && url[digitsEnd] >= '0' && url[digitsEnd] <= '9') ++digitsEnd;
  const bool port = digitsEnd > colon + 1 && (digitsEnd == url.size() || url[digitsEnd] == '/');
  return !port;
}

}  // namespace

std::optional<std::string> shortcutUrl(std::string_view text) {
  if (startsWith(text, kUtf8Bom)) text.remove_prefix(kUtf8Bom.size());
  std::optional<std::string_view> plain;
  std::optional<std::string_view> unicode;
  Section section = Section::Other;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");  // a lone CR ends a line too
    std::string_view line = trimWhite(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (startsWith(line, "[")) {
      section = sectionOf(line);
      continue;
    }
    if (section == Section::Other) continue;
    std::optional<std::string_view>& slot = section == Section::Plain ? plain : unicode;
    if (slot) continue;  // the first "URL=" of a section counts
    slot = urlValue(line);
  }
  if (unicode && !unicode->empty()) {
    std::optional<std::string> decoded = decodeUtf7(*unicode);
    if (decoded && !decoded->empty() && !hasControlCharacter(*decoded)) return decoded;
  }
  if (plain && !plain->empty() && !hasControlCharacter(*plain)) return std::string(*plain);
  return std::nullopt;
}

bool hasControlCharacter(std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return true;
  }
  return false;
}

std::string withGuessedProtocol(std::string_view url) {
  if (namesProtocol(url)) return std::string(url);
  const std::string_view protocol =
      compareNoCase(url.substr(0, 4), "ftp.") == 0 ? "ftp://" : "http://";
  std::string completed;
  completed.reserve(protocol.size() + url.size());
  completed.append(protocol).append(url);
  return completed;
}

}  // namespace linkfold
