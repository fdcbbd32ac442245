#include <gtest/gtest.h>

#include "core/view/ViewFixture.h"
#include "tools/Finder.h"

namespace linkfold::test {
namespace {

constexpr const char* kNoneFound = "No bookmarks found matching the specified criteria.";
constexpr const char* kTextEmpty = "Search string must not be empty!";
constexpr const char* kTextTooLong = "Please enter no more than 64 characters.";

// Scripts one OK of the Find dialog with these settings.
std::function<bool(FindDialog&)> ok(FindSettings settings) {
  return [settings](FindDialog& dialog) {
    dialog.fields = settings;
    return true;
  };
}

FindSettings search(std::string text, FindLookIn lookIn = FindLookIn::NameAndUrl,
                    bool ignoreCase = false, FindStartAt startAt = FindStartAt::RootFolder) {
  return {std::move(text), lookIn, ignoreCase, startAt};
}

// Root Folder { Linux { Tux }, News { Daily { kernel, Ärger }, Linux Weekly },
// Zed { Deep { deep } }, Cooking, LINUX journal }, every folder but the root collapsed.
struct FindBookmark : ::testing::Test, ViewFixture {
  FindBookmark() {
    const std::uint32_t daily = folder("News\\Daily\\");
    const std::uint32_t news = folder("News\\");
    const std::uint32_t penguins = folder("Linux\\");
    bookmark(news, "Linux Weekly", "http://lwn.net/");
    bookmark(daily, "kernel", "http://www.kernel.org/linux/");
    bookmark(daily, "\xC3\x84rger", "http://anger.example/");
    bookmark(0, "Cooking", "http://food.example/");
    bookmark(0, "LINUX journal", "http://lj.example/");
    bookmark(penguins, "Tux", "http://tux.example/linux");
    bookmark(folder("Zed\\Deep\\"), "deep", "http://deep.example/");
    view.OnUpdate();
  }

  // The labels of every bookmark that Find from the root and then Find Next select.
  std::vector<std::string> matches(FindSettings wanted) {
    finder.setSettings(std::move(wanted));
    std::vector<std::string> labels;
    for (bool found = finder.FindFrom(view.tree().root()); found;
         found = finder.FindFrom(finder.NextTreeItem(view.tree().selected())))
      labels.push_back(view.tree().label(view.tree().selected()));
    return labels;
  }

  Finder finder{view};
};

using Labels = std::vector<std::string>;

TEST_F(FindBookmark, EachModeTestsTheFieldsItNames) {
  EXPECT_EQ(matches(search("linux")), (Labels{"Tux", "kernel"}));  // by URL alone
  EXPECT_EQ(matches(search("Linux")), (Labels{"Linux Weekly"}));
  EXPECT_EQ(matches(search("linux", FindLookIn::NameAndUrl, true)),
            (Labels{"Tux", "kernel", "Linux Weekly", "LINUX journal"}));
  EXPECT_EQ(matches(search("Linux", FindLookIn::NameOnly)), (Labels{"Linux Weekly"}));
  EXPECT_EQ(matches(search("linux", FindLookIn::NameOnly)), Labels{});
  EXPECT_EQ(matches(search("lINUX", FindLookIn::NameOnly, true)),
            (Labels{"Linux Weekly", "LINUX journal"}));
  EXPECT_EQ(matches(search("Weekly", FindLookIn::UrlOnly)), Labels{});
  EXPECT_EQ(matches(search("LWN", FindLookIn::UrlOnly)), Labels{});
  EXPECT_EQ(matches(search("LWN", FindLookIn::UrlOnly, true)), (Labels{"Linux Weekly"}));
}

TEST_F(FindBookmark, CaseIsIgnoredBothWaysForEveryLetter) {
  const std::string upper = "\xC3\x84RGER", lower = "\xC3\xA4rger";  // ÄRGER, ärger
  EXPECT_EQ(matches(search(upper, FindLookIn::NameOnly, true)), (Labels{"\xC3\x84rger"}));
  EXPECT_EQ(matches(search(lower, FindLookIn::NameOnly, true)), (Labels{"\xC3\x84rger"}));
  EXPECT_EQ(matches(search("COOKING", FindLookIn::NameOnly, true)), (Labels{"Cooking"}));
  EXPECT_EQ(matches(search("cooking", FindLookIn::NameOnly)), Labels{});
  EXPECT_EQ(matches(search(lower, FindLookIn::NameOnly)), Labels{});
  // The library keeps its own spelling.
  EXPECT_EQ(doc.bookmark(2).name, "\xC3\x84rger");
}

TEST_F(FindBookmark, FoldersAreNeverSelected) {
  // Only the folder "News" and the folder "Linux" hold these texts in a label.
  EXPECT_EQ(matches(search("News")), Labels{});
  const TreeItem before = view.tree().selected();
  finder.setSettings(search("Daily"));
  EXPECT_FALSE(finder.FindFrom(view.tree().root()));
  EXPECT_EQ(view.tree().selected(), before);
}

TEST_F(FindBookmark, AMatchInACollapsedFolderIsShownAndBecomesTheCurrentItem) {
  const TreeItem news = item("Root Folder/News"), daily = item("Root Folder/News/Daily");
  ASSERT_FALSE(view.tree().isExpanded(news));
  ui.onDialog<FindDialog>(ok(search("kernel")));
  finder.OnFind();
  EXPECT_EQ(view.tree().selected(), item("Root Folder/News/Daily/kernel"));
  EXPECT_EQ(view.currentItem(), view.tree().selected());
  EXPECT_TRUE(view.tree().isExpanded(news));
  EXPECT_TRUE(view.tree().isExpanded(daily));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FindBookmark, FindNextAfterTheLastMatchSaysSoAndKeepsTheSelection) {
  ui.onDialog<FindDialog>(ok(search("linux", FindLookIn::NameOnly, true)));
  finder.OnFind();
  EXPECT_EQ(view.tree().selected(), item("Root Folder/News/Linux Weekly"));
  finder.OnFindNext();
  EXPECT_EQ(view.tree().selected(), item("Root Folder/LINUX journal"));
  EXPECT_TRUE(ui.messages.empty());
  finder.OnFindNext();
  EXPECT_EQ(view.tree().selected(), item("Root Folder/LINUX journal"));  // no wrap-around
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_MESSAGE(ui, 0, kNoneFound, Information);
}

TEST_F(FindBookmark, RootFolderSearchesFromTheTopWhateverIsSelected) {
  view.tree().select(item("Root Folder/LINUX journal"));
  ui.onDialog<FindDialog>(ok(search("linux", FindLookIn::NameAndUrl, true)));
  finder.OnFind();
  EXPECT_EQ(view.tree().selected(), item("Root Folder/Linux/Tux"));
}

TEST_F(FindBookmark, CurrentItemTestsTheSelectedItemFirst) {
  const TreeItem journal = item("Root Folder/LINUX journal");
  view.tree().select(journal);
  ui.onDialog<FindDialog>(
      ok(search("linux", FindLookIn::NameAndUrl, true, FindStartAt::CurrentItem)));
  finder.OnFind();
  EXPECT_EQ(view.tree().selected(), journal);  // selected again
  EXPECT_TRUE(ui.messages.empty());

  // From a folder, the search runs through its contents.
  view.tree().select(item("Root Folder/News"));
  ui.onDialog<FindDialog>(
      ok(search("linux", FindLookIn::NameAndUrl, false, FindStartAt::CurrentItem)));
  finder.OnFind();
  EXPECT_EQ(view.tree().selected(), item("Root Folder/News/Daily/kernel"));
}

TEST_F(FindBookmark, CurrentItemWithNothingSelectedFindsNothing) {
  view.tree().select(kNoItem);
  ui.onDialog<FindDialog>(ok(search("Tux", FindLookIn::NameOnly, false, FindStartAt::CurrentItem)));
  finder.OnFind();
  EXPECT_EQ(view.tree().selected(), kNoItem);
  EXPECT_MESSAGE(ui, 0, kNoneFound, Information);
}

TEST_F(FindBookmark, NextTreeItemWalksInPreOrderThroughCollapsedFolders) {
  std::vector<std::string> walk;
  for (TreeItem i = view.tree().root(); i != kNoItem; i = finder.NextTreeItem(i))
    walk.push_back(view.tree().label(i));
  EXPECT_EQ(walk, (Labels{"Root Folder", "Linux", "Tux", "News", "Daily", "kernel", "\xC3\x84rger",
                          "Linux Weekly", "Zed", "Deep", "deep", "Cooking", "LINUX journal"}));
  EXPECT_EQ(finder.NextTreeItem(kNoItem), kNoItem);
}

TEST_F(FindBookmark, TheDialogShowsTheLastSearchAndTheStoredIgnoreCase) {
  ui.onDialog<FindDialog>([](FindDialog& dialog) {
    EXPECT_EQ(dialog.fields.text, "");
    EXPECT_EQ(dialog.fields.lookIn, FindLookIn::NameAndUrl);
    EXPECT_FALSE(dialog.fields.ignoreCase);
    EXPECT_EQ(dialog.fields.startAt, FindStartAt::RootFolder);
    dialog.fields = search("Tux", FindLookIn::UrlOnly, true, FindStartAt::CurrentItem);
    return true;
  });
  finder.OnFind();
  EXPECT_EQ(settings.read(setting::kIgnoreCase), 1);

  // The stored flag wins over the one the view remembers.
  settings.write(setting::kIgnoreCase, 0);
  ui.onDialog<FindDialog>([](FindDialog& dialog) {
    EXPECT_EQ(dialog.fields.text, "Tux");
    EXPECT_EQ(dialog.fields.lookIn, FindLookIn::UrlOnly);
    EXPECT_FALSE(dialog.fields.ignoreCase);
    EXPECT_EQ(dialog.fields.startAt, FindStartAt::CurrentItem);
    dialog.fields = search("Cooking", FindLookIn::NameOnly, true);
    return false;  // Cancel: no search, nothing kept, nothing stored
  });
  const TreeItem before = view.tree().selected();
  finder.OnFind();
  EXPECT_EQ(finder.settings().text, "Tux");
  EXPECT_EQ(view.tree().selected(), before);
  EXPECT_EQ(settings.read(setting::kIgnoreCase), 0);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FindBookmark, OkRefusesAnEmptyOrOverlongTextAndStaysOpen) {
  const auto type = [](std::string text) {
    return [text](FindDialog& dialog) {
      dialog.fields.text = text;
      return true;
    };
  };
  std::string e65;
  for (int i = 0; i < 65; ++i) e65 += "\xC3\xA9";  // é: 65 characters, 130 bytes
  ui.onDialog<FindDialog>(type(""));
  ui.onDialog<FindDialog>(type(e65));
  ui.onDialog<FindDialog>(type(std::string(65, 'x')));
  ui.onDialog<FindDialog>(type(e65.substr(2)));  // 64 characters are enough
  finder.OnFind();
  EXPECT_EQ(ui.dialogsShown, 1);
  EXPECT_MESSAGE(ui, 0, kTextEmpty, Information);
  EXPECT_MESSAGE(ui, 1, kTextTooLong, Exclamation);
  EXPECT_MESSAGE(ui, 2, kTextTooLong, Exclamation);
  EXPECT_MESSAGE(ui, 3, kNoneFound, Information);
  EXPECT_EQ(ui.messages.size(), 4u);
  EXPECT_EQ(finder.settings().text, e65.substr(2));
}

TEST_F(FindBookmark, ATextOfSpacesIsNotTrimmed) {
  ui.onDialog<FindDialog>(ok(search(" ", FindLookIn::NameOnly)));
  finder.OnFind();
  EXPECT_EQ(view.tree().selected(), item("Root Folder/News/Linux Weekly"));
  EXPECT_EQ(finder.settings().text, " ");
}

TEST(FindCommands, AreEnabledByBookmarksAndARememberedText) {
  ViewFixture fixture;
  Finder finder(fixture.view);
  fixture.view.OnUpdate();
  EXPECT_FALSE(finder.OnUpdateFind().enabled);
  EXPECT_FALSE(finder.OnUpdateFindNext().enabled);
  finder.OnFind();  // disabled: no dialog
  finder.OnFindNext();
  EXPECT_EQ(fixture.ui.dialogsShown, 0);
  EXPECT_TRUE(fixture.ui.messages.empty());

  fixture.bookmark(0, "one", "http://one/");
  fixture.view.OnUpdate();
  EXPECT_TRUE(finder.OnUpdateFind().enabled);
  EXPECT_FALSE(finder.OnUpdateFindNext().enabled);
  fixture.ui.onDialog<FindDialog>(ok(search("one")));
  finder.OnFind();
  EXPECT_TRUE(finder.OnUpdateFindNext().enabled);

  fixture.doc.removeBookmark(0);
  EXPECT_FALSE(finder.OnUpdateFind().enabled);
  EXPECT_FALSE(finder.OnUpdateFindNext().enabled);
}

}  // namespace
}  // namespace linkfold::test
