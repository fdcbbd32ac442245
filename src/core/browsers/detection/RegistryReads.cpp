#include "browsers/detection/RegistryReads.h"

#include "platform/Text.h"

namespace linkfold {
namespace {

std::string textUpToNull(const std::string& data) {
  return data.substr(0, data.find('\0'));
}

}  // namespace

std::optional<RegistryValue> readBoundedValue(const Registry& registry, RegistryHive hive,
                                              std::string_view path, std::string_view name) {
  auto value = registry.queryValue(hive, path, name);
  if (!value || value->querySize() > kValueBytes) return std::nullopt;
  return value;
}

std::optional<std::string> readPathValue(const Registry& registry, RegistryHive hive,
                                         std::string_view path, std::string_view name,
                                         const VariableLookup& variable) {
  const auto value = readBoundedValue(registry, hive, path, name);
  if (!value) return std::nullopt;
  const std::string text = textUpToNull(value->data);
  if (value->type != kRegExpandSz) return text;
  return expandEnvironmentStrings(text, variable).value_or(std::string());
}

std::optional<std::string> readProfileDirectory(const Registry& registry,
                                                const std::string& profile,
                                                const VariableLookup& variable) {
  const std::string key = std::string(kNetscape4UsersKey) + "\\" + profile;
  const auto value = readBoundedValue(registry, RegistryHive::LocalMachine, key, "DirRoot");
  if (!value || !value->isText()) return std::nullopt;
  const std::string text = textUpToNull(value->data);
  if (value->type == kRegSz) return text;
  auto expanded = expandEnvironmentStrings(text, variable);
  if (!expanded || expanded->empty()) return std::nullopt;
  return expanded;
}

std::optional<std::vector<std::string>> enumerateSubKeys(const Registry& registry,
                                                         RegistryHive hive, std::string_view path) {
  auto names = registry.subKeyNames(hive, path);
  if (!names) return std::nullopt;
  for (std::size_t i = 0; i < names->size(); ++i)
    if (utf8CharCount((*names)[i]) >= kSubKeyNameChars) {
      names->resize(i);
      break;
    }
  return names;
}

}  // namespace linkfold
