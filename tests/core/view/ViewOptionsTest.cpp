#include <gtest/gtest.h>

#include "core/view/ViewFixture.h"
#include "view/ViewOptions.h"

namespace linkfold {
namespace {

TEST(ViewOptions, FirstRunDefaultsWriteNothingAndStoredFlagsCountWhenNonZero) {
  InMemorySettings settings;
  const ViewOptions defaults = ViewOptions::read(settings);
  EXPECT_EQ(settings.writeCount(), 0);
  settings.write(setting::kConfirmBookmarkDel, 0);
  settings.write(setting::kFollow, 5);
  const ViewOptions stored = ViewOptions::read(settings);
  for (const auto& [options, expected] : {std::pair{defaults, "1100"}, {stored, "0110"}}) {
    const std::string flags{char('0' + options.confirmBookmarkDelete),
                            char('0' + options.confirmFolderDelete), char('0' + options.follow),
                            char('0' + options.scrollDelay)};
    EXPECT_EQ(flags, expected);
  }
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

TEST(ViewOptions, EachToggleFlipsItsOwnFlagAndCheckMarkFollowsIt) {
  ViewOptions options;
  options.toggle(ViewToggle::Follow);
  options.toggle(ViewToggle::ConfirmFolderDelete);
  EXPECT_TRUE(options.follow && options.isChecked(ViewToggle::Follow));
  EXPECT_FALSE(options.confirmFolderDelete || options.isChecked(ViewToggle::ConfirmFolderDelete));
  EXPECT_TRUE(options.confirmBookmarkDelete &&
              options.isChecked(ViewToggle::ConfirmBookmarkDelete));
  options.toggle(ViewToggle::ConfirmBookmarkDelete);
  EXPECT_FALSE(options.confirmBookmarkDelete);
}

// The view writes its three flags, and only those, when it ends.
TEST(ViewOptions, TheThreeFlagsAreWrittenWhenTheViewEnds) {
  test::FakeUi ui;
  InMemorySettings settings;
  CLFDoc doc(ui, settings, std::string());
  {
    CLFView view(doc, ui, settings);
    view.options().toggle(ViewToggle::ConfirmBookmarkDelete);
    view.options().toggle(ViewToggle::Follow);
    view.options().scrollDelay = 70;
    EXPECT_EQ(settings.writeCount(), 0);
  }
  EXPECT_EQ(settings.read(setting::kConfirmBookmarkDel), 0);
  EXPECT_EQ(settings.read(setting::kConfirmFolderDel), 1);
  EXPECT_EQ(settings.read(setting::kFollow), 1);
  EXPECT_FALSE(settings.contains(setting::kScrollRate.name));  // written by its own command
  EXPECT_EQ(settings.writeCount(), 3);
}

}  // namespace
}  // namespace linkfold
