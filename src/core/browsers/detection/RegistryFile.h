#pragma once
// The registry file: the text of a Windows registry export ("Windows Registry Editor Version
// 5.00" in UTF-16LE with a byte-order mark or in UTF-8, or "REGEDIT4") that stands in for the
// registry where there is none.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "browsers/detection/Registry.h"
#include "platform/UiPort.h"

namespace linkfold {

struct RegistryFileError {
  std::size_t line = 0;  // 1-based line of the file where reading stopped
  std::string reason;
};

// Reads export text into `registry` (keys of hives other than HKEY_CURRENT_USER and
// HKEY_LOCAL_MACHINE are read and left out). On a damaged file returns the line and the reason;
// `registry` then holds what was read before it and should be thrown away.
std::optional<RegistryFileError> parseRegistryFile(std::string_view bytes,
                                                   InMemoryRegistry& registry);

// The registry named by `registryFile` (the --registry option), else by the environment
// variable LINKFOLD_REGISTRY; without either an empty registry. A file that cannot be read or
// parsed is reported through `ui`, sets `*unusable` (when given) and gives an empty registry.
std::unique_ptr<Registry> openRegistry(const std::optional<std::string>& registryFile, UiPort& ui,
                                       bool* unusable = nullptr);

// The registry of one file; the same reports as openRegistry.
std::unique_ptr<Registry> loadRegistryFile(const std::string& path, UiPort& ui,
                                           bool* unusable = nullptr);

}  // namespace linkfold
