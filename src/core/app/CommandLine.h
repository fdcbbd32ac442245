#pragma once
// The program's command line: an optional library file to open, "--registry FILE" naming the
// registry file that detection reads, "--home DIR" where today's browsers are looked for, and
// the "/uninstall" switch.

#include <optional>
#include <span>
#include <string>

namespace linkfold {

struct StartupRequest {
  // "/uninstall" appears somewhere in the command line, in any case, even inside a longer word.
  bool uninstall = false;
  std::optional<std::string> file;
  std::optional<std::string> registryFile;
  std::optional<std::string> home;  // --home: else LINKFOLD_HOME, else $HOME
  // Why the command line cannot be processed; empty when it can.
  std::string error;
};

// `arguments` leaves out the program's own name. An argument that is exactly the switch (in
// any case) is not taken as a file name, so answering No to the uninstall question starts the
// program as if the switch were not there.
StartupRequest parseCommandLine(std::span<const std::string> arguments);

// "--help" or "--version" before any "--": the text the program prints before it ends,
// without needing a display (kUsage or kVersion); null for any other command line.
const char* informationRequest(std::span<const std::string> arguments);

inline constexpr const char* kVersion = "Linkfold 1.5\n";

inline constexpr const char* kUsage =
    "usage: linkfold [--registry FILE] [--home DIR] [LIBRARY.bml] [/uninstall]\n"
    "       linkfold --help | --version\n"
    "  LIBRARY.bml      the library to open; without one, a new library is built from the\n"
    "                   bookmarks of the browsers found\n"
    "  --registry FILE  the registry export text that browser detection reads (else the file\n"
    "                   named by LINKFOLD_REGISTRY; else no browser is found)\n"
    "  --home DIR       looks for Firefox and the Chromium family under DIR, as if it were\n"
    "                   the home folder, with DIR/.config as the config folder (else the\n"
    "                   folder named by LINKFOLD_HOME; else $HOME and $XDG_CONFIG_HOME)\n"
    "  /uninstall       removes Linkfold's settings, desktop entry and file type\n"
    "  --version        prints the program's name and version and ends\n";

}  // namespace linkfold
