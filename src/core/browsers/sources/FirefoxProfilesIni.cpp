#include "browsers/sources/FirefoxProfilesIni.h"

#include <algorithm>
#include <map>

#include "platform/Text.h"

namespace linkfold {

namespace {

using Section = std::map<std::string, std::string, std::less<>>;

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Sections in file order; a repeated section name merges into the first.
std::vector<std::pair<std::string, Section>> readSections(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  std::vector<std::pair<std::string, Section>> sections;
  Section* current = nullptr;
  while (!text.empty()) {
    const auto end = text.find('\n');
    const std::string_view line = trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      const std::string name(line.substr(1, line.size() - 2));
      auto it = std::find_if(sections.begin(), sections.end(),
                             [&name](const auto& s) { return s.first == name; });
      if (it == sections.end()) it = sections.insert(sections.end(), {name, {}});
      current = &it->second;
      continue;
    }
    const auto equals = line.find('=');
    if (current && equals != std::string_view::npos)
      current->emplace(std::string(trimmed(line.substr(0, equals))),
                       std::string(trimmed(line.substr(equals + 1))));
  }
  return sections;
}

std::string valueOf(const Section& section, std::string_view key) {
  const auto it = section.find(key);
  return it == section.end() ? std::string() : it->second;
}

std::string lastComponent(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::vector<FirefoxProfile> parseProfilesIni(std::string_view text, const std::string& root) {
  std::vector<FirefoxProfile> profiles;
  std::vector<std::string> paths;  // Path= as written, which is what Default= refers to
  std::vector<std::string> installDefaults;
  int markedDefault = -1;
  for (const auto& [name, section] : readSections(text)) {
    if (startsWith(name, "Install")) {
      if (const std::string chosen = valueOf(section, "Default"); !chosen.empty())
        installDefaults.push_back(chosen);
      continue;
    }
    if (!startsWith(name, "Profile")) continue;
    const std::string path = valueOf(section, "Path");
    if (path.empty()) continue;
    const bool absolute = valueOf(section, "IsRelative") == "0" && path.front() == '/';
    FirefoxProfile profile{valueOf(section, "Name"), absolute ? path : root + "/" + path};
    if (profile.name.empty()) profile.name = lastComponent(path);
    if (valueOf(section, "Default") == "1" && markedDefault < 0)
      markedDefault = static_cast<int>(profiles.size());
    profiles.push_back(std::move(profile));
    paths.push_back(path);
  }
  bool anyInstall = false;
  for (std::size_t i = 0; i < profiles.size(); ++i) {
    const bool named = std::find(installDefaults.begin(), installDefaults.end(), paths[i]) !=
                       installDefaults.end();
    profiles[i].startsWith = named;
    anyInstall = anyInstall || named;
  }
  if (!anyInstall && markedDefault >= 0) profiles[markedDefault].startsWith = true;
  if (!anyInstall && markedDefault < 0 && profiles.size() == 1) profiles[0].startsWith = true;
  return profiles;
}

}  // namespace linkfold
