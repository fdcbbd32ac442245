#include "browserfiles/ChromiumBookmarksJson.h"

#include <cstdio>
#include <sstream>

namespace linkfold::browserfiles {

std::string jsonString(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + '"';
}

ChromiumBookmarksJson::ChromiumBookmarksJson(std::ostream& out) : out_(out) {
  out_ << "{\n   \"checksum\": \"0123456789abcdef0123456789abcdef\",\n   \"roots\": {";
  firstInList_.push_back(true);
}

std::ostream& ChromiumBookmarksJson::line() {
  return out_ << '\n' << std::string(3 * (firstInList_.size() + 1), ' ');
}

void ChromiumBookmarksJson::beginItem() {
  if (!firstInList_.back()) out_ << ',';
  firstInList_.back() = false;
}

void ChromiumBookmarksJson::beginRoot(const std::string& key, const std::string& name) {
  beginItem();
  line() << jsonString(key) << ": {";
  firstInList_.push_back(true);
  line() << "\"date_added\": \"13300000000000000\",";
  line() << "\"id\": \"" << ++nextId_ << "\",";
  line() << "\"name\": " << jsonString(name) << ",";
  line() << "\"type\": \"folder\",";
  line() << "\"children\": [";
}

void ChromiumBookmarksJson::beginFolder(const std::string& name, std::uint64_t dateAdded) {
  beginItem();
  out_ << " {";
  firstInList_.push_back(true);
  line() << "\"date_added\": \"" << dateAdded << "\",";
  line() << "\"date_last_used\": \"0\",";
  line() << "\"guid\": \"00000000-0000-4000-a000-" << ++nextId_ << "\",";
  line() << "\"id\": \"" << nextId_ << "\",";
  line() << "\"name\": " << jsonString(name) << ",";
  line() << "\"type\": \"folder\",";
  line() << "\"children\": [";
}

void ChromiumBookmarksJson::endFolder() {
  firstInList_.pop_back();
  out_ << " ]";
  line() << '}';
}

void ChromiumBookmarksJson::url(const std::string& name, const std::string& url,
                                std::uint64_t dateAdded, std::uint64_t dateLastUsed) {
  beginItem();
  out_ << " {";
  line() << "   \"date_added\": \"" << dateAdded << "\",";
  line() << "   \"date_last_used\": \"" << dateLastUsed << "\",";
  line() << "   \"guid\": \"00000000-0000-4000-a000-" << ++nextId_ << "\",";
  line() << "   \"id\": \"" << nextId_ << "\",";
  line() << "   \"meta_info\": {";
  line() << "      \"power_bookmark_meta\": \"\"";
  line() << "   },";
  line() << "   \"name\": " << jsonString(name) << ",";
  line() << "   \"type\": \"url\",";
  line() << "   \"url\": " << jsonString(url);
  line() << '}';
}

void ChromiumBookmarksJson::finish() {
  out_ << "\n   },\n   \"sync_metadata\": \"\",\n   \"version\": 1\n}\n";
}

void ChromiumBookmarksJson::finishAfterBar() {
  endFolder();
  beginRoot("other", "Other bookmarks");
  endFolder();
  beginRoot("synced", "Mobile bookmarks");
  endFolder();
  finish();
}

std::string ChromiumBookmarksJson::simple(
    const std::vector<std::pair<std::string, std::string>>& bar) {
  std::ostringstream text;
  ChromiumBookmarksJson json(text);
  json.beginRoot("bookmark_bar", "Bookmarks bar");
  for (const auto& [name, address] : bar) json.url(name, address, chromiumTime(1700000000));
  json.finishAfterBar();
  return text.str();
}

}  // namespace linkfold::browserfiles
