#pragma once
// Scenarios of a library, played by runScenarios: the head of tests/data/library-scenarios.txt
// describes their steps.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/library/LibraryFixture.h"
#include "library/BookmarkClipboard.h"
#include "support/Scenario.h"

namespace linkfold::test {

inline std::string replaced(std::string text, char from, char to) {
  std::replace(text.begin(), text.end(), from, to);
  return text;
}

inline std::string nameOf(const CLFDoc& doc, const std::string& url) {
  for (const auto& b : doc.bookmarks())
    if (b.url == url) return b.name;
  return "none";
}

// A fresh library that runs the steps of one scenario.
struct LibraryScenario : LibraryFixture {
  using Args = std::vector<std::string>;
  explicit LibraryScenario(const TestCase& c)
      : LibraryFixture(favoritesOnly(std::string(std::atoi(c["favorites"].c_str()), 'f'))) {}
  virtual ~LibraryScenario() = default;

  static std::uint32_t n(const Args& a, std::size_t i) {
    return static_cast<std::uint32_t>(std::stoul(a.at(i)));
  }

  // The steps that only act, by verb; a scenario of more parts adds its own.
  std::map<std::string, std::function<void(const Args&)>> actions{
      {"clear-flags", [this](const Args&) { doc.clearContentFlags(); }},
      {"set-modified", [this](const Args& a) { doc.setModifiedFlag(a.size() == 1); }},
      {"set-selection", [this](const Args& a) { doc.setFolderSelection(n(a, 1), n(a, 2)); }},
      {"rename-bookmark", [this](const Args& a) { doc.setBookmarkName(n(a, 1), a.at(2)); }},
      {"move-bookmark", [this](const Args& a) { doc.setBookmarkFolder(n(a, 1), n(a, 2)); }},
      {"remove-bookmark", [this](const Args& a) { doc.removeBookmark(n(a, 1)); }},
      {"sort", [this](const Args&) { doc.sortBookmarks(); }},
      {"resolve", [this](const Args&) { doc.sortAndResolve(); }},
      {"close-log", [this](const Args&) { doc.closeLog(); }},
      {"log-line", [this](const Args& a) { doc.logLine(a.at(1)); }},
      {"log-non-fatal", [this](const Args& a) { doc.logNonFatal(a.at(1), a.at(2)); }},
      {"log-fatal", [this](const Args& a) { doc.logFatal(a.at(1)); }},
      {"advance-clock", [this](const Args& a) { now += std::stol(a.at(1)); }},
      {"status-window", [this](const Args&) { doc.openStatusWindow(); }},
  };

  // What the step yields.
  virtual std::string run(const Args& a) {
    const auto path = [](std::string p) { return replaced(std::move(p), '/', '\\'); };
    const auto shown = [](std::string p) { return replaced(std::move(p), '\\', '/'); };
    const std::string& verb = a.at(0);
    if (const auto action = actions.find(verb); action != actions.end()) {
      action->second(a);
      return "";
    }
    std::uint32_t index = 0;
    if (verb == "folder")
      return doc.addFolder(path(a.at(1)), a.size() > 2, &index) ? std::to_string(index) : "fail";
    if (verb == "bookmark")
      return doc.addBookmark(n(a, 1), a.at(2), a.at(3), "", 0, 0, 0, &index) ? std::to_string(index)
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
    if (verb == "path") return shown(doc.folder(n(a, 1)).path);
    if (verb == "selection") return std::to_string(doc.folder(n(a, 1)).selection);
    if (verb == "locked") return std::to_string(doc.folder(n(a, 1)).locked);
    if (verb == "record") {
      const BookmarkRecord& b = doc.bookmark(n(a, 1));
      return b.name + "|" + b.url + "|" + b.description + "|" + std::to_string(b.addDate);
    }
    if (verb == "paste") {
      std::vector<PastedBookmark> items;
      for (std::size_t i = 2; i + 1 < a.size(); i += 2) items.push_back({a[i], a[i + 1]});
      return std::to_string(pasteBookmarks(doc, n(a, 1), items));
    }
    if (verb == "copy") {
      std::vector<std::uint32_t> bookmarks;
      for (std::size_t i = 1; i < a.size(); ++i) bookmarks.push_back(n(a, i));
      const ClipboardData copied = clipboardFor(doc, bookmarks);
      std::string html;
      for (const PastedBookmark& b : parseHtmlLinks(copied.html))
        html += b.name + "\t" + b.url + "\n";
      return copied.text + " | " + copied.uriList + " | " + html;
    }
    if (verb == "rename-folder") return okay(doc.renameFolder(n(a, 1), a.at(2)));
    if (verb == "move-folder") return okay(doc.moveFolder(n(a, 1), n(a, 2)));
    if (verb == "remove-folder") return okay(doc.removeFolder(n(a, 1)));
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
    if (verb == "log-open") return std::to_string(doc.hasOpenLog());
    if (verb == "status-texts") return std::to_string(ui.statusTexts().size());
    return "unknown step";
  }
};

}  // namespace linkfold::test
