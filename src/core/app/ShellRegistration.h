#pragma once
// The program's place in the desktop, written at every start under the user's data directory
// (XDG_DATA_HOME): a desktop entry that opens ".bml" files with the program, the "Bookmark
// Library" MIME type for ".bml", and the program icon both of them name.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace linkfold {

namespace shell {
inline constexpr std::string_view kMimeType = "application/x-linkfold-library";
inline constexpr std::string_view kTypeName = "Bookmark Library";
inline constexpr std::string_view kIconName = "linkfold";
// Below the data directory. The installed entry has the same desktop-file id, so that the
// per-user one takes its place in the menu instead of standing beside it.
inline constexpr std::string_view kDesktopEntryFile = "applications/linkfold.desktop";
inline constexpr std::string_view kMimePackageFile = "mime/packages/linkfold.xml";
inline constexpr std::string_view kIconFile = "icons/hicolor/scalable/apps/linkfold.svg";
}  // namespace shell

// The desktop entry's text; the program path is quoted as the entry format asks, so a path
// with spaces, quotes, "$" or "%" starts this program and nothing else.
std::string desktopEntryText(std::string_view programPath);
// The type matches "*.bml" and, for files named otherwise, the start every saved library
// has: a folder count below 65536 and the root folder's path, one backslash.
std::string mimePackageText();

// The program the per-user entry starts. Where Linkfold is installed (a data directory's
// "applications/linkfold.desktop" beside "../bin/linkfold"), the installed binary: a copy
// run from a build tree must not take the installed program's place in the menu. Elsewhere
// the running program. `dataDirectories` in the order the desktop searches them.
std::string desktopEntryProgram(const std::string& runningProgram,
                                std::span<const std::string> dataDirectories);

// What a registration or a removal did to the files; the desktop's caches are refreshed only
// for what changed.
struct ShellChanges {
  bool desktopEntry = false;  // the entry or the icon written or removed
  bool mimeType = false;      // the MIME package written or removed
  bool failed = false;        // a file could not be written
  ShellChanges& operator|=(const ShellChanges& other);
};

// Writes the three files where they differ from what is there (creating the folders).
ShellChanges writeShellRegistration(const std::string& dataDirectory, std::string_view programPath,
                                    std::string_view iconSvg);
// The two halves of the removal that "/uninstall" runs; a missing file is no error.
ShellChanges removeDesktopEntry(const std::string& dataDirectory);
ShellChanges removeMimeType(const std::string& dataDirectory);

// The cache tools to run after `changes` (update-desktop-database, update-mime-database), each
// as its program followed by its arguments; none when nothing changed.
std::vector<std::vector<std::string>> cacheUpdateCommands(const ShellChanges& changes,
                                                          const std::string& dataDirectory);

}  // namespace linkfold
