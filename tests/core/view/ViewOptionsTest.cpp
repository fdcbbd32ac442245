#include <gtest/gtest.h>

#include "platform/Settings.h"
#include "view/ViewOptions.h"

namespace linkfold {
namespace {

TEST(ViewOptions, FirstRunDefaultsWriteNothing) {
  InMemorySettings settings;
  const ViewOptions options = ViewOptions::read(settings);
  EXPECT_TRUE(options.confirmBookmarkDelete);
  EXPECT_TRUE(options.confirmFolderDelete);
  EXPECT_FALSE(options.follow);
  EXPECT_EQ(options.scrollDelay, 0);
  EXPECT_EQ(settings.writeCount(), 0);
}

TEST(ViewOptions, ReadsStoredFlagsAsNonZero) {
  InMemorySettings settings;
  settings.write(setting::kConfirmBookmarkDel, 0);
  settings.write(setting::kConfirmFolderDel, 0);
  settings.write(setting::kFollow, 5);
  settings.write(setting::kScrollRate, 40);
  const ViewOptions options = ViewOptions::read(settings);
  EXPECT_FALSE(options.confirmBookmarkDelete);
  EXPECT_FALSE(options.confirmFolderDelete);
  EXPECT_TRUE(options.follow);
  EXPECT_EQ(options.scrollDelay, 40);
}

TEST(ViewOptions, ScrollDelayOutOfRangeIsCorrectedAndWrittenBackAtOnce) {
  const struct {
    int stored, expected;
    bool writtenBack;
  } cases[] = {{250, 100, true}, {-5, 0, true}, {100, 100, false}, {0, 0, false}};
  for (const auto& c : cases) {
    InMemorySettings settings;
    settings.write(setting::kScrollRate, c.stored);
    const int writesBefore = settings.writeCount();
    EXPECT_EQ(ViewOptions::read(settings).scrollDelay, c.expected) << c.stored;
    EXPECT_EQ(settings.writeCount() - writesBefore, c.writtenBack ? 1 : 0) << c.stored;
    EXPECT_EQ(settings.read(setting::kScrollRate), c.expected) << c.stored;
  }
}

TEST(ViewOptions, WriteFlagsWritesTheThreeFlagsButNotTheScrollDelay) {
  InMemorySettings settings;
  const ViewOptions options{false, true, true, 70};
  options.writeFlags(settings);
  EXPECT_EQ(settings.read(setting::kConfirmBookmarkDel), 0);
  EXPECT_EQ(settings.read(setting::kConfirmFolderDel), 1);
  EXPECT_EQ(settings.read(setting::kFollow), 1);
  EXPECT_FALSE(settings.contains(setting::kScrollRate.name));
  EXPECT_EQ(settings.writeCount(), 3);
}

TEST(ViewOptions, EachToggleFlipsItsOwnFlagAndCheckMarkFollowsIt) {
  ViewOptions options;
  options.toggle(ViewToggle::Follow);
  EXPECT_TRUE(options.follow);
  EXPECT_TRUE(options.isChecked(ViewToggle::Follow));
  options.toggle(ViewToggle::ConfirmFolderDelete);
  EXPECT_FALSE(options.confirmFolderDelete);
  EXPECT_FALSE(options.isChecked(ViewToggle::ConfirmFolderDelete));
  EXPECT_TRUE(options.isChecked(ViewToggle::ConfirmBookmarkDelete));
  options.toggle(ViewToggle::ConfirmBookmarkDelete);
  options.toggle(ViewToggle::ConfirmBookmarkDelete);
  EXPECT_TRUE(options.confirmBookmarkDelete);
  EXPECT_TRUE(options.follow);
}

}  // namespace
}  // namespace linkfold
