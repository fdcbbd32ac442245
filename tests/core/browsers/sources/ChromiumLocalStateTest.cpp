#include <gtest/gtest.h>

#include "browsers/sources/ChromiumLocalState.h"

namespace linkfold {
namespace {

struct LocalStateCase {
  const char* what;
  std::string json;
  const char* expected;  // "folder=name" per profile, then "last:" and profile.last_used
};

std::string describe(const ChromiumLocalState& state) {
  std::string text;
  for (const auto& p : state.profiles) text += p.folder + "=" + p.name + " ";
  return text + (state.listed ? "listed " : "") + "last:" + state.lastUsed;
}

const LocalStateCase kCases[] = {
    {"names, file order, other keys", R"({"browser":{"x":1},"profile":{"last_used":"Profile 1",
      "info_cache":{"Profile 1":{"name":"Work","avatar":"x"},"Default":{"name":"Me"}}}})",
     "Profile 1=Work Default=Me listed last:Profile 1"},
    {"a nameless or wrongly typed name falls back to the folder",
     R"({"profile":{"info_cache":{"Default":{"name":7},"Profile 2":{}}}})",
     "Default=Default Profile 2=Profile 2 listed last:"},
    {"folder names that leave the data folder are dropped",
     R"({"profile":{"info_cache":{"..":{},"a/b":{},"":{},"ok":{"name":"n"}},"last_used":"../x"}})",
     "ok=n listed last:"},
    {"entries of the wrong type are dropped", R"({"profile":{"info_cache":{"A":[],"B":"s"}}})",
     "last:"},
    {"wrong shapes", R"({"profile":[]})", "last:"},
    {"not an object", "[1,2]", "last:"},
    {"malformed", R"({"profile":{"info_cache":{"Default":{"name":"x"})", "last:"},
    {"empty", "", "last:"},
    {"escapes in names", R"({"profile":{"info_cache":{"Default":{"name":"W\u00f6rk \"2\""}}}})",
     "Default=W\xC3\xB6rk \"2\" listed last:"},
    {"invalid UTF-8", "{\"profile\":{\"info_cache\":{\"Default\":{\"name\":\"\xFF\"}}}}", "last:"},
    {"deep nesting", std::string(100000, '[') + std::string(100000, ']'), "last:"},
    {"of duplicate keys the first counts",
     R"({"profile":{"info_cache":{"Default":{"name":"a"}},"info_cache":{"X":{}}}})",
     "Default=a listed last:"},
};

TEST(ChromiumLocalState, ReadsWhatItCanAndRefusesTheRest) {
  for (const LocalStateCase& c : kCases)
    EXPECT_EQ(describe(parseLocalState(c.json)), c.expected) << c.what;
}

}  // namespace
}  // namespace linkfold
