#include "app/ShellRegistration.h"

#include <filesystem>
#include <fstream>
#include <optional>
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
      case '"':
      case '`':
      case '$':
        quoted += "\\\\";
        quoted += c;
        break;
      case '\\':
        quoted += "\\\\\\\\";
        break;
      case '%':
        quoted += "%%";
        break;
      case '\n':
      case '\r':
        break;  // a line break would end the key
      default:
        quoted += c;
    }
  }
  return quoted + '"';
}

fs::path below(const std::string& dataDirectory, std::string_view relative) {
  return fs::path(dataDirectory) / fs::path(relative);
}

// Whether the file was written, or nothing when it could not be.
std::optional<bool> writeIfChanged(const fs::path& path, std::string_view text) {
  if (const auto old = readWholeFile(path.string()); old && *old == text) return false;
  std::error_code error;
  fs::create_directories(path.parent_path(), error);
  if (error || !writeFileSafely(path.string(), [text](std::ostream& out) { out << text; }))
    return std::nullopt;
  return true;
}

bool removeFile(const fs::path& path) {
  std::error_code ignored;
  return fs::remove(path, ignored);
}

bool isInstalledProgram(const fs::path& program) {
  std::error_code error;
  return fs::is_regular_file(program, error) &&
         (fs::status(program, error).permissions() & fs::perms::owner_exec) != fs::perms::none;
}

}  // namespace

std::string desktopEntryText(std::string_view programPath) {
  std::string text = "[Desktop Entry]\nType=Application\nName=Linkfold\n";
  text += "Comment=Keeps one library of web bookmarks merged from your browsers\n";
  text += "Exec=" + quotedExecArgument(programPath) + " %f\n";
  text += "Icon=" + std::string(shell::kIconName) + "\n";
  text += "MimeType=" + std::string(shell::kMimeType) + ";\n";
  text += "Categories=Network;\nTerminal=false\n";
  return text;
}

std::string mimePackageText() {
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  text += "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
  text += "  <mime-type type=\"" + std::string(shell::kMimeType) + "\">\n";
  text += "    <comment>" + std::string(shell::kTypeName) + "</comment>\n";
  text += "    <icon name=\"" + std::string(shell::kIconName) + "\"/>\n";
  text += "    <glob pattern=\"*.bml\"/>\n";
  // Bytes 2 to 5: the count's high half, then the root path "\" as a one-byte string.
  text += "    <magic priority=\"40\">\n";
  text += "      <match type=\"string\" offset=\"2\" value=\"\\x00\\x00\\x01\\x5c\"/>\n";
  text += "    </magic>\n";
  text += "  </mime-type>\n</mime-info>\n";
  return text;
}

std::string desktopEntryProgram(const std::string& runningProgram,
                                std::span<const std::string> dataDirectories) {
  for (const std::string& directory : dataDirectories) {
    std::error_code error;
    if (directory.empty() ||
        !fs::is_regular_file(below(directory, shell::kDesktopEntryFile), error))
      continue;
    const fs::path installed = (fs::path(directory) / ".." / "bin" / "linkfold").lexically_normal();
    if (isInstalledProgram(installed)) return installed.string();
  }
  return runningProgram;
}

ShellChanges& ShellChanges::operator|=(const ShellChanges& other) {
  desktopEntry |= other.desktopEntry;
  mimeType |= other.mimeType;
  failed |= other.failed;
  return *this;
}

ShellChanges writeShellRegistration(const std::string& dataDirectory, std::string_view programPath,
                                    std::string_view iconSvg) {
  const auto icon = writeIfChanged(below(dataDirectory, shell::kIconFile), iconSvg);
  const auto entry =
      writeIfChanged(below(dataDirectory, shell::kDesktopEntryFile), desktopEntryText(programPath));
  const auto mime =
      writeIfChanged(below(dataDirectory, shell::kMimePackageFile), mimePackageText());
  return {icon.value_or(false) || entry.value_or(false), mime.value_or(false),
          !icon || !entry || !mime};
}

ShellChanges removeDesktopEntry(const std::string& dataDirectory) {
  const bool entry = removeFile(below(dataDirectory, shell::kDesktopEntryFile));
  const bool icon = removeFile(below(dataDirectory, shell::kIconFile));
  return {entry || icon, false, false};
}

ShellChanges removeMimeType(const std::string& dataDirectory) {
  return {false, removeFile(below(dataDirectory, shell::kMimePackageFile)), false};
}

std::vector<std::vector<std::string>> cacheUpdateCommands(const ShellChanges& changes,
                                                          const std::string& dataDirectory) {
  std::vector<std::vector<std::string>> commands;
  if (changes.desktopEntry)
    commands.push_back({"update-desktop-database", below(dataDirectory, "applications").string()});
  if (changes.mimeType)
    commands.push_back({"update-mime-database", below(dataDirectory, "mime").string()});
  return commands;
}

}  // namespace linkfold
