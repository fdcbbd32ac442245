#include "platform/Settings.h"

#include <charconv>

namespace linkfold {

std::optional<std::int32_t> InMemorySettings::readInt(std::string_view name) const {
  const auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  std::int32_t value = 0;
  const auto& text = it->second;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::string> InMemorySettings::readText(std::string_view name) const {
  const auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

void InMemorySettings::writeInt(std::string_view name, std::int32_t value) {
  values_[std::string(name)] = std::to_string(value);
  ++writes_;
}

void InMemorySettings::writeText(std::string_view name, std::string_view value) {
  values_[std::string(name)] = std::string(value);
  ++writes_;
}

}  // namespace linkfold
