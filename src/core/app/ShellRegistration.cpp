#include "app/ShellRegistration.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/Files.h"

namespace linkfold {

namespace {

namespace fs = std::filesystem;

// An Exec argument in double quotes: the characters the entry format reserves inside quotes
// get a backslash, and "%" is doubled so that it is never read as a field code. Every
// backslash is then doubled once more, since the key's value is itself an escaped string.
std::string quotedExecArgument(std::string_view argument) {
  std::string quoted = "\"";
  for (const char c : argument) {
    switch (c) {
      case '"': case '`': case '$': quoted += "\\\\"; quoted += c; break;
      case '\\': quoted += "\\\\\\\\"; break;
      case '%': quoted += "%%"; break;
      case '\n': case '\r': break;  // a line break would end the key
      default: quoted += c;
    }
  }
  return quoted + '"';
}

fs::path below(const std::string& dataDirectory, std::string_view relative) {
  return fs::path(dataDirectory) / fs::path(relative);
}

bool writeIfChanged(const fs::path& path, std::string_view text) {
  if (const auto old = readWholeFile(path.string()); old && *old == text) return true;
  std::error_code error;
  fs::create_directories(path.parent_path(), error);
  if (error) return false;
  return writeFileSafely(path.string(), [text](std::ostream& out) { out << text; });
}

void removeFile(const fs::path& path) {
  std::error_code ignored;
  fs::remove(path, ignored);
}

}  // namespace

std::string desktopEntryText(std::string_view programPath) {
  std::string text = "[Desktop Entry]\nType=Application\nName=Linkfold\n";
  text += "Comment=Keeps one library of web bookmarks merged from your browsers\n";
  text += "Exec=" + quotedExecArgument(programPath) + " %f\n";
  text += "Icon=" + std::string(shell::kIconName) + "\n";
  text += "MimeType=" + std::string(shell::kMimeType) + ";\n";
  text += "Categories=Network;WebBrowser;Utility;\nTerminal=false\n";
  return text;
}

std::string mimePackageText() {
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  text += "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
  text += "  <mime-type type=\"" + std::string(shell::kMimeType) + "\">\n";
  text += "    <comment>" + std::string(shell::kTypeName) + "</comment>\n";
  text += "    <icon name=\"" + std::string(shell::kIconName) + "\"/>\n";
  text += "    <glob pattern=\"*.bml\"/>\n";
  text += "  </mime-type>\n</mime-info>\n";
  return text;
}

bool writeShellRegistration(const std::string& dataDirectory, std::string_view programPath,
                            std::string_view iconSvg) {
  bool written = writeIfChanged(below(dataDirectory, shell::kIconFile), iconSvg);
  written &= writeIfChanged(below(dataDirectory, shell::kDesktopEntryFile),
                            desktopEntryText(programPath));
  written &= writeIfChanged(below(dataDirectory, shell::kMimePackageFile), mimePackageText());
  return written;
}

void removeDesktopEntry(const std::string& dataDirectory) {
  removeFile(below(dataDirectory, shell::kDesktopEntryFile));
  removeFile(below(dataDirectory, shell::kIconFile));
}

void removeMimeType(const std::string& dataDirectory) {
  removeFile(below(dataDirectory, shell::kMimePackageFile));
}

}  // namespace linkfold
