#include <gtest/gtest.h>

#include <set>

#include "app/HelpTopics.h"
#include "app/MainMenu.h"
#include "app/MainWindowLayout.h"
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

TEST(MainMenu, ToolbarButtonsHaveTooltipsAndRecentFilesShareOnePrompt) {
  for (const auto& button : toolbarButtons())
    EXPECT_EQ(toolTip(button.command).empty(), button.command == kCmdSeparator) << button.command;
  EXPECT_EQ(toolTip(kCmdRename), "");  // a prompt without a second line
  EXPECT_EQ(statusPrompt(kCmdRecentFile1 + 3), statusPrompt(kCmdRecentFile1));
}

TEST(HelpTopics, EachTopicLeadsToItsPageAndAnyOtherToTheContents) {
  const struct {
    std::uint32_t topic;
    const char* page;
  } cases[] = {{0x20000 + 141, "profile.html"},
               {0x30000 + 148, "damaged-library.html"},
               {0x20000 + 999, "contents.html"},
               {0x10000 + kCmdRename, "contents.html"}};
  for (const auto& c : cases) EXPECT_EQ(helpPageFor(c.topic), c.page) << c.topic;
}

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
