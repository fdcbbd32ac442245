// The Chromium reader over Bookmarks files written as Chromium writes them, and over hostile
// JSON: what each leaves in the library and the import log.

#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <sstream>

#include "browsers/chromium/ChromiumBookmarksReader.h"
#include "core/browsers/netscape/NetscapeFixture.h"
#include "support/ChromiumBookmarksJson.h"

namespace linkfold::test {
namespace {

struct ChromiumRun : NetscapeRun {
  bool read(const std::string& bytes) {
    temp.write("Bookmarks", bytes);
    return Read_Chromium_Bookmarks(doc, temp.file("Bookmarks"), "Brave: Work");
  }
  // The log after the begin line and "Opening ...", nameless folders' numbers as #.
  std::string logAfterOpening() {
    const std::string text = log();
    const std::string opening = "Beginning Brave: Work import\n\nOpening $/Bookmarks\n";
    EXPECT_EQ(text.rfind(opening, 0), 0u) << text;
    return std::regex_replace(text.substr(opening.size()), std::regex("Folder \\(\\d+\\)"),
                              "Folder (#)");
  }
};

const std::string kClean = "Brave: Work import complete ... no errors.\n\n";

std::string written(const std::function<void(ChromiumBookmarksJson&)>& fill) {
  std::ostringstream text;
  ChromiumBookmarksJson json(text);
  fill(json);
  json.finish();
  return text.str();
}

struct JsonCase {
  const char* what;
  std::string input;
  std::string library;
  std::string log;  // after "Opening ..."
};

const JsonCase kCases[] = {
    {"roots in their folders, an empty root none, further root folders by name",
     written([](ChromiumBookmarksJson& j) {
       j.beginRoot("bookmark_bar", "ignored");
       j.url("B", "http://b/");
       j.beginFolder("Sub");
       j.beginFolder("Deeper");
       j.url("D", "http://d/");
       j.endFolder();
       j.endFolder();
       j.endFolder();
       j.beginRoot("other", "");
       j.url("O", "http://o/");
       j.endFolder();
       j.beginRoot("synced", "Mobile bookmarks");
       j.endFolder();
       j.beginRoot("workspace", "Work/space");
       j.url("W", "http://w/");
       j.endFolder();
     }),
     "Bookmarks bar\\ Bookmarks bar\\Sub\\ Bookmarks bar\\Sub\\Deeper\\ Other bookmarks\\ "
     "Work$space\\ = Bookmarks bar\\|B|http://b/ Bookmarks bar\\Sub\\Deeper\\|D|http://d/ "
     "Other bookmarks\\|O|http://o/ Work$space\\|W|http://w/",
     kClean},
    {"dates from 1601 to 1970 seconds: strings or numbers; none, early, huge, not digits",
     R"({"roots": {"other": {"type": "folder", "children": [
       {"type": "url", "name": "s", "url": "http://s/", "date_added": "13345000000123456",
        "date_last_used": 13345000001000000},
       {"type": "url", "name": "z", "url": "http://z/", "date_added": "0",
        "date_last_used": "11644473599000000"},
       {"type": "url", "name": "h", "url": "http://h/", "date_added": "99999999999999999999",
        "date_last_used": "12x"}]}}})",
     "Other bookmarks\\ = Other bookmarks\\|s|http://s/|1700526400,0,1700526401 "
     "Other bookmarks\\|z|http://z/ Other bookmarks\\|h|http://h/|4294967295,0,0",
     kClean},
    {"names cut, cleaned, defaulted; unknown item types and root entries skipped",
     R"({"roots": {"sync_transaction_version": "1", "other": {"type": "folder", "children": [
       {"type": "url", "name": ")" +
         std::string(60, 'n') + R"(", "url": "http://l/"},
       {"type": "url", "name": " \t ", "url": "http://n/a?b"},
       {"type": "url", "name": "\tA/B?\t", "url": "http://t/"},
       {"type": "folder", "name": " ", "children": []},
       {"type": "separator"},
       {"type": "url", "name": "e", "url": ""}]}}, "version": 1})",
     "Other bookmarks\\ Other bookmarks\\Folder (#)\\ = Other bookmarks\\|" + std::string(50, 'n') +
         "|http://l/ Other bookmarks\\|http$$$n$a$b|http://n/a?b Other bookmarks\\|A$B$|http://t/",
     "Bookmark for URL \"http://n/a?b\" has no name\nDefault name \"http$$$n$a$b\" provided\n"
     "Folder Other bookmarks contains a folder with no name\nDefault name Folder (#) provided\n"
     "Bookmark \"e\" has no address\nThe bookmark was skipped\n"},
    {"duplicate keys: the first of each counts",
     R"({"roots": {"other": {"type": "folder", "children": [
       {"type": "url", "type": "folder", "name": "x", "name": "y", "url": "http://x/"}]},
       "other": {"type": "folder", "children": []}}, "roots": 5})",
     "Other bookmarks\\ = Other bookmarks\\|x|http://x/", kClean},
};

TEST(ChromiumBookmarksReader, ReadsEachFormIntoTheLibraryAndTheLog) {
  for (const JsonCase& c : kCases) {
    SCOPED_TRACE(c.what);
    ChromiumRun run;
    EXPECT_TRUE(run.read(c.input));
    EXPECT_EQ(std::regex_replace(run.library(), std::regex("Folder \\(\\d+\\)"), "Folder (#)"),
              c.library);
    EXPECT_EQ(run.logAfterOpening(), c.log);
  }
}

std::string nested(int depth) {
  std::string open, close;
  for (int i = 0; i < depth; ++i) {
    open += R"({"type": "folder", "name": "f", "children": [)";
    close += "]}";
  }
  return R"({"roots": {"other": {"type": "folder", "children": [)" + open + close + "]}}}";
}

struct HostileCase {
  const char* what;
  std::string input;
  const char* reason;  // the distinctive words of the fatal entry
};

const HostileCase kHostile[] = {
    {"empty", "", "not valid JSON"},
    {"truncated", ChromiumBookmarksJson::simple({{"a", "http://a/"}}).substr(0, 200),
     "not valid JSON"},
    {"nesting deeper than the parser goes", nested(5000), "not valid JSON"},
    {"invalid UTF-8", "{\"roots\": {\"other\": {\"type\": \"folder\", \"name\": \"\xC3\x28\"}}}",
     "not valid JSON"},
    {"a list at the top", "[1, 2]", "no \"roots\" object"},
    {"roots of the wrong type", R"({"roots": []})", "no \"roots\" object"},
    {"a known root not an object", R"({"roots": {"bookmark_bar": "x"}})",
     "a root that is not an object"},
    {"children not a list", R"({"roots": {"other": {"type": "folder", "children": {}}}})",
     "a folder without a list of children"},
    {"an item not an object", R"({"roots": {"other": {"type": "folder", "children": [7]}}})",
     "an item that is not an object"},
    {"a type of the wrong type",
     R"({"roots": {"other": {"type": "folder", "children": [{"type": 1}]}}})",
     "an item without a type"},
    {"an address of the wrong type",
     R"({"roots": {"other": {"type": "folder", "children": [{"type": "url", "url": 5}]}}})",
     "a bookmark without an address"},
};

TEST(ChromiumBookmarksReader, RefusesMalformedAndMisshapenJsonWithAFatalEntry) {
  for (const HostileCase& c : kHostile) {
    SCOPED_TRACE(c.what);
    ChromiumRun run;
    EXPECT_FALSE(run.read(c.input));
    const std::string log = run.logAfterOpening();
    EXPECT_EQ(log.rfind("Critical error:\nRead_Chromium_Bookmarks:\n$/Bookmarks ", 0), 0u) << log;
    EXPECT_NE(log.find(c.reason), std::string::npos) << log;
    EXPECT_TRUE(log.ends_with("Processing aborted\n")) << log;
  }
}

// Nesting as deep as the parser takes, a huge name and address, and a file that is not there.
TEST(ChromiumBookmarksReader, ReadsDeepAndHugeInputAndRefusesNoFile) {
  ChromiumRun deep;
  EXPECT_TRUE(deep.read(nested(500)));      // Chromium itself reads no deeper than 200
  for (const FolderEntry& folder : deep.doc.folders())  // relocation keeps paths short
    EXPECT_LE(folder.path.size(), CLFDoc::kMaxFullPath);

  ChromiumRun huge;
  const std::string big(8 << 20, 'x');
  EXPECT_TRUE(huge.read(ChromiumBookmarksJson::simple({{big, "http://" + big}})));
  ASSERT_EQ(huge.doc.bookmarkCount(), 1u);
  EXPECT_EQ(huge.doc.bookmark(0).name, std::string(50, 'x'));

  ChromiumRun none;
  EXPECT_FALSE(Read_Chromium_Bookmarks(none.doc, none.temp.file("Bookmarks"), "Brave: Work"));
  EXPECT_NE(none.logAfterOpening().find("Could not access $/Bookmarks"), std::string::npos);
}

}  // namespace
}  // namespace linkfold::test
