// The Chromium reader. simdjson checks the whole file first, so malformed JSON adds nothing;
// the tree it leaves is then walked on an explicit stack of open lists, so that deep nesting
// cannot exhaust the call stack.

#include "browsers/chromium/ChromiumBookmarksReader.h"

#include <simdjson.h>

#include <cstdint>
#include <limits>
#include <new>
#include <string_view>
#include <vector>

#include "browsers/builder/ImportTreeBuilder.h"
#include "browsers/builder/SourceImportLog.h"
#include "library/CLFDoc.h"

namespace linkfold {

namespace {

using simdjson::dom::element;
using simdjson::dom::element_type;

constexpr std::string_view kWhere = "Read_Chromium_Bookmarks:\n";

// The library folders of the roots every Chromium profile has; any further root folder goes
// into a folder of its own name.
struct KnownRoot {
  std::string_view key;
  const char* folder;
};
constexpr KnownRoot kKnownRoots[] = {{"bookmark_bar", "Bookmarks bar"},
                                     {"other", "Other bookmarks"},
                                     {"synced", "Mobile bookmarks"}};

// Seconds from 1601-01-01 to 1970-01-01.
constexpr std::uint64_t kEpochDifference = 11644473600ull;

// Microseconds since 1601 (written as a string of digits, or as a number) to seconds since
// 1970; 0 (unknown) for none, for anything else and for a date before 1970.
std::uint32_t chromiumDate(const element& node, std::string_view key) {
  std::uint64_t micro = 0;
  element value;
  if (node[key].get(value) != simdjson::SUCCESS) return 0;
  if (value.is_uint64()) {
    micro = value.get_uint64().value_unsafe();
  } else if (std::string_view digits; value.get_string().get(digits) == simdjson::SUCCESS) {
    if (digits.size() > 19) return std::numeric_limits<std::uint32_t>::max();
    for (const char c : digits) {
      if (c < '0' || c > '9') return 0;
      micro = micro * 10 + static_cast<unsigned>(c - '0');
    }
  }
  const std::uint64_t seconds = micro / 1000000;
  if (seconds <= kEpochDifference) return 0;
  return static_cast<std::uint32_t>(std::min<std::uint64_t>(
      seconds - kEpochDifference, std::numeric_limits<std::uint32_t>::max()));
}

std::string_view stringField(const element& node, std::string_view key) {
  std::string_view text;
  if (node[key].get_string().get(text) != simdjson::SUCCESS) return {};
  return text;
}

// A folder's list of nodes being read, and the library folder they go into.
struct OpenList {
  simdjson::dom::array::iterator next, end;
  ImportFolder folder;
};

class BookmarksWalk {
 public:
  BookmarksWalk(CLFDoc& doc, const std::string& path, const std::string& label)
      : doc_(doc), path_(path), progress_(doc, label), builder_(doc) {}

  bool readRoots(const element& file);

 private:
  bool fatal(const std::string& message);
  bool wrongShape(std::string_view what);
  bool openChildren(const element& folder, ImportFolder place);
  bool readNode(const element& node);
  bool walk();

  CLFDoc& doc_;
  const std::string& path_;
  ItemProgress progress_;
  ImportTreeBuilder builder_;
  std::vector<OpenList> stack_;
};

bool BookmarksWalk::fatal(const std::string& message) {
  doc_.logFatal(std::string(kWhere) + message);
  return false;
}

bool BookmarksWalk::wrongShape(std::string_view what) {
  return fatal(path_ + " is not a Chromium bookmark file (" + std::string(what) + ")");
}

bool BookmarksWalk::openChildren(const element& folder, ImportFolder place) {
  simdjson::dom::array children;
  if (folder["children"].get_array().get(children) != simdjson::SUCCESS)
    return wrongShape("a folder without a list of children");
  stack_.push_back({children.begin(), children.end(), std::move(place)});
  return true;
}

bool BookmarksWalk::readNode(const element& node) {
  progress_.itemRead();
  if (!node.is_object()) return wrongShape("an item that is not an object");
  std::string_view type;
  if (node["type"].get_string().get(type) != simdjson::SUCCESS)
    return wrongShape("an item without a type");
  if (type == "folder") {
    ImportFolder folder;
    if (!builder_.openFolder(stack_.back().folder, stringField(node, "name"), folder)) return false;
    return openChildren(node, std::move(folder));
  }
  if (type != "url") return true;  // a kind of item this reader does not know
  std::string_view url;
  if (node["url"].get_string().get(url) != simdjson::SUCCESS)
    return wrongShape("a bookmark without an address");
  if (url.empty()) {
    doc_.logLine("Bookmark \"" + std::string(stringField(node, "name")) +
                 "\" has no address\nThe bookmark was skipped\n");
    doc_.setAdjustmentFlag();
    return true;
  }
  BookmarkRecord mark;
  mark.url.assign(url);
  mark.addDate = chromiumDate(node, "date_added");
  mark.visitDate = chromiumDate(node, "date_last_used");
  builder_.nameBookmark(mark, stringField(node, "name"));
  return builder_.addBookmark(stack_.back().folder, std::move(mark));
}

// Reads the lists on the stack until all are done; a folder's list goes on top of its parent's.
bool BookmarksWalk::walk() {
  while (!stack_.empty()) {
    OpenList& list = stack_.back();
    if (list.next == list.end) {
      stack_.pop_back();
      continue;
    }
    const element node = *list.next;
    ++list.next;  // before readNode, which may push and move the stack
    if (!readNode(node)) return false;
  }
  return true;
}

bool BookmarksWalk::readRoots(const element& file) {
  simdjson::dom::object roots;
  if (file["roots"].get_object().get(roots) != simdjson::SUCCESS)
    return wrongShape("no \"roots\" object");
  for (const auto field : roots) {
    const element& root = field.value;
    const char* known = nullptr;
    for (const KnownRoot& candidate : kKnownRoots)
      if (field.key == candidate.key) known = candidate.folder;
    if (!known && stringField(root, "type") != "folder") continue;  // not a root folder
    if (!root.is_object()) return wrongShape("a root that is not an object");
    ImportFolder place;
    if (!builder_.placeRoot(known ? std::string_view(known) : stringField(root, "name"), place) ||
        !openChildren(root, std::move(place)) || !walk())
      return false;
  }
  return true;
}

bool readFile(CLFDoc& doc, const std::string& path, const std::string& label) {
  simdjson::dom::parser parser;
  element file;
  if (const auto error = parser.load(path).get(file); error != simdjson::SUCCESS) {
    if (error == simdjson::MEMALLOC) throw std::bad_alloc();
    doc.logFatal(std::string(kWhere) +
                 (error == simdjson::IO_ERROR
                      ? "Could not access " + path
                      : path + " is not valid JSON (" + simdjson::error_message(error) + ")"));
    return false;
  }
  BookmarksWalk walk(doc, path, label);
  return walk.readRoots(file);
}

}  // namespace

bool Read_Chromium_Bookmarks(CLFDoc& doc, const std::string& bookmarksPath,
                             const std::string& sourceLabel) {
  return importSource(doc, sourceLabel, bookmarksPath, kWhere,
                      [&] { return readFile(doc, bookmarksPath, sourceLabel); });
}

}  // namespace linkfold
