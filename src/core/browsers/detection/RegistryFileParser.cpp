// The reader of registry export text. It reads the file one logical line at a time (a line
// ending in a backslash goes on in the next), so that memory stays in proportion to the file
// and every step moves forward.

#include <cctype>
#include <charconv>

#include "browsers/detection/RegistryFile.h"
#include "library/ArchiveString.h"
#include "platform/Text.h"

namespace linkfold {
namespace {

constexpr std::string_view kVersion5Header = "Windows Registry Editor Version 5.00";
constexpr std::string_view kVersion4Header = "REGEDIT4";

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool consumePrefixNoCase(std::string_view& text, std::string_view prefix) {
  if (text.size() < prefix.size() || !equalsNoCase(text.substr(0, prefix.size()), prefix))
    return false;
  text.remove_prefix(prefix.size());
  return true;
}

// The file's text as UTF-8 (version 5 files may be UTF-16LE with a byte-order mark).
std::string decodeText(std::string_view bytes) {
  if (startsWith(bytes, "\xFF\xFE")) return utf16LeToUtf8(bytes.substr(2));
  if (startsWith(bytes, "\xEF\xBB\xBF")) bytes.remove_prefix(3);
  return std::string(bytes);
}

// Hands out logical lines: physical lines (ended by CR LF, LF or CR) without their trailing
// blanks, where a line ending in a backslash is joined with the next line's text after its
// leading blanks. Comment lines are never joined.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}

  // The next logical line and the number of its first physical line; false at the end.
  bool next(std::string& line, std::size_t& lineNumber) {
    if (pos_ >= text_.size()) return false;
    lineNumber = nextLineNumber_;
    line.assign(trimBlanks(physicalLine()));
    if (line.empty() || line.front() == ';') return true;
    while (line.back() == '\\' && pos_ < text_.size()) {
      line.pop_back();
      line.append(trimBlanks(physicalLine()));
      if (line.empty()) break;
    }
    return true;
  }

 private:
  std::string_view physicalLine() {
    const std::size_t end = text_.find_first_of("\r\n", pos_);
    const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
    const std::string_view line = text_.substr(pos_, stop - pos_);
    pos_ = stop;
    if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    ++nextLineNumber_;
    return line;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t nextLineNumber_ = 1;
};

// A quoted text at the start of `rest` (which starts with the opening quote), with \\ and \"
// unescaped; any other backslash stays as written. Consumes through the closing quote.
std::optional<std::string> readQuoted(std::string_view& rest) {
  std::string text;
  for (std::size_t i = 1; i < rest.size(); ++i) {
    const char c = rest[i];
    if (c == '"') {
      rest.remove_prefix(i + 1);
      return text;
    }
    if (c == '\\' && i + 1 < rest.size() && (rest[i + 1] == '\\' || rest[i + 1] == '"')) ++i;
    text.push_back(rest[i]);
  }
  return std::nullopt;
}

std::optional<std::uint32_t> readHexNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  std::uint32_t number = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), number, 16);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return number;
}

// "aa,bb,..." (blanks allowed around each byte, a trailing comma allowed).
std::optional<std::string> readHexBytes(std::string_view list) {
  std::string bytes;
  list = trimBlanks(list);
  while (!list.empty()) {
    const std::size_t comma = list.find(',');
    const std::string_view item = trimBlanks(list.substr(0, comma));
    const auto byte = item.size() <= 2 ? readHexNumber(item) : std::nullopt;
    if (!byte) return std::nullopt;
    bytes.push_back(static_cast<char>(*byte));
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
    list = trimBlanks(list);
  }
  return bytes;
}

// Text stops at its first null, as a reader of the value sees it.
std::string upToNull(std::string text) {
  if (const std::size_t null = text.find('\0'); null != std::string::npos) text.resize(null);
  return text;
}

class Parser {
 public:
  explicit Parser(InMemoryRegistry& registry) : registry_(registry) {}

  std::optional<RegistryFileError> parse(std::string_view bytes) {
    const std::string text = decodeText(bytes);
    LineReader lines(text);
    std::string line;
    bool headerSeen = false;
    while (lines.next(line, lineNumber_)) {
      if (line.empty() || line.front() == ';') continue;
      if (!headerSeen) {
        if (line == kVersion5Header) {
          version5_ = true;
        } else if (line != kVersion4Header) {
          return fail("it does not begin with \"" + std::string(kVersion5Header) + "\" or \"" +
                      std::string(kVersion4Header) + "\"");
        }
        headerSeen = true;
      } else if (line.front() == '[') {
        if (auto error = readKeyLine(line)) return error;
      } else if (line.front() == '"' || line.front() == '@') {
        if (auto error = readValueLine(line)) return error;
      } else {
        return fail("the line is neither a key, a value nor a comment");
      }
    }
    if (!headerSeen) return RegistryFileError{1, "the file is empty"};
    return std::nullopt;
  }

 private:
  enum class Section { None, Kept, Ignored };

  RegistryFileError fail(std::string reason) const { return {lineNumber_, std::move(reason)}; }

  std::optional<RegistryFileError> readKeyLine(std::string_view line) {
    if (line.back() != ']') return fail("the key name does not end in \"]\"");
    line = line.substr(1, line.size() - 2);
    const bool deletion = !line.empty() && line.front() == '-';
    if (deletion) line.remove_prefix(1);
    const std::size_t separator = line.find('\\');
    const std::string_view hiveName = line.substr(0, separator);
    const std::string_view path =
        separator == std::string_view::npos ? std::string_view() : line.substr(separator + 1);
    if (equalsNoCase(hiveName, "HKEY_CURRENT_USER")) {
      hive_ = RegistryHive::CurrentUser;
    } else if (equalsNoCase(hiveName, "HKEY_LOCAL_MACHINE")) {
      hive_ = RegistryHive::LocalMachine;
    } else if (isOtherHive(hiveName)) {
      section_ = Section::Ignored;
      return std::nullopt;
    } else {
      return fail("\"" + std::string(hiveName) + "\" is not a root key");
    }
    keyPath_.assign(path);
    if (deletion) {
      registry_.deleteKey(hive_, keyPath_);
      section_ = Section::Ignored;  // values under a deleted key are not read
    } else {
      registry_.createKey(hive_, keyPath_);
      section_ = Section::Kept;
    }
    return std::nullopt;
  }

  static bool isOtherHive(std::string_view name) {
    for (const std::string_view other : {"HKEY_CLASSES_ROOT", "HKEY_USERS", "HKEY_CURRENT_CONFIG",
                                         "HKEY_DYN_DATA", "HKEY_PERFORMANCE_DATA"})
      if (equalsNoCase(name, other)) return true;
    return false;
  }

  std::optional<RegistryFileError> readValueLine(std::string_view rest) {
    if (section_ == Section::None) return fail("a value comes before the first key");
    std::string name;
    if (rest.front() == '@') {
      rest.remove_prefix(1);
    } else {
      auto quoted = readQuoted(rest);
      if (!quoted) return fail("the value name does not end in a quote");
      name = std::move(*quoted);
    }
    rest = trimBlanks(rest);
    if (rest.empty() || rest.front() != '=') return fail("\"=\" is missing after the value name");
    rest = trimBlanks(rest.substr(1));
    if (rest == "-") {
      if (section_ == Section::Kept) registry_.deleteValue(hive_, keyPath_, name);
      return std::nullopt;
    }
    auto value = readData(rest);
    if (!value) return fail("the value's data cannot be read");
    if (section_ == Section::Kept) registry_.setValue(hive_, keyPath_, name, std::move(*value));
    return std::nullopt;
  }

  std::optional<RegistryValue> readData(std::string_view rest) const {
    if (!rest.empty() && rest.front() == '"') {
      auto text = readQuoted(rest);
      if (!text || !trimBlanks(rest).empty()) return std::nullopt;
      return RegistryValue{kRegSz, std::move(*text)};
    }
    if (consumePrefixNoCase(rest, "dword:")) {
      const auto number = readHexNumber(rest);
      if (!number) return std::nullopt;
      std::string bytes;
      for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<char>(*number >> shift));
      return RegistryValue{kRegDword, std::move(bytes)};
    }
    std::uint32_t type = kRegBinary;
    if (consumePrefixNoCase(rest, "hex(")) {
      const std::size_t close = rest.find(')');
      const auto number = readHexNumber(rest.substr(0, close));
      if (!number || close == std::string_view::npos) return std::nullopt;
      type = *number;
      rest.remove_prefix(close + 1);
      if (!consumePrefixNoCase(rest, ":")) return std::nullopt;
    } else if (!consumePrefixNoCase(rest, "hex:")) {
      return std::nullopt;
    }
    auto bytes = readHexBytes(rest);
    if (!bytes) return std::nullopt;
    if (type == kRegSz || type == kRegExpandSz)  // UTF-16LE in version 5, bytes in REGEDIT4
      return RegistryValue{type, upToNull(version5_ ? utf16LeToUtf8(*bytes) : std::move(*bytes))};
    return RegistryValue{type, std::move(*bytes)};
  }

  InMemoryRegistry& registry_;
  bool version5_ = false;
  std::size_t lineNumber_ = 0;
  Section section_ = Section::None;
  RegistryHive hive_ = RegistryHive::CurrentUser;
  std::string keyPath_;
};

}  // namespace

std::optional<RegistryFileError> parseRegistryFile(std::string_view bytes,
                                                   InMemoryRegistry& registry) {
  return Parser(registry).parse(bytes);
}

}  // namespace linkfold
