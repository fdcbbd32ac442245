#include <gtest/gtest.h>

#include "core/library/LibraryFixture.h"
#include "tools/OptionDialogs.h"

namespace linkfold::test {
namespace {

constexpr const char* kNotAnInteger = "Please enter an integer.";
constexpr const char* kOutOfRange = "Please enter an integer between 0 and 100.";
constexpr const char* kReplaceCharNote =
    "For this change to take effect, you must either close\nand re-start Linkfold, or use the "
    "File | New command\nto discard the current library and re-import your bookmarks.";

// Scripts one OK with the typed text.
std::function<bool(ScrollRateDialog&)> type(std::string typed) {
  return [typed](ScrollRateDialog& dialog) {
    dialog.text = typed;
    return true;
  };
}

struct ScrollingSpeed : ::testing::Test {
  FakeUi ui;
  InMemorySettings settings;
  int scrollDelay = 0;
};

TEST_F(ScrollingSpeed, ShowsTheRateAsOneHundredMinusTheDelay) {
  scrollDelay = 30;
  ui.onDialog<ScrollRateDialog>([](ScrollRateDialog& dialog) {
    EXPECT_EQ(dialog.text, "70");
    return false;
  });
  runScrollingSpeed(ui, settings, scrollDelay);
  EXPECT_EQ(scrollDelay, 30);
  EXPECT_EQ(settings.writeCount(), 0);  // Cancel changes nothing
}

TEST_F(ScrollingSpeed, OkStoresOneHundredMinusTheRateAtOnce) {
  const struct {
    const char* typed;
    int delay;
  } cases[] = {{"100", 0}, {"0", 100}, {" +25\t", 75}, {"-0", 100}};
  for (const auto& c : cases) {
    scrollDelay = 50;
    ui.onDialog<ScrollRateDialog>(type(c.typed));
    runScrollingSpeed(ui, settings, scrollDelay);
    EXPECT_EQ(scrollDelay, c.delay) << c.typed;
    EXPECT_EQ(settings.read(setting::kScrollRate), c.delay) << c.typed;
  }
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ScrollingSpeed, InvalidEntriesAreRefusedAndTheDialogStaysOpen) {
  for (const char* typed : {"101", "-1", "abc", "", "12a", "1 2", "0x10", "+", "99999999999",
                            "-123456789012345678901234567890"})
    ui.onDialog<ScrollRateDialog>(type(typed));
  ui.onDialog<ScrollRateDialog>(type("40"));
  runScrollingSpeed(ui, settings, scrollDelay);
  EXPECT_EQ(ui.dialogsShown, 1);
  EXPECT_EQ(scrollDelay, 60);
  const std::vector<std::string> expected{
      kOutOfRange,   kOutOfRange,   kNotAnInteger, kNotAnInteger, kNotAnInteger,
      kNotAnInteger, kNotAnInteger, kNotAnInteger, kOutOfRange,   kOutOfRange};
  EXPECT_EQ(ui.messageTexts(), expected);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_MESSAGE(ui, i, expected[i], Exclamation);
  }
}

TEST_F(ScrollingSpeed, CancelAfterARefusedEntryChangesNothing) {
  scrollDelay = 20;
  ui.onDialog<ScrollRateDialog>(type("250"));
  ui.onDialog<ScrollRateDialog>([](ScrollRateDialog&) { return false; });
  runScrollingSpeed(ui, settings, scrollDelay);
  EXPECT_EQ(scrollDelay, 20);
  EXPECT_FALSE(settings.contains(setting::kScrollRate.name));
  EXPECT_MESSAGE(ui, 0, kOutOfRange, Exclamation);
}

TEST_F(ScrollingSpeed, HelpOpensTheDialogsTopic) {
  ScrollRateDialog(0).help(ui);
  EXPECT_EQ(ui.helpTopics, std::vector<std::uint32_t>{0x2008C});
}

TEST(ReplaceCharList, PrefixSearchStartsAfterTheGivenEntryAndWrapsRound) {
  const std::string_view entries[] = {"Alpha", "beta", "ALPS", "a"};
  EXPECT_EQ(findEntryStartingWith(entries, "al", 0), 2u);  // entry 0 is tried last
  EXPECT_EQ(findEntryStartingWith(entries, "AL", 2), 0u);
  EXPECT_EQ(findEntryStartingWith(entries, "alpha", 0), 0u);
  EXPECT_EQ(findEntryStartingWith(entries, "B", 0), 1u);
  EXPECT_EQ(findEntryStartingWith(entries, "alphabet", 0), std::nullopt);
  EXPECT_EQ(findEntryStartingWith(entries, "z", 0), std::nullopt);
}

TEST(ReplaceCharList, OpensOnTheEntryOfTheCurrentCharacterOrTheFirst) {
  const char characters[] = {'$', '-', '_', '~', ' '};
  for (std::size_t i = 0; i < std::size(characters); ++i)
    EXPECT_EQ(ReplaceCharDialog(characters[i]).selection, i) << characters[i];
  EXPECT_EQ(ReplaceCharDialog('#').selection, 0u);
  EXPECT_EQ(ReplaceCharDialog('\0').selection, 0u);
  EXPECT_EQ(ReplaceCharDialog('#').character, '#');  // until OK
}

struct ReplacementCharacter : ::testing::Test, LibraryFixture {
  void choose(std::size_t entry) {
    ui.onDialog<ReplaceCharDialog>([entry](ReplaceCharDialog& dialog) {
      dialog.selection = entry;
      return true;
    });
  }
};

TEST_F(ReplacementCharacter, ANewChoiceIsStoredAndExplainedOnce) {
  EXPECT_EQ(doc.replacementChar(), '$');
  choose(3);  // "~ (tilde)"
  runReplacementCharacter(doc);
  EXPECT_EQ(doc.replacementChar(), '~');
  EXPECT_EQ(settings.read(setting::kReplaceChar), 126);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_MESSAGE(ui, 0, kReplaceCharNote, None);
  EXPECT_EQ(ui.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(ui.messages[0].caption, "Linkfold");

  // Opened again it selects the tilde; OK without a change shows and writes nothing.
  const int writes = settings.writeCount();
  ui.onDialog<ReplaceCharDialog>([](ReplaceCharDialog& dialog) {
    EXPECT_EQ(dialog.selection, 3u);
    return true;
  });
  runReplacementCharacter(doc);
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(settings.writeCount(), writes);
}

TEST_F(ReplacementCharacter, SpaceIsStoredAs32) {
  choose(4);
  runReplacementCharacter(doc);
  EXPECT_EQ(doc.replacementChar(), ' ');
  EXPECT_EQ(settings.read(setting::kReplaceChar), 32);
  EXPECT_MESSAGE(ui, 0, kReplaceCharNote, None);
}

TEST_F(ReplacementCharacter, CancelChangesNothing) {
  ui.onDialog<ReplaceCharDialog>([](ReplaceCharDialog& dialog) {
    dialog.selection = 2;
    return false;
  });
  runReplacementCharacter(doc);
  EXPECT_EQ(doc.replacementChar(), '$');
  EXPECT_FALSE(settings.contains(setting::kReplaceChar.name));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ReplacementCharacter, ACharacterOutsideTheListIsReplacedByTheFirstEntryOnOk) {
  doc.setReplacementChar('#');
  ui.onDialog<ReplaceCharDialog>([](ReplaceCharDialog&) { return true; });
  runReplacementCharacter(doc);
  EXPECT_EQ(doc.replacementChar(), '$');
  EXPECT_EQ(settings.read(setting::kReplaceChar), 36);
  EXPECT_MESSAGE(ui, 0, kReplaceCharNote, None);
}

}  // namespace
}  // namespace linkfold::test
