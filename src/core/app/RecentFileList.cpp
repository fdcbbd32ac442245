#include "app/RecentFileList.h"

#include <algorithm>

#include "platform/Text.h"

namespace linkfold {

namespace {

// Menu texts take "&" as the mnemonic mark; a file name shows its own "&" doubled.
std::string menuEscaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    if (c == '&') escaped += '&';
    escaped += c;
  }
  return escaped;
}

std::string_view directoryOf(std::string_view path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string_view::npos ? std::string_view{} : path.substr(0, slash);
}

std::string_view fileNameOf(std::string_view path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string RecentFileList::valueName(std::size_t index) {
  return "File" + std::to_string(index + 1);
}

void RecentFileList::load(const std::vector<std::string>& stored) {
  entries_.clear();
  for (const auto& path : stored)
    if (!path.empty() && entries_.size() < kSize &&
        std::find(entries_.begin(), entries_.end(), path) == entries_.end())
      entries_.push_back(path);
}

void RecentFileList::add(const std::string& path) {
  if (path.empty()) return;
  std::erase(entries_, path);
  entries_.insert(entries_.begin(), path);
  if (entries_.size() > kSize) entries_.resize(kSize);
}

void RecentFileList::remove(std::size_t index) {
  if (index < entries_.size()) entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

std::optional<std::string> RecentFileList::entryFor(std::uint32_t command) const {
  if (command < kCmdRecentFile1 || command - kCmdRecentFile1 >= entries_.size()) return {};
  return entries_[command - kCmdRecentFile1];
}

std::vector<MenuEntry> RecentFileList::menuEntries(std::string_view currentDirectory) const {
  if (entries_.empty()) return {{kCmdRecentFile1, std::string(kEmptyText)}};
  std::vector<MenuEntry> menu;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const std::string_view path = entries_[i];
    const std::string shown = !currentDirectory.empty() && directoryOf(path) == currentDirectory
                                  ? std::string(fileNameOf(path))
                                  : abbreviate(path, kDisplayLength);
    menu.push_back({kCmdRecentFile1 + static_cast<std::uint32_t>(i),
                    "&" + std::to_string(i + 1) + " " + menuEscaped(shown)});
  }
  return menu;
}

std::string RecentFileList::abbreviate(std::string_view path, std::size_t maxChars) {
  if (utf8CharCount(path) <= maxChars) return std::string(path);
  const std::string_view name = fileNameOf(path);
  const std::string_view root = path.starts_with('/') ? "/" : "";
  const std::string ellipsis = std::string(root) + ".../";
  if (utf8CharCount(name) + utf8CharCount(ellipsis) > maxChars) return std::string(name);
  // Grow the kept tail by whole folder names while it still fits behind the ellipsis.
  std::string_view tail = name;
  std::string_view rest = directoryOf(path);
  while (!rest.empty()) {
    const auto slash = rest.find_last_of('/');
    const std::string_view folder = slash == std::string_view::npos ? rest : rest.substr(slash + 1);
    const std::string_view longer = path.substr(path.size() - tail.size() - folder.size() - 1);
    if (utf8CharCount(ellipsis) + utf8CharCount(longer) > maxChars) break;
    tail = longer;
    rest = slash == std::string_view::npos ? std::string_view{} : rest.substr(0, slash);
  }
  return ellipsis + std::string(tail);
}

}  // namespace linkfold
