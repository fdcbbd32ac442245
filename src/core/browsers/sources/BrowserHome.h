#pragma once
// Where today's browsers keep their data: the home folder and the config folder under which
// every browser location is looked up.

#include <functional>
#include <optional>
#include <string>

namespace linkfold {

struct BrowserHome {
  std::string home;    // empty: no home folder, so nothing is found
  std::string config;  // $XDG_CONFIG_HOME, else home/.config

  // `homeOption` (--home) or LINKFOLD_HOME point the search at another folder taken as the
  // home, with DIR/.config as the config folder; otherwise $HOME and $XDG_CONFIG_HOME.
  static BrowserHome locate(
      const std::optional<std::string>& homeOption,
      const std::function<std::optional<std::string>(const std::string&)>& variable);
  static BrowserHome fromProcess(const std::optional<std::string>& homeOption);

  // "~/rest" for a path inside the home, else the path itself: ids stay the same when the
  // home is reached through another name.
  std::string shortPath(const std::string& path) const;
};

}  // namespace linkfold
