#include "browsers/sources/BrowserSources.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "browsers/sources/SourceFinders.h"

namespace linkfold {

namespace fs = std::filesystem;

bool anyChosen(const BrowserSources& sources) {
  return std::any_of(sources.begin(), sources.end(), [](const auto& s) { return s.chosen; });
}

std::optional<std::string> readProfileList(const std::string& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error) || fs::file_size(path, error) > kMaxProfileListBytes ||
      error)
    return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
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
