#include "browsers/detection/RegistryFile.h"

#include <cstdlib>
#include <filesystem>

#include "platform/Files.h"

namespace linkfold {
namespace {

constexpr const char* kRegistryVariable = "LINKFOLD_REGISTRY";

void reportUnusable(UiPort& ui, const std::string& text) {
  ui.showMessage({text + "\nNo browsers will be detected.", MessageIcon::Exclamation});
}

}  // namespace

std::unique_ptr<Registry> loadRegistryFile(const std::string& path, UiPort& ui) {
  auto registry = std::make_unique<InMemoryRegistry>();
  std::error_code error;
  const auto bytes =
      std::filesystem::is_regular_file(path, error) ? readWholeFile(path) : std::nullopt;
  if (!bytes) {
    reportUnusable(ui, "Could not read the registry file\n" + path);
    return std::make_unique<InMemoryRegistry>();
  }
  if (const auto damage = parseRegistryFile(*bytes, *registry)) {
    reportUnusable(ui, "The registry file\n" + path + "\nis damaged in line " +
                           std::to_string(damage->line) + ": " + damage->reason + ".");
    return std::make_unique<InMemoryRegistry>();
  }
  return registry;
}

std::unique_ptr<Registry> openRegistry(const std::optional<std::string>& registryFile, UiPort& ui) {
  if (registryFile) return loadRegistryFile(*registryFile, ui);
  const char* fromEnvironment = std::getenv(kRegistryVariable);
  if (fromEnvironment && *fromEnvironment) return loadRegistryFile(fromEnvironment, ui);
  return std::make_unique<InMemoryRegistry>();
}

}  // namespace linkfold
