#include "app/HelpTopics.h"

#include <array>
#include <string_view>

#include "app/MainCommands.h"

namespace linkfold {

namespace {

struct TopicPage {
  std::uint32_t topic;
  std::string_view page;
};

constexpr std::array kPages{
    TopicPage{kHelpTopicContents, "contents.html"},
    TopicPage{kHelpTopicIntroduction, "introduction.html"},
    TopicPage{kHelpBaseResource + kMainWindowResource, "main-window.html"},
    TopicPage{kHelpBaseResource + 101, "main-window.html#tree"},  // the library tree
    TopicPage{kHelpBaseResource + 100, "about.html"},
    TopicPage{kHelpBaseResource + 136, "properties.html"},
    TopicPage{kHelpBaseResource + 137, "weed-duplicates.html"},
    TopicPage{kHelpBaseResource + 138, "find-bookmark.html"},
    TopicPage{kHelpBaseResource + 140, "scroll-rate.html"},
    TopicPage{kHelpBaseResource + 141, "profile.html"},
    TopicPage{kHelpBaseResource + 142, "rename.html"},
    TopicPage{kHelpBaseResource + 143, "replacement-character.html"},
    TopicPage{kHelpBasePrompt + 148, "damaged-library.html"},
};

}  // namespace

std::string helpPageFor(std::uint32_t topic) {
  for (const auto& entry : kPages)
    if (entry.topic == topic) return std::string(entry.page);
  return std::string(kPages.front().page);
}

}  // namespace linkfold
