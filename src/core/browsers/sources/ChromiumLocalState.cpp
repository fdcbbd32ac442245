#include "browsers/sources/ChromiumLocalState.h"

#include <simdjson.h>

namespace linkfold {

namespace {

// The entries of profile.info_cache, in file order.
void readInfoCache(simdjson::ondemand::object cache, ChromiumLocalState& state) {
  for (auto field : cache) {
    std::string_view folder;
    if (field.unescaped_key().get(folder) || !isPlainFolderName(folder)) continue;
    simdjson::ondemand::object info;
    if (field.value().get_object().get(info)) continue;
    std::string_view name;
    if (info.find_field_unordered("name").get_string().get(name) || name.empty()) name = folder;
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
  const simdjson::padded_string padded(json);
  simdjson::ondemand::parser parser;
  simdjson::ondemand::document doc;
  simdjson::ondemand::object profile;
  if (parser.iterate(padded).get(doc) ||
      doc.find_field_unordered("profile").get_object().get(profile))
    return state;
  simdjson::ondemand::object cache;
  if (!profile.find_field_unordered("info_cache").get_object().get(cache)) {
    readInfoCache(cache, state);
    if (!state.listed) state.profiles.clear();
  }
  std::string_view lastUsed;
  if (!profile.find_field_unordered("last_used").get_string().get(lastUsed) &&
      isPlainFolderName(lastUsed))
    state.lastUsed = std::string(lastUsed);
  return state;
}

}  // namespace linkfold
