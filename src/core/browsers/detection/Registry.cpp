#include "browsers/detection/Registry.h"

#include <unordered_map>
#include <utility>

#include "platform/Text.h"

namespace linkfold {
namespace {

// Entries in the order they were added, found by name ignoring ASCII case. Removal leaves a
// hole that is closed once holes outnumber entries, so that any mix of additions and removals
// costs constant time per step on average.
template <class T>
class NamedEntries {
 public:
  T* find(std::string_view name) const {
    const auto it = positions_.find(asciiLowered(name));
    return it == positions_.end() ? nullptr : slots_[it->second].get();
  }

  T& findOrAdd(std::string_view name) {
    auto [it, added] = positions_.try_emplace(asciiLowered(name), slots_.size());
    if (added) slots_.push_back(std::make_unique<T>(std::string(name)));
    return *slots_[it->second];
  }

  void remove(std::string_view name) {
    const auto it = positions_.find(asciiLowered(name));
    if (it == positions_.end()) return;
    slots_[it->second].reset();
    positions_.erase(it);
    if (++holes_ > positions_.size()) closeHoles();
  }

  template <class Visit>
  void forEach(Visit&& visit) const {
    for (const auto& slot : slots_)
      if (slot) visit(*slot);
  }

 private:
  void closeHoles() {
    std::vector<std::unique_ptr<T>> kept;
    kept.reserve(positions_.size());
    for (auto& slot : slots_)
      if (slot) {
        positions_[asciiLowered(slot->name)] = kept.size();
        kept.push_back(std::move(slot));
      }
    slots_ = std::move(kept);
    holes_ = 0;
  }

  std::vector<std::unique_ptr<T>> slots_;
  std::unordered_map<std::string, std::size_t> positions_;
  std::size_t holes_ = 0;
};

struct NamedValue {
  explicit NamedValue(std::string valueName) : name(std::move(valueName)) {}
  std::string name;
  RegistryValue value;
};

// Calls `step` with each non-empty component of a backslash-separated path; stops early when
// `step` returns false, and then returns false itself.
template <class Step>
bool forEachComponent(std::string_view path, Step&& step) {
  while (!path.empty()) {
    const std::size_t separator = path.find('\\');
    const std::string_view component = path.substr(0, separator);
    if (!component.empty() && !step(component)) return false;
    if (separator == std::string_view::npos) break;
    path.remove_prefix(separator + 1);
  }
  return true;
}

// The last component of a path and the path of its parent.
std::pair<std::string_view, std::string_view> splitLast(std::string_view path) {
  while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  const std::size_t separator = path.rfind('\\');
  if (separator == std::string_view::npos) return {{}, path};
  return {path.substr(0, separator), path.substr(separator + 1)};
}

}  // namespace

struct InMemoryRegistry::Key {
  explicit Key(std::string keyName) : name(std::move(keyName)) {}
  std::string name;
  NamedEntries<Key> subKeys;
  NamedEntries<NamedValue> values;
};

InMemoryRegistry::InMemoryRegistry()
    : currentUser_(std::make_unique<Key>("HKEY_CURRENT_USER")),
      localMachine_(std::make_unique<Key>("HKEY_LOCAL_MACHINE")) {}
InMemoryRegistry::~InMemoryRegistry() = default;
InMemoryRegistry::InMemoryRegistry(InMemoryRegistry&&) noexcept = default;
InMemoryRegistry& InMemoryRegistry::operator=(InMemoryRegistry&&) noexcept = default;

InMemoryRegistry::Key& InMemoryRegistry::root(RegistryHive hive) const {
  return hive == RegistryHive::CurrentUser ? *currentUser_ : *localMachine_;
}

InMemoryRegistry::Key* InMemoryRegistry::find(RegistryHive hive, std::string_view path) const {
  Key* key = &root(hive);
  const bool found = forEachComponent(path, [&](std::string_view component) {
    key = key->subKeys.find(component);
    return key != nullptr;
  });
  return found ? key : nullptr;
}

void InMemoryRegistry::createKey(RegistryHive hive, std::string_view path) {
  Key* key = &root(hive);
  forEachComponent(path, [&](std::string_view component) {
    key = &key->subKeys.findOrAdd(component);
    return true;
  });
}

void InMemoryRegistry::setValue(RegistryHive hive, std::string_view path, std::string_view name,
                                RegistryValue value) {
  createKey(hive, path);
  find(hive, path)->values.findOrAdd(name).value = std::move(value);
}

void InMemoryRegistry::deleteKey(RegistryHive hive, std::string_view path) {
  const auto [parentPath, name] = splitLast(path);
  if (name.empty()) return;  // a hive itself stays
  if (Key* parent = find(hive, parentPath)) parent->subKeys.remove(name);
}

void InMemoryRegistry::deleteValue(RegistryHive hive, std::string_view path,
                                   std::string_view name) {
  if (Key* key = find(hive, path)) key->values.remove(name);
}

bool InMemoryRegistry::hasKey(RegistryHive hive, std::string_view path) const {
  return find(hive, path) != nullptr;
}

std::optional<RegistryValue> InMemoryRegistry::queryValue(RegistryHive hive, std::string_view path,
                                                          std::string_view name) const {
  const Key* key = find(hive, path);
  if (!key) return std::nullopt;
  const NamedValue* named = key->values.find(name);
  if (!named) return std::nullopt;
  return named->value;
}

std::optional<std::vector<std::string>> InMemoryRegistry::subKeyNames(RegistryHive hive,
                                                                      std::string_view path) const {
  const Key* key = find(hive, path);
  if (!key) return std::nullopt;
  std::vector<std::string> names;
  key->subKeys.forEach([&](const Key& subKey) { names.push_back(subKey.name); });
  return names;
}

}  // namespace linkfold
