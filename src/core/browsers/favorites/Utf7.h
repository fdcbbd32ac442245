#pragma once
// The UTF-7 form in which Windows stores the Unicode URL of a shortcut ("+ADx-" runs of base64
// UTF-16 between plain ASCII).

#include <optional>
#include <string>
#include <string_view>

namespace linkfold {

// The text as UTF-8; none when it is not well-formed UTF-7. An unpaired surrogate becomes U+FFFD.
std::optional<std::string> decodeUtf7(std::string_view text);

}  // namespace linkfold
