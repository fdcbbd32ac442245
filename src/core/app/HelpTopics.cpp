#include "app/HelpTopics.h"

#include <array>
#include <string_view>

#include "app/MainCommands.h"
#include "app/MainMenu.h"

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

std::string lowered(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

}  // namespace

std::string helpPageFor(std::uint32_t topic) {
  for (const auto& entry : kPages)
    if (entry.topic == topic) return std::string(entry.page);
  if (topic > kHelpBaseCommand && topic < kHelpBaseResource) {
    const std::string menu = menuOf(topic - kHelpBaseCommand);
    if (!menu.empty()) return "main-window.html#" + lowered(menu) + "-menu";
  }
  return std::string(kPages.front().page);
}

}  // namespace linkfold
