#include "browsers/sources/SourceChoice.h"

#include <map>

#include "platform/Settings.h"

namespace linkfold {

namespace {

using StoredChoice = std::map<std::string, bool>;

// Ids may hold any byte, but the settings keep text: "%", control characters and bytes
// outside ASCII (which need not be UTF-8) are written as %XX.
std::string escapeId(const std::string& id) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string escaped;
  for (const char c : id) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '%' || byte < 0x20 || byte >= 0x7F) {
      escaped += '%';
      escaped += kHex[byte >> 4];
      escaped += kHex[byte & 15];
    } else {
      escaped += c;
    }
  }
  return escaped;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string unescapeId(std::string_view text) {
  std::string id;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int high = i + 2 < text.size() && text[i] == '%' ? hexValue(text[i + 1]) : -1;
    const int low = high >= 0 ? hexValue(text[i + 2]) : -1;
    if (low >= 0) {
      id += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      id += text[i];
    }
  }
  return id;
}

StoredChoice readStored(const SettingsStore& settings) {
  StoredChoice stored;
  const std::string text = settings.read(setting::kBrowserSources);
  std::string_view rest = text;
  while (!rest.empty()) {
    const auto end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    // A line not of the form "0 id" or "1 id" is ignored: the source counts as new.
    if (line.size() > 2 && (line[0] == '0' || line[0] == '1') && line[1] == ' ')
      stored[unescapeId(line.substr(2))] = line[0] == '1';
  }
  return stored;
}

}  // namespace

bool applyStoredChoice(BrowserSources& sources, const SettingsStore& settings) {
  const StoredChoice stored = readStored(settings);
  bool anyNew = false;
  for (BrowserSource& source : sources) {
    const auto it = stored.find(source.id);
    anyNew = anyNew || it == stored.end();
    source.chosen = it == stored.end() ? source.startsTicked : it->second;
  }
  return anyNew;
}

void storeChoice(const BrowserSources& sources, SettingsStore& settings) {
  StoredChoice stored = readStored(settings);
  for (const BrowserSource& source : sources) stored[source.id] = source.chosen;
  std::string text;
  for (const auto& [id, chosen] : stored) {
    if (!text.empty()) text += '\n';
    text += (chosen ? "1 " : "0 ") + escapeId(id);
  }
  settings.write(setting::kBrowserSources, text);
}

}  // namespace linkfold
