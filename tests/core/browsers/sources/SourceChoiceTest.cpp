#include <gtest/gtest.h>

#include "browsers/sources/SourceChoice.h"
#include "platform/Settings.h"

namespace linkfold {
namespace {

BrowserSource source(const std::string& id, bool startsTicked) {
  BrowserSource s;
  s.id = id;
  s.startsTicked = startsTicked;
  return s;
}

std::string chosenIds(const BrowserSources& sources) {
  std::string ids;
  for (const auto& s : sources)
    if (s.chosen) ids += s.id + ";";
  return ids;
}

TEST(SourceChoice, RoundTripKeepsTheChoiceAndSourcesNotFoundNow) {
  InMemorySettings settings;
  BrowserSources first{source("a", true), source("b", false),
                       source("odd%0A\n\xFF\xC3\xA9id", false)};
  EXPECT_TRUE(applyStoredChoice(first, settings));
  EXPECT_EQ(chosenIds(first), "a;");  // first seen: as ticked
  first[0].chosen = false;
  first[2].chosen = true;
  storeChoice(first, settings);

  // "b" is gone for now; "c" is new; the defaults no longer decide for "a".
  BrowserSources second{source("a", true), source("odd%0A\n\xFF\xC3\xA9id", false),
                        source("c", true)};
  EXPECT_TRUE(applyStoredChoice(second, settings));
  EXPECT_EQ(chosenIds(second), "odd%0A\n\xFF\xC3\xA9id;c;");
  EXPECT_EQ(settings.read(setting::kBrowserSources), "0 a\n0 b\n1 odd%250A%0A%FF%C3%A9id");
  storeChoice(second, settings);

  BrowserSources third{source("b", true)};
  EXPECT_FALSE(applyStoredChoice(third, settings));
  EXPECT_EQ(chosenIds(third), "");  // its choice survived its absence
}

TEST(SourceChoice, DamagedSettingTextCountsSourcesAsNew) {
  InMemorySettings settings;
  settings.write(setting::kBrowserSources, "garbage\n2 a\n1 \n1 b");
  BrowserSources sources{source("a", true), source("b", false)};
  applyStoredChoice(sources, settings);
  EXPECT_EQ(chosenIds(sources), "a;b;");
}

}  // namespace
}  // namespace linkfold
