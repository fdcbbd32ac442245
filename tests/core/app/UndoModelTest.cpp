// Undo and redo against a model: random sequences of every undoable command on a generated
// library, then every step taken back and made again. The library must come back byte for byte,
// at the start, at the end and at a random step in between.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "browsers/commands/AppSession.h"
#include "browsers/commands/ImportRun.h"
#include "core/view/ViewFixture.h"
#include "library/DocumentCommands.h"
#include "tools/DuplicateUrls.h"
#include "tools/WeedDialog.h"
#include "tools/WeedDuplicates.h"

namespace linkfold::test {
namespace {

constexpr int kCommands = 200;

class UndoModelTest : public ::testing::TestWithParam<unsigned> {
 protected:
  void SetUp() override {
    temp.write("browser.htm", netscapeFile(300));
    original = randomLibrary();
    temp.write("original.bml", original);
    BrowserDetection browser;
    browser.netscape3Present = true;
    browser.netscape3File = temp.file("browser.htm");
    session = std::make_unique<AppSession>(ui, settings, browser, temp.file("IMPLOG.TXT"));
    view = std::make_unique<CLFView>(doc(), ui, settings);
    session->setDocumentChanged([this] { view->OnUpdate(); });
    doc().undoStack().setStepLimit(10 * kCommands);
    ASSERT_TRUE(session->documentCommands().openDocumentFile(temp.file("original.bml")));
  }

  CLFDoc& doc() { return session->document(); }
  std::size_t pick(std::size_t count) { return rng() % count; }
  std::string name() { return "n" + std::to_string(names++); }
  static std::string saved(const CLFDoc& library) {
    std::ostringstream out;
    library.Serialize(out);
    return out.str();
  }

  // Folders up to four deep, one locked, one holding thousands of bookmarks, URLs that repeat
  // for Weed Duplicates to find.
  std::string randomLibrary() {
    FakeUi scratchUi;
    CLFDoc scratch(scratchUi, settings, temp.file("scratch.log"));
    scratch.addFolder("\\", true);
    std::vector<std::string> paths{""};
    for (int f = 0; f < 40; ++f) {
      const std::string parent = paths[pick(paths.size())];
      if (std::count(parent.begin(), parent.end(), '\\') >= 4) continue;
      paths.push_back(parent + "F" + std::to_string(f) + "\\");
      scratch.addFolder(paths.back(), f == 7);
    }
    scratch.addFolder("Big\\", false);
    const std::uint32_t big = *scratch.findFolder("Big\\");
    for (int b = 0; b < 3000; ++b)
      scratch.addBookmark(big, "big" + std::to_string(b), "http://big/" + std::to_string(b % 2900),
                          "", 1, 2, 3);
    for (int b = 0; b < 800; ++b)
      scratch.addBookmark(pick(scratch.folderCount()), "b" + std::to_string(b),
                          "http://u/" + std::to_string(pick(700)), b % 5 ? "" : "about it", 4, 5,
                          6);
    return saved(scratch);
  }

  // A Netscape file of `count` bookmarks in a few folders; some names already in the library
  // make the import's duplicate-name resolution rename.
  std::string netscapeFile(int count) {
    std::string html = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<H1>Imported</H1>\n<DL><p>\n";
    for (int folder = 0; folder < 3; ++folder) {
      html += "<DT><H3>F" + std::to_string(pick(40)) + "</H3>\n<DL><p>\n";
      for (int b = 0; b < count / 3; ++b)
        html += "<DT><A HREF=\"http://i/" + std::to_string(pick(1000)) + "\" ADD_DATE=\"7\">b" +
                std::to_string(pick(900)) + "</A>\n";
      html += "</DL><p>\n";
    }
    return html + "</DL><p>\n";
  }

  // A random unlocked bookmark or folder item, or kNoItem when there is none.
  TreeItem anyItem(bool bookmark) {
    std::vector<TreeItem> found, pending{view->tree().root()};
    while (!pending.empty()) {
      const TreeItem item = pending.back();
      pending.pop_back();
      if (view->IsBookmarkItem(item) == bookmark && !view->IsLockedItem(item))
        found.push_back(item);
      if (!view->IsBookmarkItem(item))
        for (TreeItem child : view->tree().children(item)) pending.push_back(child);
    }
    return found.empty() ? kNoItem : found[pick(found.size())];
  }

  void runRandomCommand() {
    const bool onBookmark = pick(2) != 0;
    const TreeItem item = anyItem(onBookmark);
    if (item == kNoItem) return;
    view->tree().select(item);
    switch (pick(10)) {
      case 0:
        ui.onDialog<CRenameDlg>([this](CRenameDlg& d) { return d.name = name(), true; });
        return view->OnRename();
      case 1:
        if (!view->OnUpdateDelete().enabled) return;
        ui.answer(Answer::Yes);
        return view->OnDelete();
      case 2:
        return view->OnNewFolder();
      case 3:
        if (!onBookmark) return;
        ui.onDialog<CPropertiesDlg>(
            [this](CPropertiesDlg& d) { return d.url = "http://p/" + name(), true; });
        return view->OnProperties();
      case 4:
      case 5:
        view->OnBeginDrag(item);
        return view->OnDrop({anyItem(false), kHitOnLabel});
      case 6:
        return weed();
      case 7:
        temp.write("import.htm", netscapeFile(pick(4) ? 30 : 1500));
        ui.nextOpenFile(temp.file("import.htm"));
        session->importRun().OnImportHtml();
        return;
      case 8:  // a step back now and then: the next command drops what could be redone
        return view->OnUndo();
      default:  // paste what was copied elsewhere, with a new URL or two
        return view->OnPaste({"http://pasted/" + name() + "\nwww." + name() + ".example", "", ""});
    }
  }

  // Keeps the first bookmark of each group of shared URLs.
  void weed() {
    DuplicateSearch search(doc().bookmarkCount());
    search.run(doc());
    if (search.groups.empty()) return;
    ui.onDialog<WeedDialog>([](WeedDialog& d) {
      for (std::size_t row = 0; row + 1 < d.rows().size(); ++row)
        if (d.rows()[row].isGroup()) d.toggle(row + 1);
      return true;
    });
    ui.answer(Answer::Yes);
    OnWeedDuplicates(*view);
  }

  void expectTreeShowsLibrary() {
    expectTreeMatchesLibrary(*view, doc());
    EXPECT_TRUE(view->tree().exists(view->tree().selected()));
  }

  FakeUi ui;
  InMemorySettings settings;
  TempDir temp;
  std::string original;
  std::unique_ptr<AppSession> session;
  std::unique_ptr<CLFView> view;
  std::mt19937 rng{GetParam()};
  int names = 0;
};

TEST_P(UndoModelTest, EveryStepGoesBackAndForthExactly) {
  const UndoStack& stack = doc().undoStack();
  ASSERT_EQ(stack.undoName(), "Import");  // the import run of Open
  // The reference copy: the library at a random point of the sequence, taken again if an undo
  // later goes back past it (the next command then drops it from the stack).
  const int middle = static_cast<int>(pick(kCommands));
  std::string reference;
  std::size_t referenceStep = 0;
  for (int i = 0; i < kCommands; ++i) {
    runRandomCommand();
    if (i >= middle && (reference.empty() || stack.doneSteps() < referenceStep)) {
      reference = saved(doc());
      referenceStep = stack.doneSteps();
    }
  }
  // A sequence that ended on an undo still has a step to redo: the end is past it.
  while (stack.canRedo()) view->OnRedo();
  const std::size_t steps = stack.doneSteps();
  ASSERT_GT(steps, 100u);
  const std::string after = saved(doc());
  for (std::size_t at = steps; at > 0; --at) {
    EXPECT_TRUE(at != referenceStep || saved(doc()) == reference) << "undone to step " << at;
    view->OnUndo();
    expectTreeShowsLibrary();
  }
  EXPECT_FALSE(stack.canUndo());
  EXPECT_TRUE(saved(doc()) == original) << "undone to the file as opened";
  EXPECT_FALSE(doc().isModified());
  while (stack.canRedo()) {
    view->OnRedo();
    expectTreeShowsLibrary();
    EXPECT_TRUE(stack.doneSteps() != referenceStep || saved(doc()) == reference) << "redone";
  }
  EXPECT_TRUE(saved(doc()) == after) << "redone to the end";
  EXPECT_TRUE(doc().isModified());
}

INSTANTIATE_TEST_SUITE_P(Seeds, UndoModelTest, ::testing::Values(1u, 2u, 3u));

}  // namespace
}  // namespace linkfold::test
