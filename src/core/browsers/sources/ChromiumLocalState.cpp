#include "browsers/sources/ChromiumLocalState.h"

#include <simdjson.h>

namespace linkfold {

namespace {

// The entries of profile.info_cache, in file order. Local State is small, so the whole
// document is parsed and validated first (the DOM parser), which malformed input cannot get past.
void readInfoCache(simdjson::dom::object cache, ChromiumLocalState& state) {
  for (const auto [folder, value] : cache) {
    simdjson::dom::object info;
    if (!isPlainFolderName(folder) || value.get_object().get(info)) continue;
    std::string_view name;
    if (info["name"].get_string().get(name) || name.empty()) name = folder;
    state.profiles.push_back({std::string(folder), std::string(name)});
  }
  state.listed = !state.profiles.empty();
}

}  // namespace

bool isPlainFolderName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

ChromiumLocalState parseLocalState(std::string_view json) {
  ChromiumLocalState state;
  simdjson::dom::parser parser;
  simdjson::dom::object profile;
  if (parser.parse(json.data(), json.size()).get_object()["profile"].get_object().get(profile))
    return state;
  simdjson::dom::object cache;
  if (!profile["info_cache"].get_object().get(cache)) readInfoCache(cache, state);
  std::string_view lastUsed;
  if (!profile["last_used"].get_string().get(lastUsed) && isPlainFolderName(lastUsed))
    state.lastUsed = std::string(lastUsed);
  return state;
}

}  // namespace linkfold
