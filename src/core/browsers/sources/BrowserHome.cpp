#include "browsers/sources/BrowserHome.h"

#include <cstdlib>
#include <filesystem>

namespace linkfold {

namespace {

std::string withoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

BrowserHome BrowserHome::locate(
    const std::optional<std::string>& homeOption,
    const std::function<std::optional<std::string>(const std::string&)>& variable) {
  auto chosen = homeOption;
  if (!chosen || chosen->empty()) chosen = variable("LINKFOLD_HOME");
  if (chosen && !chosen->empty()) {
    // Absolute, so that the paths shown and the ids' "~" do not depend on the current folder.
    std::error_code error;
    const auto absolute = std::filesystem::absolute(*chosen, error);
    const std::string home = withoutTrailingSlash(error ? *chosen : absolute.string());
    return {home, home + "/.config"};
  }
  const auto home = variable("HOME");
  if (!home || home->empty()) return {};
  BrowserHome found{withoutTrailingSlash(*home), {}};
  // A relative XDG_CONFIG_HOME is invalid and ignored, as the desktop convention says.
  const auto config = variable("XDG_CONFIG_HOME");
  found.config = config && !config->empty() && config->front() == '/'
                     ? withoutTrailingSlash(*config)
                     : found.home + "/.config";
  return found;
}

BrowserHome BrowserHome::fromProcess(const std::optional<std::string>& homeOption) {
  return locate(homeOption, [](const std::string& name) -> std::optional<std::string> {
    const char* value = std::getenv(name.c_str());
    if (!value) return std::nullopt;
    return std::string(value);
  });
}

std::string BrowserHome::shortPath(const std::string& path) const {
  if (!home.empty() && home != "/" && path.size() > home.size() &&
      path.compare(0, home.size(), home) == 0 && path[home.size()] == '/')
    return "~" + path.substr(home.size());
  return path;
}

}  // namespace linkfold
