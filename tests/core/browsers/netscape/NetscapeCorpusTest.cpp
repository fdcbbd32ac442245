// Real bookmark files made by browsers and tools: counts where the reader's rules agree with
// the corpus notes, and a round trip through the writer for every file.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "NetscapeFixture.h"
#include "browsers/netscape/NetscapeWriter.h"
#include "view/CLFView.h"

namespace linkfold::test {
namespace {

// Folders and bookmarks as the corpus notes count them. Files left out differ by the reader's
// rules: bookmarks or folders alike in one folder merge (brave, duckduckgo, firefox-2022,
// ie4-mac), a folder without a list of its own takes the lines after it (icab), a file without
// a top-level list is read up to its first list's end (safari), and pocket is no Netscape file.
const std::map<std::string, std::pair<std::uint32_t, std::uint32_t>> kAgreeing = {
    {"netscape-4.76-default-2001.html", {13, 110}}, {"mozilla-suite-2002.html", {33, 219}},
    {"chromium-2016-flat-icons.html", {0, 9}},      {"chromium-2016-nested-icons.html", {7, 18}},
    {"firefox-2016-flat-place-uris.html", {1, 24}}, {"firefox-2016-nested-hr.html", {6, 24}},
    {"ie11-2016-flat-bom.html", {0, 18}},           {"ie11-2016-nested-bom-folded.html", {9, 27}},
    {"shaarli-2016-tags-private.html", {0, 6}},     {"firefox-2017-dd-charset.html", {6, 14}},
    {"chrome-2019-cyrillic.html", {5, 8}},          {"firefox-2019-large-icons.html", {6, 9}},
};

// The library as sorted lines, independent of table order.
std::string contents(const CLFDoc& doc) {
  std::vector<std::string> lines;
  for (const FolderEntry& f : doc.folders()) lines.push_back(f.path);
  for (const BookmarkRecord& b : doc.bookmarks())
    lines.push_back(doc.folder(b.folder).path + "|" + b.name + "|" + b.url + "|" + b.description +
                    "|" + std::to_string(b.addDate) + "," + std::to_string(b.modifiedDate) + "," +
                    std::to_string(b.visitDate));
  std::sort(lines.begin(), lines.end());
  std::string out;
  for (const auto& line : lines) out += line + "\n";
  return out;
}

TEST(NetscapeCorpus, ReadsRealFilesAndReadsBackWhatItWrites) {
  const std::filesystem::path dir = std::filesystem::path(LINKFOLD_CORPUS_DIR) / "html";
  if (!std::filesystem::is_directory(dir)) GTEST_SKIP() << "no bookmark corpus at " << dir;
  int files = 0, agreeing = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    const std::string name = entry.path().filename().string();
    SCOPED_TRACE(name);
    ++files;
    NetscapeRun first;
    const int result = Parse_NS_File(first.doc, entry.path().string());
    EXPECT_EQ(result == kNetscapeReadFatal,
              name.starts_with("icab-") || name.starts_with("pocket-"));
    if (const auto counts = kAgreeing.find(name); counts != kAgreeing.end()) {
      ++agreeing;
      EXPECT_EQ(first.doc.folderCount() - 1, counts->second.first);
      EXPECT_EQ(first.doc.bookmarkCount(), counts->second.second);
    }
    CLFView view(first.doc, first.ui, first.settings);
    view.OnUpdate();
    const std::string exported = first.temp.file("export.htm");
    ASSERT_TRUE(Do_NS_Export(view, exported, false, first.doc.netscapeTitle()));
    NetscapeRun second;
    EXPECT_EQ(Parse_NS_File(second.doc, exported), kNetscapeReadOk);
    EXPECT_EQ(contents(second.doc), contents(first.doc));
    EXPECT_EQ(second.doc.netscapeTitle(), first.doc.netscapeTitle());
    // What the writer wrote reads back without a single adjustment.
    EXPECT_EQ(second.log(), "Opening " + exported + "\n");
  }
  EXPECT_EQ(agreeing, static_cast<int>(kAgreeing.size()));
  EXPECT_GE(files, 19);
}

}  // namespace
}  // namespace linkfold::test
