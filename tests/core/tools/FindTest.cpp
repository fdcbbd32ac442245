#include <gtest/gtest.h>

#include "core/view/ViewFixture.h"
#include "tools/Finder.h"

namespace linkfold::test {
namespace {

using enum MessageIcon;

using Labels = std::vector<std::string>;
constexpr auto kBoth = FindLookIn::NameAndUrl;
constexpr auto kName = FindLookIn::NameOnly;
constexpr auto kUrl = FindLookIn::UrlOnly;
constexpr auto kFromCurrent = FindStartAt::CurrentItem;

// A view with its Finder; find() runs Find with one scripted OK.
struct Finding : ViewTest {
  std::string find(FindSettings wanted) {
    ui.onDialog<FindDialog>([wanted](FindDialog& dialog) {
      dialog.fields = wanted;
      return true;
    });
    finder.OnFind();
    return selected();
  }
  std::string selected() const {
    const TreeItem item = view.tree().selected();
    return item == kNoItem ? "" : view.tree().label(item);
  }

  Finder finder{view};
};

// Root Folder { Linux { Tux }, News { Daily { kernel, Ärger }, Linux Weekly },
// Zed { Deep { deep } }, Cooking, LINUX journal }, every folder but the root collapsed.
struct FindBookmark : Finding {
  FindBookmark() {
    const std::uint32_t daily = folder("News\\Daily\\");
    bookmark(folder("News\\"), "Linux Weekly", "http://lwn.net/");
    bookmark(daily, "kernel", "http://www.kernel.org/linux/");
    bookmark(daily, "\xC3\x84rger", "http://anger.example/");
    bookmark(0, "Cooking", "http://food.example/");
    bookmark(0, "LINUX journal", "http://lj.example/");
    bookmark(folder("Linux\\"), "Tux", "http://tux.example/linux");
    bookmark(folder("Zed\\Deep\\"), "deep", "http://deep.example/");
    view.OnUpdate();
  }

  // The labels of every bookmark that Find from the root and then Find Next select.
  Labels matches(FindSettings wanted) {
    finder.setSettings(std::move(wanted));
    Labels labels;
    for (bool found = finder.FindFrom(view.tree().root()); found;
         found = finder.FindFrom(finder.NextTreeItem(view.tree().selected())))
      labels.push_back(selected());
    return labels;
  }
};

TEST_F(FindBookmark, EachModeTestsTheFieldsItNamesAndNeverAFolder) {
  // The command-line tests cover the plain cases; these are the ones they do not.
  EXPECT_EQ(matches({"Weekly", kUrl}), Labels{});
  EXPECT_EQ(matches({"LWN", kUrl}), Labels{});
  EXPECT_EQ(matches({"LWN", kUrl, true}), (Labels{"Linux Weekly"}));
  EXPECT_EQ(matches({"\xC3\xA4RGER", kName, true}), (Labels{"\xC3\x84rger"}));  // äRGER
  EXPECT_EQ(matches({"\xC3\xA4rger", kName}), Labels{});
  EXPECT_EQ(matches({"Daily"}), Labels{});  // only a folder's label holds it
}

TEST_F(FindBookmark, AMatchIsShownAndFindNextStopsAfterTheLast) {
  EXPECT_EQ(find({"linux"}), "Tux");
  finder.OnFindNext();
  EXPECT_EQ(selected(), "kernel");
  EXPECT_EQ(view.currentItem(), view.tree().selected());
  EXPECT_TRUE(view.tree().isExpanded(item("News")));
  EXPECT_TRUE(view.tree().isExpanded(item("News/Daily")));
  EXPECT_TRUE(ui.messages.empty());
  finder.OnFindNext();
  EXPECT_EQ(selected(), "kernel");  // no wrap-around
  EXPECT_EQ(finder.NextTreeItem(kNoItem), kNoItem);
  expectMessages(ui, {{Information, "No bookmarks found"}});
}

TEST_F(FindBookmark, StartAtChoosesTheRootOrTheSelectedItem) {
  select("LINUX journal");
  EXPECT_EQ(find({"linux", kBoth, true}), "Tux");  // from the root, whatever is selected
  select("LINUX journal");
  EXPECT_EQ(find({"linux", kBoth, true, kFromCurrent}), "LINUX journal");  // tested first
  select("News");
  EXPECT_EQ(find({"linux", kBoth, false, kFromCurrent}), "kernel");  // a folder's contents
  EXPECT_TRUE(ui.messages.empty());
  view.tree().select(kNoItem);
  EXPECT_EQ(find({"Tux", kName, false, kFromCurrent}), "");
  expectMessages(ui, {{Information, "No bookmarks found"}});
}

TEST_F(FindBookmark, TheDialogShowsTheLastSearchAndTheStoredIgnoreCase) {
  find({"Tux", kUrl, true, kFromCurrent});
  EXPECT_EQ(settings.read(setting::kIgnoreCase), 1);
  settings.write(setting::kIgnoreCase, 0);  // the stored flag wins over the remembered one
  ui.onDialog<FindDialog>([](FindDialog& dialog) {
    EXPECT_EQ(dialog.fields.text, "Tux");
    EXPECT_EQ(dialog.fields.lookIn, kUrl);
    EXPECT_FALSE(dialog.fields.ignoreCase);
    EXPECT_EQ(dialog.fields.startAt, kFromCurrent);
    dialog.fields = {"Cooking", kName, true};
    return false;  // Cancel: no search, nothing kept, nothing stored
  });
  view.tree().select(kNoItem);
  finder.OnFind();
  EXPECT_EQ(finder.settings().text, "Tux");
  EXPECT_EQ(view.tree().selected(), kNoItem);
  EXPECT_EQ(settings.read(setting::kIgnoreCase), 0);
  EXPECT_TRUE(ui.messages.empty());
}

using FindCommands = Finding;

TEST_F(FindCommands, NeedABookmarkAndARememberedTextAndOkRefusesEmptyOrOverlongTexts) {
  finder.OnFind();  // disabled without a bookmark: no dialog
  EXPECT_EQ(ui.dialogsShown, 0);
  bookmark(0, "a b", "http://one/");
  view.OnUpdate();
  EXPECT_TRUE(finder.OnUpdateFind().enabled);
  EXPECT_FALSE(finder.OnUpdateFindNext().enabled);
  finder.OnFindNext();  // disabled: no message
  std::string e64;
  for (int i = 0; i < 64; ++i) e64 += "\xC3\xA9";  // é: 64 characters, 128 bytes
  for (const std::string& text : {std::string(), e64 + "x", std::string(65, 'x'), e64})
    ui.onDialog<FindDialog>([text](FindDialog& dialog) {
      dialog.fields.text = text;
      return true;
    });
  finder.OnFind();  // refused three times and stays open; 64 characters are enough
  EXPECT_TRUE(finder.OnUpdateFindNext().enabled);
  EXPECT_EQ(find({" "}), "a b");  // not trimmed: spaces are something to search for
  EXPECT_EQ(ui.dialogsShown, 2);
  expectMessages(ui, {{Information, "empty"},
                      {Exclamation, "64"},
                      {Exclamation, "64"},
                      {Information, "No bookmarks found"}});
  doc.removeBookmark(0);
  EXPECT_FALSE(finder.OnUpdateFind().enabled);
  EXPECT_FALSE(finder.OnUpdateFindNext().enabled);
}

}  // namespace
}  // namespace linkfold::test
