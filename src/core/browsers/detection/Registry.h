#pragma once
// The registry as browser detection reads it: two hives of keys, each key holding named values
// (type and bytes) and sub-keys. Key paths are backslash-separated and, like value names,
// compare ignoring the case of ASCII letters. On Linux the registry is a registry file (see
// RegistryFile.h) loaded into an InMemoryRegistry; tests fill one directly.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace linkfold {

enum class RegistryHive { CurrentUser, LocalMachine };

// Value types as the registry numbers them.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

struct RegistryValue {
  std::uint32_t type = kRegNone;
  // Text types (REG_SZ, REG_EXPAND_SZ): the UTF-8 text, without its terminating null.
  // Every other type: the bytes as stored.
  std::string data;

  bool isText() const { return type == kRegSz || type == kRegExpandSz; }
  // The bytes a query needs for the value: text types count their terminating null.
  std::size_t querySize() const { return data.size() + (isText() ? 1 : 0); }
};

class Registry {
 public:
  virtual ~Registry() = default;

  // Whether the key can be opened.
  virtual bool hasKey(RegistryHive hive, std::string_view path) const = 0;
  // The value `name` of the key ("" is the key's default value); nothing when the key or the
  // value does not exist.
  virtual std::optional<RegistryValue> queryValue(RegistryHive hive, std::string_view path,
                                                  std::string_view name) const = 0;
  // The names of the key's sub-keys in enumeration order (the order they were created); nothing
  // when the key does not exist.
  virtual std::optional<std::vector<std::string>> subKeyNames(RegistryHive hive,
                                                              std::string_view path) const = 0;
};

class InMemoryRegistry : public Registry {
 public:
  InMemoryRegistry();
  ~InMemoryRegistry() override;
  InMemoryRegistry(InMemoryRegistry&&) noexcept;
  InMemoryRegistry& operator=(InMemoryRegistry&&) noexcept;

  // Creates the key and every missing key above it.
  void createKey(RegistryHive hive, std::string_view path);
  // Creates the key when missing and sets (or replaces) the value.
  void setValue(RegistryHive hive, std::string_view path, std::string_view name,
                RegistryValue value);
  void setExpandString(RegistryHive hive, std::string_view path, std::string_view name,
                       std::string text) {
    setValue(hive, path, name, {kRegExpandSz, std::move(text)});
  }
  // Removes the key with everything below it; nothing happens when it does not exist.
  void deleteKey(RegistryHive hive, std::string_view path);
  void deleteValue(RegistryHive hive, std::string_view path, std::string_view name);

  bool hasKey(RegistryHive hive, std::string_view path) const override;
  std::optional<RegistryValue> queryValue(RegistryHive hive, std::string_view path,
                                          std::string_view name) const override;
  std::optional<std::vector<std::string>> subKeyNames(RegistryHive hive,
                                                      std::string_view path) const override;

 private:
  struct Key;
  std::unique_ptr<Key> currentUser_;
  std::unique_ptr<Key> localMachine_;

  Key& root(RegistryHive hive) const;
  Key* find(RegistryHive hive, std::string_view path) const;
};

}  // namespace linkfold
