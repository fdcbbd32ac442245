#include <gtest/gtest.h>

#include <utility>

#include "core/library/LibraryFixture.h"
#include "tools/OptionDialogs.h"

namespace linkfold::test {
namespace {

using enum MessageIcon;
constexpr const char* kNotAnInteger = "an integer.";
constexpr const char* kOutOfRange = "between 0 and 100";

struct Options : ::testing::Test, LibraryFixture {
  // Scripts one press of OK (or Cancel) after typing a rate.
  void type(std::string typed, bool ok = true) {
    ui.onDialog<ScrollRateDialog>([this, typed, ok](ScrollRateDialog& dialog) {
      rateShown.push_back(std::exchange(dialog.text, typed));
      return ok;
    });
  }
  // Runs Replacement Character choosing an entry; returns the entry it opened on.
  std::size_t choose(std::size_t entry, bool ok = true) {
    std::size_t openedOn = 99;
    ui.onDialog<ReplaceCharDialog>([&openedOn, entry, ok](ReplaceCharDialog& dialog) {
      openedOn = dialog.selection;
      dialog.selection = entry;
      return ok;
    });
    runReplacementCharacter(doc);
    return openedOn;
  }
  int scrollDelay = 30;
  std::vector<std::string> rateShown;  // what the rate's edit showed before each step
};

TEST_F(Options, ScrollingSpeedStoresOneHundredMinusTheRateAtOnce) {
  for (const auto& [typed, delay] :
       {std::pair{"100", 0}, {"0", 100}, {" +25\t", 75}, {"-0", 100}}) {
    type(typed);
    runScrollingSpeed(ui, settings, scrollDelay);
    EXPECT_EQ(scrollDelay, delay) << typed;
    EXPECT_EQ(settings.read(setting::kScrollRate), delay) << typed;
  }
  EXPECT_EQ(rateShown, (std::vector<std::string>{"70", "100", "0", "25"}));  // 100 minus the delay
  EXPECT_TRUE(ui.messages.empty());
  ScrollRateDialog(0).help(ui);
  EXPECT_EQ(ui.helpTopics, std::vector<std::uint32_t>{0x2008C});
}

TEST_F(Options, ScrollingSpeedRefusesAnythingButAnIntegerFrom0To100) {
  const std::pair<const char*, const char*> refused[] = {
      {"101", kOutOfRange},         {"-1", kOutOfRange},
      {"abc", kNotAnInteger},       {"", kNotAnInteger},
      {"12a", kNotAnInteger},       {"1 2", kNotAnInteger},
      {"0x10", kNotAnInteger},      {"+", kNotAnInteger},
      {"99999999999", kOutOfRange}, {"-123456789012345678901234567890", kOutOfRange}};
  for (const auto& entry : refused) type(entry.first);
  type("50", false);  // Cancel after the refusals changes nothing
  runScrollingSpeed(ui, settings, scrollDelay);
  EXPECT_EQ(ui.dialogsShown, 1);
  EXPECT_EQ(scrollDelay, 30);
  EXPECT_EQ(settings.writeCount(), 0);
  ShownMessages expected;
  for (const auto& [typed, word] : refused) expected.emplace_back(Exclamation, word);
  expectMessages(ui, expected);
}

TEST(ReplaceCharList, PrefixSearchWrapsRoundAndOpensOnTheCurrentCharacter) {
  const std::string_view entries[] = {"Alpha", "beta", "ALPS", "a"};
  EXPECT_EQ(findEntryStartingWith(entries, "al", 0), 2u);  // entry 0 is tried last
  EXPECT_EQ(findEntryStartingWith(entries, "AL", 2), 0u);
  EXPECT_EQ(findEntryStartingWith(entries, "alpha", 0), 0u);
  EXPECT_EQ(findEntryStartingWith(entries, "alphabet", 0), std::nullopt);
  const char characters[] = {'$', '-', '_', '~', ' ', '#', '\0'};
  for (std::size_t i = 0; i < std::size(characters); ++i)
    EXPECT_EQ(ReplaceCharDialog(characters[i]).selection, i < 5 ? i : 0) << characters[i];
}

TEST_F(Options, ANewReplacementCharacterIsStoredAndExplained) {
  doc.setReplacementChar('#');  // outside the list: OK takes the first entry
  for (const auto& [entry, character] :
       {std::pair<std::size_t, char>{0, '$'}, {3, '~'}, {4, ' '}}) {
    choose(entry);
    EXPECT_EQ(doc.replacementChar(), character);
    EXPECT_EQ(settings.read(setting::kReplaceChar), character);
  }
  expectMessages(ui, ShownMessages(3, {None, "re-start"}));
  // The same character again, or Cancel, shows and writes nothing.
  const int writes = settings.writeCount();
  EXPECT_EQ(choose(4), 4u);
  choose(2, false);
  EXPECT_EQ(doc.replacementChar(), ' ');
  EXPECT_EQ(ui.messages.size(), 3u);
  EXPECT_EQ(settings.writeCount(), writes);
}

}  // namespace
}  // namespace linkfold::test
