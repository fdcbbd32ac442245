#include "Help.h"

#include <algorithm>
#include <vector>

namespace linkfold::cli {

namespace {

struct CommandText {
  std::string_view name;
  std::string_view text;  // the synopsis line, then the description
};

constexpr CommandText kReading[] = {
    {"dump",
     "  dump LIB.bml\n"
     "      Loads the library file alone (as Open Exclusive does) and prints it as one JSON\n"
     "      object: {\"folders\":[{\"path\":...,\"parent\":N,\"locked\":true|false}...],\n"
     "      \"bookmarks\":[{\"folder\":N,\"name\":...,\"url\":...,\"description\":null|\"...\",\n"
     "      \"add\":N,\"modified\":N,\"visit\":N}...]} in table order. A byte that is not part\n"
     "      of valid UTF-8 is written as the escape \\udcXX (XX its value).\n"},
    {"tree",
     "  tree LIB.bml [--json]\n"
     "      Prints the library's tree, one item a line, indented two spaces a level:\n"
     "      \"F <label>\" for a folder, \"L <label>\" for a locked folder, \"B <label>\" for a\n"
     "      bookmark.\n"
     "      --json: one JSON object instead, the root folder with its items nested:\n"
     "      {\"kind\":\"folder\"|\"locked\"|\"bookmark\",\"label\":...,\"items\":[...]} (a "
     "bookmark\n"
     "      has no \"items\").\n"},
    {"find",
     "  find LIB.bml TEXT [--look-in both|name|url] [--ignore-case] [--json]\n"
     "      Prints every bookmark that Find and then Find Next would select from the root,\n"
     "      one a line: <folder path>\\t<name>\\t<url>. TEXT must not be empty and may have\n"
     "      at most 64 characters.\n"
     "      --json: one JSON array instead: [{\"folder\":...,\"name\":...,\"url\":...}...].\n"
     "      Exits with 1 (as grep does) when nothing matches.\n"},
    {"weed",
     "  weed LIB.bml [--json]\n"
     "      Prints the groups of bookmarks that share a URL: a line \"URL <url>\" per group,\n"
     "      then \"  <folder path or Root Folder\\>\\t<name>\" per bookmark.\n"
     "      --json: one JSON array instead: [{\"url\":...,\"bookmarks\":[{\"folder\":...,\n"
     "      \"name\":...}...]}...].\n"},
};

constexpr CommandText kWriting[] = {
    {"new",
     "  new -o OUT.bml\n"
     "      File New: detects the browsers and imports their bookmarks (the import run),\n"
     "      then saves the library as OUT.bml.\n"},
    {"open",
     "  open LIB.bml [--exclusive] -o OUT.bml\n"
     "      File Open: reads LIB.bml and adds the detected browsers' bookmarks (with\n"
     "      --exclusive, as Open Exclusive: the file alone), then saves it as OUT.bml.\n"
     "      Saving over a library that could be read only in part first keeps the file as\n"
     "      LIB.bml.damaged (once: an existing copy is left as it is).\n"},
    {"import-html",
     "  import-html LIB.bml|--empty FILE.html... -o OUT.bml\n"
     "      Import HTML: adds the bookmarks of the Netscape-format files, in order, one\n"
     "      import run each, to LIB.bml (read alone) or, with --empty, to a new library\n"
     "      holding only the root folder, then saves it once as OUT.bml. \"-\" as a FILE.html\n"
     "      reads standard input.\n"},
    {"export-html",
     "  export-html LIB.bml OUT.html\n"
     "      Export, Other BOOKMARK.HTM: writes LIB.bml as a Netscape bookmark file titled\n"
     "      \"Bookmarks exported by Linkfold\", without a backup copy. \"-\" as OUT.html\n"
     "      writes to standard output.\n"},
    {"export-text",
     "  export-text LIB.bml OUT.txt\n"
     "      Export, Text only: writes the folders and bookmarks of LIB.bml as text. \"-\" as\n"
     "      OUT.txt writes to standard output.\n"},
    {"export-favorites",
     "  export-favorites LIB.bml DIR\n"
     "      Export, MSIE Bookmarks, with the existing folder DIR as the Favorites folder: its\n"
     "      shortcut files are replaced by the library's folders and bookmarks. The old\n"
     "      shortcuts wait in a backup folder beside DIR (DIR.backup-XXXXXX) until the new\n"
     "      ones are written, and are put back when the export fails. A name too long for\n"
     "      the file system is shortened at a character boundary and named.\n"},
    {"detect",
     "  detect [--json]\n"
     "      Prints what browser detection finds as one JSON object on one line:\n"
     "      {\"msie\":{\"present\":B,\"favorites\":...,\"favoritesLength\":N},\n"
     "      \"netscape3\":{\"present\":B,\"file\":...},\n"
     "      \"netscape4\":{\"present\":B,\"profile\":...,\"file\":...}}\n"
     "      then one line per source found among today's browsers (see Browser sources):\n"
     "      \"chosen<TAB>ID<TAB>LABEL<TAB>PATH\", or \"-\" in place of \"chosen\" for a source\n"
     "      new and open would not read. With --json, only the JSON object, with the sources\n"
     "      added as \"sources\":[{\"id\":...,\"label\":...,\"path\":...,\"readable\":B,\n"
     "      \"chosen\":B}...].\n"},
};

constexpr std::string_view kHelpCommand =
    "  help [COMMAND], --help, -h\n"
    "      Prints this text, or the usage of COMMAND alone (as \"COMMAND --help\" does).\n"
    "  --version\n"
    "      Prints \"Linkfold 1.5\".\n";

constexpr std::string_view kGlobalOptions =
    "Global options:\n"
    "  --registry FILE   the registry export text that detection reads (else the file\n"
    "                    named by LINKFOLD_REGISTRY; else nothing is detected)\n"
    "  --log FILE        where the import log is written (default: IMPLOG.TXT in the\n"
    "                    data directory, $XDG_DATA_HOME/Quillmere/Linkfold, else\n"
    "                    ~/.local/share/Quillmere/Linkfold, as the window's)\n"
    "  --replace-char C  the replacement character for names: $, -, _, ~ or a space\n"
    "                    (default $)\n"
    "  --yes             answers Yes to every question (default: No)\n"
    "  --profile NAME    the Netscape 4.x profile to select when detection lets you choose\n"
    "                    (default: the first listed; Netscape 4.x is never switched off)\n"
    "  --home DIR        looks for today's browsers under DIR as if it were the home\n"
    "                    folder, with DIR/.config as the config folder (else the folder\n"
    "                    named by LINKFOLD_HOME; else $HOME and $XDG_CONFIG_HOME)\n"
    "  --source ID       new and open read this source (repeatable) and no other\n"
    "  --no-sources      new and open read none of today's browsers\n";

constexpr std::string_view kSources =
    "Browser sources: besides the browsers of the registry file, new and open read today's\n"
    "browsers, after the Netscape and Favorites bookmarks: Firefox profiles (places.sqlite)\n"
    "and Chromium-family profiles (Bookmarks and AccountBookmarks of Chrome, Chromium, Brave,\n"
    "Vivaldi, Edge and Opera), including snap and flatpak installs. linkfold-cli stores no\n"
    "settings, so it reads the profiles the browsers start with (Firefox's install default,\n"
    "Chromium's last used profile) unless --source or --no-sources chooses otherwise. An ID\n"
    "is the browser and the file's path, \"~/\" standing for the home folder, for example\n"
    "\"firefox:~/.mozilla/firefox/x.default-release/places.sqlite\"; detect lists them.\n";

constexpr std::string_view kRules =
    "Options may stand anywhere after the command. \"--\" ends them: every argument after it\n"
    "is taken as it is, so that \"find LIB.bml -- --text\" searches for \"--text\".\n"
    "Global options may also stand before the command.\n"
    "\n"
    "Files are replaced safely: the new contents go to a temporary file in the same folder,\n"
    "which replaces the old file only when everything was written; the old file keeps its\n"
    "permissions, and a symbolic link stays a link to the file that gets the new contents.\n";

constexpr std::string_view kMessages =
    "Messages:\n"
    "Every message the program would show in a box is printed to standard error as\n"
    "\"[information] text\", \"[question] text\", \"[exclamation] text\" or \"[error] text\".\n"
    "A question is followed by \"[answer] Yes\" or \"[answer] No\", the profile choice by\n"
    "\"[dialog] Select Netscape Communicator User Profile\" and \"[answer] NAME\".\n"
    "A message about a system error names the file and the system's reason, as in\n"
    "\"Error code = 0000000D (Permission denied)\" or \"FILE: Permission denied\".\n"
    "An import that made adjustments (lines skipped, names defaulted, folders moved)\n"
    "ends with one line \"linkfold-cli: N adjustments were made; see the import log LOG\"\n"
    "(\"1 adjustment was made\" for one); its exit status stays 0.\n"
    "A usage error prints \"linkfold-cli: REASON\" and \"Try 'linkfold-cli help COMMAND'.\"\n"
    "(\"Try 'linkfold-cli --help'.\" when no command was recognised); a mistyped command\n"
    "adds \"Did you mean 'COMMAND'?\".\n";

constexpr std::string_view kExitStatus =
    "Exit status: 0 when the library loaded cleanly, 2 when loading it failed (what was read\n"
    "is still used), 1 for a usage error.\n"
    "For new, open, import-html and the exports: 0 when the operation succeeded without a\n"
    "critical error (the import log written in full), 2 otherwise. A library named as input\n"
    "that cannot be read at all ends the command with 2 before anything is written.\n"
    "find: 1 when nothing matches. detect: 2 when the registry file cannot be read or is\n"
    "damaged, else 0. A --source ID that names no source found is a usage error (1).\n"
    "Any command: 2 when standard output or standard error could not be written.\n";

std::vector<const CommandText*> allCommands() {
  std::vector<const CommandText*> all;
  for (const CommandText& c : kReading) all.push_back(&c);
  for (const CommandText& c : kWriting) all.push_back(&c);
  return all;
}

std::size_t editDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

std::string fullHelp() {
  std::string text =
      "Usage: linkfold-cli COMMAND LIB.bml [OPTIONS]\n"
      "       linkfold-cli [GLOBAL OPTIONS] COMMAND ARGUMENTS [GLOBAL OPTIONS]\n"
      "\n"
      "Commands that read a library:\n";
  for (const CommandText& c : kReading) text += c.text;
  text += kHelpCommand;
  text += "\nCommands that import, save and export, as the window's commands do:\n";
  for (const CommandText& c : kWriting) text += c.text;
  text +=
      "  import-html and the exports read LIB.bml alone, as Open Exclusive does, with every\n"
      "  folder selected. A library without bookmarks cannot be saved (Save is disabled),\n"
      "  so new, open and import-html then write nothing and fail.\n\n";
  text += kGlobalOptions;
  text += '\n';
  text += kSources;
  text += '\n';
  text += kRules;
  text += '\n';
  text += kMessages;
  text += '\n';
  text += kExitStatus;
  return text;
}

std::optional<std::string> commandHelp(std::string_view command) {
  for (const CommandText* c : allCommands()) {
    if (c->name != command) continue;
    std::string_view text = c->text;
    const std::size_t synopsisEnd = text.find('\n');
    return "Usage: linkfold-cli " + std::string(text.substr(2, synopsisEnd - 2)) +
           " [GLOBAL OPTIONS]\n" + std::string(text.substr(synopsisEnd + 1)) +
           "\nRun 'linkfold-cli --help' for the global options, messages and exit statuses.\n";
  }
  return std::nullopt;
}

std::optional<std::string> nearestCommand(std::string_view name) {
  const CommandText* best = nullptr;
  std::size_t bestDistance = 0;
  for (const CommandText* c : allCommands()) {
    const std::size_t distance = editDistance(name, c->name);
    if (!best || distance < bestDistance) {
      best = c;
      bestDistance = distance;
    }
  }
  // Close: at most two edits, and fewer than half the name's letters.
  if (!best || bestDistance > 2 || bestDistance * 2 >= name.size()) return std::nullopt;
  return std::string(best->name);
}

}  // namespace linkfold::cli
