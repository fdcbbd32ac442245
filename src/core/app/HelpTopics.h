#pragma once
// The help window's pages and the topic numbers that lead to them: the Introduction (0x5800),
// each dialog (0x20000 + its template id), the main window (0x20000 + 128), each message with a
// Help button (0x30000 + its string id) and the contents page for Help Topics.

#include <cstdint>
#include <string>

namespace linkfold {

inline constexpr std::uint32_t kHelpTopicContents = 0;
inline constexpr std::uint32_t kHelpBaseResource = 0x20000;
inline constexpr std::uint32_t kHelpBasePrompt = 0x30000;
inline constexpr std::uint32_t kMainWindowResource = 128;

// The page (with an anchor where it has one) for a topic; the contents page for a topic that
// has no page of its own.
std::string helpPageFor(std::uint32_t topic);

}  // namespace linkfold
