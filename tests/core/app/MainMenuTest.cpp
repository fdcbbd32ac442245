#include <gtest/gtest.h>

#include <set>

#include "app/HelpTopics.h"
#include "app/MainWindowLayout.h"
#include "app/MainMenu.h"
#include "app/RecentFileList.h"

namespace linkfold {
namespace {

TEST(MainMenu, EveryItemHasAPromptAndEveryKeyAnItem) {
  std::set<std::uint32_t> items;
  for (const auto& menu : mainMenus())
    for (const auto& item : menu.items)
      if (item.id != kCmdSeparator) {
        EXPECT_TRUE(items.insert(item.id).second) << "twice: " << item.text;
        EXPECT_FALSE(statusPrompt(item.id).empty()) << item.text;
      }
  for (const auto& key : accelerators())
    EXPECT_TRUE(items.count(key.command) || key.command == kCmdHelp ||
                key.command == kCmdContextHelp)
        << key.command;
}

TEST(MainMenu, ToolbarTooltipsAndPrompts) {
  const struct {
    std::uint32_t command;
    const char* tip;
  } expected[] = {{kCmdFileNew, "New"},
                  {kCmdFileOpen, "Open"},
                  {kCmdOpenExclusive, "Open Exclusive"},
                  {kCmdFileSave, "Save"},
                  {kCmdFileSaveAs, "Save As"},
                  {kCmdSeparator, ""},
                  {kCmdUndo, "Undo"},
                  {kCmdRedo, "Redo"},
                  {kCmdSeparator, ""},
                  {kCmdConfirmFolderDelete, "Confirm folder delete"},
                  {kCmdConfirmBookmarkDelete, "Confirm bookmark delete"},
                  {kCmdSeparator, ""},
                  {kCmdAppAbout, "About"},
                  {kCmdContextHelp, "Help"}};
  const auto buttons = toolbarButtons();
  ASSERT_EQ(buttons.size(), std::size(expected));
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    EXPECT_EQ(buttons[i].command, expected[i].command) << i;
    EXPECT_EQ(toolTip(buttons[i].command), expected[i].tip) << i;
  }
  EXPECT_EQ(statusPrompt(kCmdConfirmBookmarkDelete),
            "Enable or disable confirmation prompt before deleting a bookmark");
  EXPECT_EQ(statusPrompt(kCmdFileOpen),
            "Opens an existing Library and combines it with your current bookmarks");
  EXPECT_EQ(statusPrompt(kCmdRecentFile1 + 3), "Open this document");
  EXPECT_EQ(toolTip(kCmdRename), "");
}

TEST(HelpTopics, EachTopicLeadsToItsPage) {
  const struct {
    std::uint32_t topic;
    const char* page;
  } cases[] = {{0x5800, "introduction.html"},
               {kHelpTopicContents, "contents.html"},
               {0x20000 + 141, "profile.html"},
               {0x20000 + 140, "scroll-rate.html"},
               {0x20000 + 128, "main-window.html"},
               {0x30000 + 148, "damaged-library.html"},
               {0x20000 + 999, "contents.html"},
               {0x10000 + kCmdRename, "contents.html"}};
  for (const auto& c : cases) EXPECT_EQ(helpPageFor(c.topic), c.page) << c.topic;
}

}  // namespace
}  // namespace linkfold

namespace linkfold {
namespace {

TEST(MainWindowLayout, FirstStartTakesTwoThirdsCentredNeverBelowTheMinimum) {
  const struct {
    Rect work, expected;
  } cases[] = {
      {{0, 0, 1920, 1080}, {320, 180, 1600, 900}},
      {{0, 40, 1280, 1024}, {213, 204, 1066, 860}},
      {{-1920, 0, 0, 1200}, {-1600, 200, -320, 1000}},
      {{0, 0, 320, 240}, {10, 20, 310, 220}},
      {{0, 0, 200, 100}, {0, 0, 300, 200}},  // a work area under the minimum
  };
  for (const auto& c : cases) EXPECT_EQ(firstStartRect(c.work), c.expected);
}

}  // namespace
}  // namespace linkfold
