#include "browsers/sources/BrowserSources.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "browsers/sources/SourceFinders.h"
#include "platform/Files.h"

namespace linkfold {

namespace fs = std::filesystem;

bool anyChosen(const BrowserSources& sources) {
  return std::any_of(sources.begin(), sources.end(), [](const auto& s) { return s.chosen; });
}

std::optional<std::string> readProfileList(const std::string& path) {
  std::error_code error;
  if (fs::file_size(path, error) > kMaxProfileListBytes || error) return std::nullopt;
  return readWholeFile(path);  // which takes regular files only
}

bool isRegularFile(const std::string& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

BrowserSources findBrowserSources(const BrowserHome& home) {
  BrowserSources found;
  if (home.home.empty()) return found;
  findFirefoxSources(home, found);
  findChromiumSources(home, found);
  std::set<std::string> seen;
  BrowserSources unique;
  for (auto& source : found) {
    std::error_code error;
    const fs::path real = fs::canonical(source.path, error);
    if (seen.insert(error ? source.path : real.string()).second)
      unique.push_back(std::move(source));
  }
  return unique;
}

}  // namespace linkfold
