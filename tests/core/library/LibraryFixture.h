#pragma once
// A library document wired to a scripted UI and in-memory settings.

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "library/CLFDoc.h"
#include "platform/Settings.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

namespace linkfold::test {

// Browsers as detection finds them on a machine with Internet Explorer's Favorites only (an
// empty path: no browser at all).
inline BrowserDetection favoritesOnly(const std::string& path) {
  BrowserDetection found;
  found.msiePresent = !path.empty();
  found.favoritesPath = path;
  return found;
}

struct LibraryFixture {
  explicit LibraryFixture(BrowserDetection browsers = {})
      : doc(ui, settings, temp.file("IMPLOG.TXT"), std::move(browsers)) {}
  // A library whose Favorites folder is Favorites/ in the temporary directory.
  struct FavoritesInTemp {};
  explicit LibraryFixture(FavoritesInTemp)
      : doc(ui, settings, temp.file("IMPLOG.TXT"), favoritesOnly(temp.file("Favorites/"))) {}

  std::uint32_t folder(const std::string& path) {
    std::uint32_t index = 0;
    EXPECT_TRUE(doc.addFolder(path, false, &index));
    return index;
  }
  std::uint32_t bookmark(std::uint32_t folderIndex, const std::string& name,
                         const std::string& url) {
    std::uint32_t index = 0;
    EXPECT_TRUE(doc.addBookmark(folderIndex, name, url, "", 0, 0, 0, &index));
    return index;
  }
  // Writes the bytes to lib.bml and opens that file.
  bool open(const std::string& bytes) {
    temp.write("lib.bml", bytes);
    return doc.OnOpenDocument(temp.file("lib.bml"));
  }
  std::string saved() const {
    std::ostringstream out;
    doc.Serialize(out);
    return out.str();
  }
  // Both tables in one text: each folder as path:parent, then each bookmark as name@folder.
  std::string tables() const {
    std::string out;
    for (const auto& f : doc.folders()) out += f.path + ":" + std::to_string(f.parent) + " ";
    out += "|";
    for (const auto& b : doc.bookmarks()) out += " " + b.name + "@" + std::to_string(b.folder);
    return out;
  }
  // The import log's clock: 12/06/26 16:32:47 UTC.
  void fixClock() {
    setenv("TZ", "UTC", 1);
    tzset();
    doc.setClock([this] { return now; });
  }

  TempDir temp;
  FakeUi ui;
  InMemorySettings settings;
  CLFDoc doc;
  std::time_t now = 1796574767;
};

// Asserts which messages came: each one's icon and a distinctive word of its text (the whole
// text only where the code assembles it).
using ShownMessages = std::vector<std::pair<MessageIcon, std::string>>;
inline void expectMessages(const FakeUi& ui, const ShownMessages& expected) {
  ASSERT_EQ(ui.messages.size(), expected.size()) << testing::PrintToString(ui.messageTexts());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(ui.messages[i].icon, expected[i].first) << i;
    EXPECT_NE(ui.messages[i].text.find(expected[i].second), std::string::npos)
        << i << ": " << ui.messages[i].text;
  }
}
// The same for messages that all carry one icon.
inline void expectMessages(const FakeUi& ui, MessageIcon icon,
                           const std::vector<std::string>& words) {
  ShownMessages expected;
  for (const std::string& word : words) expected.emplace_back(icon, word);
  expectMessages(ui, expected);
}

// The header of an import log created at 12/06/26 16:32:47 UTC.
inline const std::string kLogHeader = "Linkfold import log created 12/06/26 16:32:47\r\n\r\n";

}  // namespace linkfold::test
