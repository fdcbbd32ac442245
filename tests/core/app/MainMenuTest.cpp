// The main window's tables and small rules: menus, help pages, the first placement, the
// recent-file list and the lock-key indicators.
#include <gtest/gtest.h>

#include <set>

#include "app/HelpTopics.h"
#include "app/LockIndicators.h"
#include "app/MainMenu.h"
#include "app/MainWindowLayout.h"
#include "app/RecentFileList.h"
#include "support/CaseFile.h"

namespace linkfold {
namespace {

TEST(MainMenu, EveryItemHasAPromptEveryKeyAnItemEveryButtonATooltip) {
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
  for (const auto& button : toolbarButtons())
    EXPECT_EQ(toolTip(button.command).empty(), button.command == kCmdSeparator) << button.command;
  EXPECT_EQ(toolTip(kCmdRename), "");  // a prompt without a second line
  EXPECT_EQ(statusPrompt(kCmdRecentFile1 + 3), statusPrompt(kCmdRecentFile1));
}

TEST(HelpTopics, EachTopicLeadsToItsPageAndAnyOtherToTheContents) {
  EXPECT_EQ(helpPageFor(0x30000 + 148), "damaged-library.html");
  EXPECT_EQ(helpPageFor(0x20000 + 999), "contents.html");
}

TEST(MainWindowLayout, FirstStartTakesTwoThirdsCentredNeverBelowTheMinimum) {
  const std::pair<Rect, Rect> cases[] = {
      {{0, 0, 1920, 1080}, {320, 180, 1600, 900}},
      {{0, 40, 1280, 1024}, {213, 204, 1066, 860}},
      {{-1920, 0, 0, 1200}, {-1600, 200, -320, 1000}},
      {{0, 0, 320, 240}, {10, 20, 310, 220}},
      {{0, 0, 200, 100}, {0, 0, 300, 200}},  // a work area under the minimum
  };
  for (const auto& [work, expected] : cases) EXPECT_EQ(firstStartRect(work), expected);
}

TEST(RecentFileList, KeepsFourNewestFirstWithoutRepeats) {
  using Paths = std::vector<std::string>;
  RecentFileList list;
  list.load({"/a.bml", "", "/b.bml", "/a.bml", "/c.bml", "/d.bml", "/e.bml"});
  EXPECT_EQ(list.entries(), (Paths{"/a.bml", "/b.bml", "/c.bml", "/d.bml"}));
  list.add("/c.bml");
  EXPECT_EQ(list.entries(), (Paths{"/c.bml", "/a.bml", "/b.bml", "/d.bml"}));
  list.add("/new.bml");
  EXPECT_EQ(list.entries(), (Paths{"/new.bml", "/c.bml", "/a.bml", "/b.bml"}));
  list.add("");
  list.remove(1);
  list.remove(9);
  EXPECT_EQ(list.entries(), (Paths{"/new.bml", "/a.bml", "/b.bml"}));
  EXPECT_EQ(list.entryFor(kCmdRecentFile1 + 2), "/b.bml");
  EXPECT_EQ(list.entryFor(kCmdRecentFile1 + 3), std::nullopt);
  EXPECT_EQ(list.entryFor(kCmdRecentFile1 - 1), std::nullopt);
  EXPECT_EQ(RecentFileList::valueName(3), "File4");
}

TEST(RecentFileList, MenuShowsNumberedShortNamesOrThePlaceholder) {
  RecentFileList list;
  EXPECT_EQ(list.menuEntries("/home/a"),
            (std::vector<MenuEntry>{{kCmdRecentFile1, "Recent File"}}));
  list.load({"/home/a/R&D.bml", "/home/a/libraries/2026/long-library-name.bml"});
  EXPECT_EQ(list.menuEntries("/home/a"),
            (std::vector<MenuEntry>{{kCmdRecentFile1, "&1 R&&D.bml"},
                                    {kCmdRecentFile1 + 1, "&2 /.../long-library-name.bml"}}));
  for (const test::TestCase& c : test::readCases("recent-file-abbreviation-cases.txt"))
    EXPECT_EQ(RecentFileList::abbreviate(c["path"], 30), c["shown"]) << c.what;
}

TEST(LockIndicators, StatesFromTheModifierMaskWhereThePlatformSendsOne) {
  for (const char* platform : {"xcb", "wayland"}) EXPECT_TRUE(lockStatesKnown(platform));
  for (const char* platform : {"offscreen", "minimal", "eglfs", "vnc", ""})
    EXPECT_FALSE(lockStatesKnown(platform)) << platform;
  constexpr std::uint32_t caps = 1u << 1, num = 1u << 4;
  const struct {
    LockKey lock;
    std::uint32_t mask;
    bool isLockKey, before, after;
  } cases[] = {
      {LockKey::Caps, caps, false, false, true},  // the mask wins over what was shown
      {LockKey::Caps, num, false, true, false},
      {LockKey::Caps, caps, true, true, false},  // its own key turns the sent state over
      {LockKey::Num, num | caps, false, false, true},
      {LockKey::Num, 0, true, false, true},
      {LockKey::Scroll, caps | num, false, false, false},  // no bit: follows its key
      {LockKey::Scroll, 0, true, false, true},
      {LockKey::Scroll, 0, false, true, true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(lockStateAfterKey(c.lock, c.mask, c.isLockKey, c.before), c.after)
        << static_cast<int>(c.lock) << ' ' << c.mask;
}

}  // namespace
}  // namespace linkfold
