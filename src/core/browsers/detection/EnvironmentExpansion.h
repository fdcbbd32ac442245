#pragma once
// `%NAME%` expansion of registry texts, as the registry's expandable strings need it.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace linkfold {

using VariableLookup = std::function<std::optional<std::string>(const std::string&)>;

// Room for an expanded text, counting its terminating null.
inline constexpr std::size_t kExpansionChars = 260;

// Replaces every `%NAME%` whose variable is set by its value; an unknown name, "%%" and a "%"
// without a partner stay as written. Nothing when the result with its terminating null would
// not fit into kExpansionChars characters.
std::optional<std::string> expandEnvironmentStrings(std::string_view text,
                                                    const VariableLookup& variable);

}  // namespace linkfold
