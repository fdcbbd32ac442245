#pragma once
// The program's place in the desktop, written at every start under the user's data directory
// (XDG_DATA_HOME): a desktop entry that opens ".bml" files with the program, the "Bookmark
// Library" MIME type for ".bml", and the program icon both of them name.

#include <string>
#include <string_view>

namespace linkfold {

namespace shell {
inline constexpr std::string_view kMimeType = "application/x-linkfold-library";
inline constexpr std::string_view kTypeName = "Bookmark Library";
inline constexpr std::string_view kIconName = "linkfold";
// Below the data directory.
inline constexpr std::string_view kDesktopEntryFile = "applications/linkfold.desktop";
inline constexpr std::string_view kMimePackageFile = "mime/packages/linkfold.xml";
inline constexpr std::string_view kIconFile = "icons/hicolor/scalable/apps/linkfold.svg";
}  // namespace shell

// The desktop entry's text; the program path is quoted as the entry format asks, so a path
// with spaces, quotes, "$" or "%" starts this program and nothing else.
std::string desktopEntryText(std::string_view programPath);
std::string mimePackageText();

// Writes the three files where they differ from what is there (creating the folders); false
// when any could not be written.
bool writeShellRegistration(const std::string& dataDirectory, std::string_view programPath,
                            std::string_view iconSvg);
// The two halves of the removal that "/uninstall" runs; a missing file is no error.
void removeDesktopEntry(const std::string& dataDirectory);
void removeMimeType(const std::string& dataDirectory);

}  // namespace linkfold
