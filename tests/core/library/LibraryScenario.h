#pragma once
// Scenarios of a library kept in files under tests/data. Each case's "steps" are lines of a verb
// and its arguments, separated by spaces (\x20 is a space within one); "=> what" ends a line whose
// step must yield that ("=> @key": the case's field key), and a step without it must not fail.
// Folder paths are written with "/" for "\". The head of tests/data/library-scenarios.txt lists
// the verbs.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "core/library/LibraryFixture.h"
#include "library/BookmarkClipboard.h"
#include "support/CaseFile.h"

namespace linkfold::test {

inline std::string okay(bool ok) {
  return ok ? "ok" : "fail";
}

inline std::string replaced(std::string text, char from, char to) {
  std::replace(text.begin(), text.end(), from, to);
  return text;
}

// The name of the bookmark with that URL.
inline std::string nameOf(const CLFDoc& doc, const std::string& url) {
  for (const auto& b : doc.bookmarks())
    if (b.url == url) return b.name;
  return "none";
}

// A fresh library that runs the steps of one scenario.
struct LibraryScenario : LibraryFixture {
  explicit LibraryScenario(const TestCase& c)
      : LibraryFixture(favoritesOnly(std::string(std::atoi(c["favorites"].c_str()), 'f'))) {}

  virtual ~LibraryScenario() = default;
  // What the step yields.
  virtual std::string run(const std::vector<std::string>& a) {
    const auto n = [&a](std::size_t i) { return static_cast<std::uint32_t>(std::stoul(a.at(i))); };
    const auto path = [](std::string p) { return replaced(std::move(p), '/', '\\'); };
    const auto shown = [](std::string p) { return replaced(std::move(p), '\\', '/'); };
    const std::string& verb = a.at(0);
    std::uint32_t index = 0;
    if (verb == "folder")
      return doc.addFolder(path(a.at(1)), a.size() > 2, &index) ? std::to_string(index) : "fail";
    if (verb == "bookmark")
      return doc.addBookmark(n(1), a.at(2), a.at(3), "", 0, 0, 0, &index) ? std::to_string(index)
                                                                          : "fail";
    if (verb == "tables") return shown(tables());
    if (verb == "flags") {
      std::string on;
      for (const auto& [set, word] : {std::pair{doc.contentAdded(), " added"},
                                      {doc.contentChanged(), " changed"},
                                      {doc.isModified(), " modified"},
                                      {doc.adjustmentFlag(), " adjusted"}})
        if (set) on += word;
      return on.empty() ? "none" : on.substr(1);
    }
    if (verb == "find") {
      const auto found = doc.findFolder(path(a.at(1)));
      return found ? std::to_string(*found) : "none";
    }
    if (verb == "path") return shown(doc.folder(n(1)).path);
    if (verb == "selection") return std::to_string(doc.folder(n(1)).selection);
    if (verb == "locked") return std::to_string(doc.folder(n(1)).locked);
    if (verb == "record") {
      const BookmarkRecord& b = doc.bookmark(n(1));
      return b.name + "|" + b.url + "|" + b.description + "|" + std::to_string(b.addDate);
    }
    if (verb == "paste") {
      std::vector<PastedBookmark> items;
      for (std::size_t i = 2; i + 1 < a.size(); i += 2) items.push_back({a[i], a[i + 1]});
      return std::to_string(pasteBookmarks(doc, n(1), items));
    }
    if (verb == "rename-folder") return okay(doc.renameFolder(n(1), a.at(2)));
    if (verb == "move-folder") return okay(doc.moveFolder(n(1), n(2)));
    if (verb == "remove-folder") return okay(doc.removeFolder(n(1)));
    if (verb == "name-of") return nameOf(doc, a.at(1));
    if (verb == "modified") return std::to_string(doc.isModified());
    if (verb == "create-log") {
      fixClock();
      return okay(doc.createLog());
    }
    if (verb == "log") {
      doc.closeLog();
      return temp.read("IMPLOG.TXT");
    }
    if (verb == "status-texts") return std::to_string(ui.statusTexts().size());
    if (verb == "clear-flags")
      doc.clearContentFlags(), doc.setModifiedFlag(false);
    else if (verb == "set-selection")
      doc.setFolderSelection(n(1), n(2));
    else if (verb == "rename-bookmark")
      doc.setBookmarkName(n(1), a.at(2));
    else if (verb == "move-bookmark")
      doc.setBookmarkFolder(n(1), n(2));
    else if (verb == "remove-bookmark")
      doc.removeBookmark(n(1));
    else if (verb == "sort")
      doc.sortBookmarks();
    else if (verb == "resolve")
      doc.sortAndResolve();
    else if (verb == "close-log")
      doc.closeLog();
    else if (verb == "status-window")
      doc.openStatusWindow();
    else
      return "unknown step";
    return "";
  }
};

// Runs every case of tests/data/<file> on a fresh Scenario, checking what each step yields.
template <class Scenario>
void runScenarios(const std::string& file) {
  for (const TestCase& c : readCases(file)) {
    Scenario scenario(c);
    std::istringstream steps(c.fields.at("steps"));
    for (std::string line; std::getline(steps, line);) {
      if (line.empty() || line.starts_with("#")) continue;
      const std::size_t arrow = line.find(" =>");
      std::istringstream words(line.substr(0, arrow));
      std::vector<std::string> args;
      for (std::string word; words >> word;) args.push_back(decodeCaseValue(word));
      const std::string result = scenario.run(args);
      if (arrow == std::string::npos) {
        EXPECT_TRUE(result != "fail" && result != "unknown step") << c.what << ": " << line;
        continue;
      }
      const std::string expected = line.substr(std::min(arrow + 4, line.size()));
      EXPECT_EQ(result,
                expected.starts_with("@") ? c[expected.substr(1)] : decodeCaseValue(expected))
          << c.what << ": " << line;
    }
  }
}

}  // namespace linkfold::test
