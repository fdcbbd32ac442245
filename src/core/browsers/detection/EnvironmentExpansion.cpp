#include "browsers/detection/EnvironmentExpansion.h"

#include "platform/Text.h"

namespace linkfold {

std::optional<std::string> expandEnvironmentStrings(std::string_view text,
                                                    const VariableLookup& variable) {
  std::string result;
  // Checked after each piece, so that a huge variable never grows the result far.
  const auto fits = [&result] { return utf8CharCount(result) < kExpansionChars; };
  while (!text.empty()) {
    const std::size_t open = text.find('%');
    const std::size_t close = open == std::string_view::npos ? open : text.find('%', open + 1);
    if (close == std::string_view::npos) {
      result.append(text);
      break;
    }
    result.append(text.substr(0, open));
    const std::string name(text.substr(open + 1, close - open - 1));
    const auto value = name.empty() || !variable ? std::nullopt : variable(name);
    result.append(value ? std::string_view(*value) : text.substr(open, close - open + 1));
    text.remove_prefix(close + 1);
    if (!fits()) return std::nullopt;
  }
  if (!fits()) return std::nullopt;
  return result;
}

}  // namespace linkfold
