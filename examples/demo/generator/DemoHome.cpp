// Builds the demo's home folder from the readable text in examples/demo/home-text: a Firefox
// profile (profiles.ini; places.sqlite made from places.sql, with the bookmark of
// places-wal.sql left in places.sqlite-wal as Firefox leaves its latest changes), a Chrome
// profile and two Brave profiles (Local State from brave-profiles.txt) whose Bookmarks JSON
// is written from an outline.
//   linkfold-demo-home TEXT_DIR HOME_DIR

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "browserfiles/ChromiumBookmarksJson.h"
#include "browserfiles/PlacesDatabase.h"

namespace fs = std::filesystem;
using linkfold::browserfiles::jsonString;

namespace {

std::string readText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void writeText(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << text;
  if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

// places.sqlite with Firefox's tables in WAL mode: places.sql checkpointed into the database,
// places-wal.sql only in the -wal file.
void makePlaces(const fs::path& text, const fs::path& profile) {
  fs::create_directories(profile);
  const fs::path places = profile / "places.sqlite";
  for (const char* suffix : {"", "-wal", "-shm"}) fs::remove(places.string() + suffix);
  linkfold::browserfiles::PlacesDatabase database(places.string());
  database.exec(readText(text / "places.sql"));
  database.exec("PRAGMA wal_checkpoint(TRUNCATE)");
  database.keepWal();
  database.exec(readText(text / "places-wal.sql"));
  database.close();
  fs::remove(places.string() + "-shm");
}

// One node of the outline.
struct Node {
  std::string name;
  std::string url;  // empty for a folder
  std::vector<Node> children;
};

// "= root", "+ folder", "name | url", children indented two spaces deeper; '#' lines are notes.
std::vector<std::pair<std::string, Node>> readOutline(const std::string& text) {
  std::vector<std::pair<std::string, Node>> roots;
  std::vector<Node*> open;  // the folder at each depth
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    const auto indent = line.find_first_not_of(' ');
    if (indent == std::string::npos || line[indent] == '#') continue;
    const std::string item = line.substr(indent);
    if (item.rfind("= ", 0) == 0) {
      roots.push_back({item.substr(2), Node{}});
      open = {&roots.back().second};
      continue;
    }
    const std::size_t depth = indent / 2 + 1;
    if (open.empty() || depth > open.size()) throw std::runtime_error("outline: " + line);
    open.resize(depth);
    Node node;
    if (item.rfind("+ ", 0) == 0) {
      node.name = item.substr(2);
    } else {
      const auto bar = item.find(" | ");
      if (bar == std::string::npos) throw std::runtime_error("outline: " + line);
      node.name = item.substr(0, bar);
      node.url = item.substr(bar + 3);
    }
    open.back()->children.push_back(std::move(node));
    if (open.back()->children.back().url.empty()) open.push_back(&open.back()->children.back());
  }
  return roots;
}

// A node as Chromium writes it: dates in microseconds since 1601, ids counted up.
std::string nodeJson(const Node& node, const std::string& name, int& id, const std::string& pad) {
  constexpr const char* kDate = "\"13370000000000000\"";
  std::string json = "{\n" + pad + "   \"date_added\": " + kDate + ",\n";
  if (node.url.empty()) {
    json += pad + "   \"children\": [ ";
    for (std::size_t i = 0; i < node.children.size(); ++i)
      json += (i ? ", " : "") + nodeJson(node.children[i], node.children[i].name, id, pad + "   ");
    json += " ],\n" + pad + "   \"date_modified\": " + kDate + ",\n";
  }
  json += pad + "   \"id\": \"" + std::to_string(++id) + "\",\n";
  json += pad + "   \"name\": " + jsonString(name) + ",\n";
  json += pad + "   \"type\": \"" + (node.url.empty() ? "folder" : "url") + "\"";
  if (!node.url.empty()) json += ",\n" + pad + "   \"url\": " + jsonString(node.url);
  return json + "\n" + pad + "}";
}

std::string bookmarksJson(const std::string& outline) {
  static const std::pair<const char*, const char*> kRootNames[] = {
      {"bookmark_bar", "Bookmarks bar"},
      {"other", "Other bookmarks"},
      {"synced", "Mobile bookmarks"}};
  const auto roots = readOutline(outline);
  int id = 0;
  std::string json = "{\n   \"roots\": {\n";
  bool first = true;
  for (const auto& [key, title] : kRootNames) {
    Node empty;
    const Node* root = &empty;
    for (const auto& [name, node] : roots)
      if (name == key) root = &node;
    json += std::string(first ? "" : ",\n") + "      \"" + key +
            "\": " + nodeJson(*root, title, id, "      ");
    first = false;
  }
  return json + "\n   },\n   \"version\": 1\n}\n";
}

// A Local State naming the profiles of "FOLDER = NAME" lines; the first is the one used last.
std::string localStateJson(const std::string& profiles) {
  std::string cache, lastUsed;
  std::istringstream lines(profiles);
  for (std::string line; std::getline(lines, line);) {
    const auto equals = line.find(" = ");
    if (line.empty() || line[0] == '#' || equals == std::string::npos) continue;
    const std::string folder = line.substr(0, equals);
    if (lastUsed.empty()) lastUsed = folder;
    cache += std::string(cache.empty() ? "" : ",") + jsonString(folder) +
             ":{\"name\":" + jsonString(line.substr(equals + 3)) + "}";
  }
  return "{\"profile\":{\"info_cache\":{" + cache + "},\"last_used\":" + jsonString(lastUsed) +
         "}}\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: linkfold-demo-home TEXT_DIR HOME_DIR\n";
    return 1;
  }
  const fs::path text = argv[1];
  const fs::path home = argv[2];
  try {
    const fs::path firefox = home / ".mozilla/firefox";
    writeText(firefox / "profiles.ini", readText(text / "profiles.ini"));
    makePlaces(text, firefox / "Profiles/demo.default-release");
    writeText(home / ".config/google-chrome/Default/Bookmarks",
              bookmarksJson(readText(text / "chrome-bookmarks.txt")));
    const fs::path brave = home / ".config/BraveSoftware/Brave-Browser";
    writeText(brave / "Local State", localStateJson(readText(text / "brave-profiles.txt")));
    writeText(brave / "Default/Bookmarks", bookmarksJson(readText(text / "brave-bookmarks.txt")));
    writeText(brave / "Profile 1/Bookmarks",
              bookmarksJson(readText(text / "brave-work-bookmarks.txt")));
  } catch (const std::exception& error) {
    std::cerr << "linkfold-demo-home: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
