#include "DetectCommand.h"

#include <algorithm>

#include "JsonText.h"

namespace linkfold::cli {

namespace {

std::string flag(bool on) {
  return on ? "true" : "false";
}

// The detection of the registry's browsers, without the closing brace.
std::string openDetectionObject(const BrowserDetection& found) {
  std::string json = "{\"msie\":{\"present\":" + flag(found.msiePresent) + ",\"favorites\":";
  appendJsonString(json, found.favoritesPath);
  json += ",\"favoritesLength\":" + std::to_string(found.favoritesPathLength()) + "}";
  json += ",\"netscape3\":{\"present\":" + flag(found.netscape3Present) + ",\"file\":";
  appendJsonString(json, found.netscape3File);
  json += "},\"netscape4\":{\"present\":" + flag(found.netscape4Present) + ",\"profile\":";
  appendJsonString(json, found.netscape4ProfileName);
  json += ",\"file\":";
  appendJsonString(json, found.netscape4File);
  json += "}";
  return json;
}

std::string sourcesArray(const BrowserSources& sources) {
  std::string json = "[";
  for (const BrowserSource& source : sources) {
    if (json.size() > 1) json += ',';
    json += "{\"id\":";
    appendJsonString(json, source.id);
    json += ",\"label\":";
    appendJsonString(json, source.label);
    json += ",\"path\":";
    appendJsonString(json, source.path);
    json += ",\"readable\":" + flag(source.readable) + ",\"chosen\":" + flag(source.chosen) + "}";
  }
  return json + "]";
}

}  // namespace

void printDetect(bool json, const BrowserDetection& found, const BrowserSources& sources,
                 std::ostream& out) {
  if (json) {
    out << openDetectionObject(found) << ",\"sources\":" << sourcesArray(sources) << "}\n";
    return;
  }
  out << openDetectionObject(found) << "}\n";
  for (const BrowserSource& source : sources)
    out << (source.chosen ? "chosen" : "-") << '\t' << source.id << '\t' << source.label << '\t'
        << source.path << '\n';
}

bool chooseForThisRun(const GlobalOptions& options, BrowserSources& sources, std::string& error) {
  if (!options.noSources && options.sources.empty()) return true;
  for (const std::string& id : options.sources) {
    if (std::none_of(sources.begin(), sources.end(),
                     [&id](const BrowserSource& s) { return s.id == id; })) {
      error = "no source \"" + id + "\" was found (detect lists them)";
      return false;
    }
  }
  for (BrowserSource& source : sources)
    source.chosen = std::find(options.sources.begin(), options.sources.end(), source.id) !=
                    options.sources.end();
  return true;
}

}  // namespace linkfold::cli
