// The tree view's commands played as scenarios from tests/data/view-scenarios.txt: each case is
// a list of steps, one a line, that drive the view or check it.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "core/view/ViewFixture.h"
#include "support/Scenario.h"

namespace linkfold::test {
namespace {

// The texts in brackets: "[a][ b ]" gives "a" and " b ".
std::vector<std::string> bracketed(const std::string& text) {
  std::vector<std::string> out;
  for (std::size_t open = text.find('['), close = 0; open != std::string::npos;
       open = text.find('[', close)) {
    close = text.find(']', open);
    out.push_back(text.substr(open + 1, close - open - 1));
  }
  return out;
}

const std::vector<TestCase>& scenarios() {
  static const std::vector<TestCase> cases = readCases("view-scenarios.txt");
  return cases;
}

// The names of the scenarios, each played by a test of its own (a case that holds a "setup"
// instead of "steps" is only played by others).
std::vector<std::string> scenarioNames() {
  std::vector<std::string> names;
  for (const TestCase& scenario : scenarios())
    if (!scenario.fields.count("setup")) names.push_back(scenario.what);
  return names;
}

// A step: a word and its argument, or two arguments separated by two spaces ("drag A  B/x").
struct Step {
  explicit Step(const std::string& line) {
    const std::size_t space = line.find(' '), gap = line.find("  ", space + 1);
    verb = line.substr(0, space);
    rest = space == std::string::npos ? "" : line.substr(space + 1);
    first = rest.substr(0, gap - space - 1);
    second = gap == std::string::npos ? "" : line.substr(gap + 2);
  }
  std::string verb, rest, first, second;
};

class Scenario : public ViewTest, public ::testing::WithParamInterface<std::string> {
 protected:
  // Plays the named case: its setup, or its steps, which must check something when `mustCheck`.
  void play(const std::string& name, bool mustCheck) {
    const auto named = std::find_if(scenarios().begin(), scenarios().end(),
                                    [&name](const TestCase& c) { return c.what == name; });
    if (named == scenarios().end()) {
      ADD_FAILURE() << "no scenario " << name;
      return;
    }
    named->expectFieldsAmong({"steps", "setup"});
    playSteps(
        *named, named->fields.count("setup") ? "setup" : "steps",
        [this](const std::string& line) { return run(decodeCaseValue(line)); }, mustCheck);
  }
  // Plays the step; tells whether it checked something.
  bool run(const std::string& line) {
    const Step step(line);
    if (setUp(step) || act(step)) return false;
    if (check(step)) return true;
    ADD_FAILURE() << "no such step";
    return false;
  }
  // The item a step names: by its labels, "/" the root, "none" no item, "gone" an item deleted.
  TreeItem at(const std::string& path) {
    return path == "none" ? kNoItem : path == "gone" ? deadItem() : item(path == "/" ? "" : path);
  }
  // The steps that set up the library and the view, each telling whether it was one of them.
  bool setUp(const Step& step) {
    const auto& [verb, rest, first, second] = step;
    if (verb == "library") {
      buildLibrary();
    } else if (verb == "remember") {
      remembered = {outline(), saved()};
    } else if (verb == "steps-of") {
      play(rest, false);
    } else if (verb == "set-check") {  // straight to the view, and the parents' boxes after it
      view.SetFolderCheck(at(rest), true);
      view.UpdateParentChecks(at(rest));
    } else if (verb == "hold") {  // the item's handle, for "kept" and "released"
      held[rest] = at(rest);
    } else if (verb == "folder") {
      EXPECT_TRUE(doc.addFolder(first, second == "locked"));
    } else if (verb == "bookmark") {
      bookmark(folder(first), second, "http://" + second + "/");
    } else if (verb == "state") {
      doc.setFolderSelection(folder(first), std::stoul(second));
    } else if (verb == "update") {
      view.OnUpdate();
    } else if (verb == "refill") {
      view.RefillKeepingState();
    } else if (verb == "capture") {
      captured = view.captureTreeState();
    } else if (verb == "restore") {
      view.restoreTreeState(captured);
    } else if (verb == "remove") {  // the item's bookmark from the library alone
      doc.removeBookmark(view.tree().data(at(rest)));
    } else if (verb == "clear-library") {
      doc.DeleteContents();
    } else if (verb == "clear-bookmarks") {
      while (doc.bookmarkCount() > 0) doc.removeBookmark(0);
    } else if (verb == "renumber-bookmarks" || verb == "renumber-folders") {
      (view.*(verb == "renumber-folders" ? &CLFView::RenumberFolderItems
                                         : &CLFView::RenumberBookmarkItems))(at(first),
                                                                             std::stoul(second));
    } else if (verb == "follow") {
      view.options().follow = rest == "on";
    } else if (verb == "confirm-delete") {  // of a bookmark or a folder
      ViewOptions& options = view.options();
      (first == "bookmark" ? options.confirmBookmarkDelete : options.confirmFolderDelete) =
          second == "on";
    } else if (verb == "limit") {  // room for this many more items in the tree
      view.tree().setItemLimit(view.tree().itemCount() + std::stoul(rest));
    } else if (verb == "set-modified") {
      doc.setModifiedFlag(rest == "yes");
    } else if (verb == "expand") {
      view.tree().expand(at(rest), CSortedTreeCtrl::Expand::Expand);
    } else if (verb == "show") {
      view.tree().ensureVisible(at(rest));
    } else if (verb == "url") {
      doc.setBookmarkUrl(view.tree().data(at(first)), second);
    } else if (verb == "unlink") {  // the item names no library entry
      view.tree().setData(at(rest), 99);
    } else {
      return false;
    }
    return true;
  }
  // The steps a person takes.
  bool act(const Step& step) {
    const auto& [verb, rest, first, second] = step;
    if (verb == "select") {
      view.tree().select(at(rest));
    } else if (verb == "click") {  // on the check box unless told where
      view.OnClick(hit(at(first), second.empty() ? "box" : second));
    } else if (verb == "double-click") {
      view.OnDoubleClick(hit(at(first), second));
    } else if (verb == "expand-all") {
      view.OnExpandAll();
    } else if (verb == "collapse-all") {
      view.OnCollapseAll();
    } else if (verb == "rename") {  // each name typed and confirmed, then Cancel when asked for
      const std::vector<std::string> typed = bracketed(second);
      for (std::size_t i = 0; i < typed.size() + (second.ends_with("cancel") ? 1 : 0); ++i)
        ui.onDialog<CRenameDlg>([this, text = i < typed.size() ? std::optional(typed[i])
                                                               : std::nullopt](CRenameDlg& dialog) {
          renameShown.push_back(std::exchange(dialog.name, text.value_or(dialog.name)));
          return text.has_value();
        });
      view.tree().select(at(first));
      view.OnRename();
    } else if (verb == "delete") {  // without a question when no answer is given
      view.tree().select(at(first));
      if (!second.empty()) ui.answer(second == "yes" ? Answer::Yes : Answer::No);
      view.OnDelete();
    } else if (verb == "open") {  // with the answer to its question, if one is expected
      view.tree().select(at(first));
      if (!second.empty()) ui.answer(second == "yes" ? Answer::Yes : Answer::No);
      view.OnOpenInBrowser();
    } else if (verb == "properties") {
      view.tree().select(at(rest));
      view.OnProperties();
    } else if (verb == "new-folder") {
      view.tree().select(at(rest));
      view.OnNewFolder();
    } else if (verb == "paste") {  // the text, or what was copied
      view.tree().select(at(first));
      view.OnPaste(second.empty() ? copied : ClipboardData{second, "", ""});
    } else if (verb == "begin-drag") {
      view.OnBeginDrag(at(rest));
    } else if (verb == "drag-move") {
      view.OnDragMove(hit(at(rest), ""));
    } else if (verb == "drop") {
      view.OnDrop(hit(at(first), second));
    } else if (verb == "cancel-drag") {
      view.OnCancelDrag();
    } else if (verb == "drag") {
      view.OnBeginDrag(at(first));
      if (!view.isDragging()) ADD_FAILURE() << "no drag";
      view.OnDragMove({at(second), kHitOnLabel});
      view.OnDrop({at(second), kHitOnLabel});
      EXPECT_FALSE(view.isDragging() || view.draggedItem() != kNoItem ||
                   view.tree().dropHighlight() != kNoItem);  // every drop ends the drag
    } else if (verb == "filter") {
      view.setFilter(rest);
    } else {
      return false;
    }
    return true;
  }
  // The checks.
  bool check(const Step& step) {
    const auto& [verb, rest, first, second] = step;
    if (verb == "properties-of") {  // the dialog that comes next, cancelled
      ui.onDialog<CPropertiesDlg>([name = rest](CPropertiesDlg& dialog) {
        EXPECT_EQ(dialog.name, name);
        return false;
      });
    } else if (verb == "dragging") {
      EXPECT_EQ(view.isDragging(), rest == "yes");
    } else if (verb == "undo") {  // after a check of the menu's text
      EXPECT_EQ(view.OnUpdateUndo().text, rest);
      view.OnUndo();
    } else if (verb == "moves") {  // the view's own moves of the item, which must do nothing
      view.MoveBookmarkItem(at(first), at(second));
      view.MoveFolderItem(at(first), at(second));
      EXPECT_EQ(view.CopySubtree(at(first), at(second)), kNoItem);
    } else if (verb == "copy") {
      view.tree().select(at(first));
      copied = view.OnCopy();
      EXPECT_EQ(copied.text, second);
    } else if (verb == "space") {  // the Space key on the item, and what it returns
      view.tree().select(at(first));
      EXPECT_EQ(view.OnSpaceKey(), std::stoi(second));
    } else if (verb == "menu") {  // Open or Open All (O or A), Cut, Rename, Delete, New Folder
      std::string offered;        // and Properties (XRDNP): the items offered, in that order
      const std::uint32_t ids[] = {kCmdCut, kCmdRename, kCmdDelete, kCmdNewFolder, kCmdProperties};
      for (const MenuEntry& e : view.OnRightClick(hit(at(first), ""))) {
        if (offered.empty()) offered = e.text.find("All") == std::string::npos ? "O" : "A";
        for (int i = 0; i < 5; ++i)
          if (e.id == ids[i]) offered += "XRDNP"[i];
      }
      EXPECT_EQ(offered, second);
    } else if (verb == "unchanged") {
      EXPECT_EQ(std::pair(outline(), saved()), remembered);
    } else if (verb == "outline") {
      EXPECT_EQ(outline(), rest);
    } else if (verb == "labels") {
      EXPECT_EQ(labels(first == "/" ? "" : first), second);
    } else if (verb == "selected") {
      EXPECT_EQ(view.tree().selected(), at(rest));
    } else if (verb == "current") {
      EXPECT_EQ(view.currentItem(), at(rest));
    } else if (verb == "expanded") {
      EXPECT_EQ(view.tree().isExpanded(at(first)), second == "yes");
    } else if (verb == "all-open") {  // every item shown with children is expanded
      for (TreeItem i = view.tree().root(); i != kNoItem; i = view.tree().nextVisible(i))
        EXPECT_TRUE(!view.tree().hasChildren(i) || view.tree().isExpanded(i)) << i;
    } else if (verb == "scrolled-to") {
      EXPECT_TRUE(treeLog.scrolledTo(at(rest)));
    } else if (verb == "path") {  // of the library folder the item shows
      EXPECT_EQ(doc.folder(view.tree().data(at(first))).path, second);
    } else if (verb == "offers") {  // Rename, Delete, Properties, Open and Cut on the item
      view.tree().select(at(first));
      std::string offered;
      for (const CommandState& state :
           {view.OnUpdateRename(), view.OnUpdateDelete(), view.OnUpdateProperties(),
            view.OnUpdateOpenInBrowser(), view.OnUpdateCut()}) {
        const std::string text = state.text.value_or("");
        const auto names = [&](const char* word) { return text.find(word) != std::string::npos; };
        offered += std::to_string(state.enabled) + (names("folder")     ? "f"
                                                    : names("bookmark") ? "b"
                                                    : names("All")      ? "a"
                                                                        : "-");
      }
      EXPECT_EQ(offered, second);
    } else if (verb == "opened") {  // the URLs the desktop was asked to open; then forgotten
      std::string urls;
      for (const std::string& url : std::exchange(ui.openedUrls, {})) urls += url + "|";
      EXPECT_EQ(urls, rest);
    } else if (verb == "message-text") {  // the whole text of the only message
      EXPECT_EQ(ui.messageTexts(), std::vector{rest});
    } else if (verb == "numbers") {  // the item's data, then its children's
      std::string numbers = std::to_string(view.tree().data(at(first))) + ":";
      for (TreeItem c : view.tree().children(at(first)))
        numbers += std::to_string(view.tree().data(c)) + "|";
      EXPECT_EQ(numbers, second);
    } else if (verb == "kept") {  // the held handle still names the item
      EXPECT_EQ(held.at(rest), at(rest));
    } else if (verb == "highlighted") {
      EXPECT_EQ(view.tree().dropHighlight(), at(rest));
    } else if (verb == "dialogs") {
      EXPECT_EQ(ui.dialogsShown, std::stoi(rest));
    } else if (verb == "expanded-before") {  // the first was expanded before the second
      const auto& order = treeLog.expanded;
      EXPECT_LT(std::find(order.begin(), order.end(), at(first)),
                std::find(order.begin(), order.end(), at(second)));
    } else if (verb == "scrolled-only") {  // since the last time; then forgotten
      EXPECT_EQ(std::exchange(treeLog.scrolled, {}), std::vector{at(rest)});
    } else if (verb == "released") {  // the held handle names no item any more
      EXPECT_FALSE(view.tree().exists(held.at(rest)));
    } else if (verb == "matches") {
      EXPECT_EQ(view.filterMatchCount(), std::stoul(rest));
    } else if (verb == "listed") {  // every folder is marked as shown in the tree
      for (const FolderEntry& f : doc.folders()) EXPECT_EQ(f.listed, 1u) << f.path;
    } else if (verb == "waited") {  // the wait cursor was shown
      EXPECT_GT(ui.waitCursorShown, 0);
    } else if (verb == "modified") {
      EXPECT_EQ(doc.isModified(), rest == "yes");
    } else if (verb == "messages") {  // each one's icon and a word of its text; then forgotten
      static const std::map<std::string, MessageIcon> icons{
          {"none", MessageIcon::None},
          {"Question", MessageIcon::Question},
          {"Exclamation", MessageIcon::Exclamation},
          {"Information", MessageIcon::Information}};
      std::vector<std::string> words;
      std::istringstream split(second);
      for (std::string word; std::getline(split, word, '|');) words.push_back(word);
      EXPECT_EQ(first == "none", words.empty()) << "messages none, or an icon and words";
      expectMessages(ui, icons.at(first), words);
      for (const Message& m : ui.messages)  // a question is answered Yes or No
        EXPECT_TRUE(m.icon != MessageIcon::Question || m.buttons == MessageButtons::YesNo);
      ui.messages.clear();
    } else if (verb == "renames-shown") {
      EXPECT_EQ(renameShown, bracketed(rest));
    } else if (verb == "in-step") {
      expectTreeMatchesLibrary();
      EXPECT_EQ(ui.waitCursorDepth, 0);
    } else if (verb == "quiet") {  // the library changed without a word, the tree in step
      EXPECT_TRUE(doc.isModified());
      EXPECT_TRUE(ui.messages.empty());
      check(Step("in-step"));
    } else {
      return false;
    }
    return true;
  }
  // The hit on the item: on its label, or "icon", "box" (the check box), "indent", "button",
  // "right" (of the label) or "below" (the tree).
  static HitTest hit(TreeItem item, const std::string& where) {
    static const std::map<std::string, unsigned> flags{
        {"label", kHitOnLabel},   {"icon", kHitOnIcon},     {"box", kHitOnStateIcon},
        {"indent", kHitOnIndent}, {"button", kHitOnButton}, {"right", kHitOnRight},
        {"below", kHitBelow}};
    return {item, flags.at(where.empty() ? "label" : where)};
  }
  std::pair<std::string, std::string> remembered;  // the outline and the saved library
  std::vector<std::string> renameShown;            // what the Rename dialog showed each time
  std::map<std::string, TreeItem> held;
  ClipboardData copied;
  TreeState captured;
};

TEST_P(Scenario, Plays) {
  play(GetParam(), true);
}

INSTANTIATE_TEST_SUITE_P(View, Scenario, ::testing::ValuesIn(scenarioNames()),
                         [](const auto& scenario) { return scenario.param; });

}  // namespace
}  // namespace linkfold::test
