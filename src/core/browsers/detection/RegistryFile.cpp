#include "browsers/detection/RegistryFile.h"

#include <cstdlib>
#include <filesystem>

#include "platform/Files.h"

namespace linkfold {
namespace {

constexpr const char* kRegistryVariable = "LINKFOLD_REGISTRY";

std::unique_ptr<Registry> reportUnusable(UiPort& ui, const std::string& text, bool* unusable) {
  ui.showMessage({text + "\nNo browsers will be detected.", MessageIcon::Exclamation});
  if (unusable) *unusable = true;
  return std::make_unique<InMemoryRegistry>();
}

}  // namespace

std::unique_ptr<Registry> loadRegistryFile(const std::string& path, UiPort& ui, bool* unusable) {
  auto registry = std::make_unique<InMemoryRegistry>();
  std::error_code error;
  const auto bytes =
      std::filesystem::is_regular_file(path, error) ? readWholeFile(path) : std::nullopt;
  if (!bytes) return reportUnusable(ui, "Could not read the registry file\n" + path, unusable);
  if (const auto damage = parseRegistryFile(*bytes, *registry))
    return reportUnusable(ui,
                          "The registry file\n" + path + "\nis damaged in line " +
                              std::to_string(damage->line) + ": " + damage->reason + ".",
                          unusable);
  return registry;
}

std::unique_ptr<Registry> openRegistry(const std::optional<std::string>& registryFile, UiPort& ui,
                                       bool* unusable) {
  if (registryFile) return loadRegistryFile(*registryFile, ui, unusable);
  const char* fromEnvironment = std::getenv(kRegistryVariable);
  if (fromEnvironment && *fromEnvironment) return loadRegistryFile(fromEnvironment, ui, unusable);
  return std::make_unique<InMemoryRegistry>();
}

}  // namespace linkfold
