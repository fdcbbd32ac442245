#pragma once
// InternetShortcut: one ".url" shortcut file, the stand-in for the shell's Internet shortcut
// object. It reads the INI text that Windows writes and writes the plain form back.

#include <optional>
#include <string>
#include <string_view>

namespace linkfold {

class InternetShortcut {
 public:
  // Reads the file; false when it cannot be read. A file without a URL loads, but has none.
  bool Load(const std::string& path);
  std::optional<std::string> GetURL() const;
  // Sets the URL, adding "http://" (or "ftp://" for an "ftp." host) when it has no protocol.
  // Refuses an empty URL and one holding a control character, which could add lines to the file.
  bool SetURL(std::string_view url);
  // Writes "[InternetShortcut]" and "URL=" with CR LF line ends; false unless everything was
  // written and the file closed without error. Never writes through a symbolic link.
  bool Save(const std::string& path);
  // The file is whole once Save has returned true; nothing is left to finish.
  void SaveCompleted(const std::string& path);

  // Why the last Save failed: the file could not be made, or not written up to its close (the
  // partial file is then removed).
  enum class SaveFailure { None, Create, Write };
  SaveFailure saveFailure() const { return saveFailure_; }
  // The system's error code for that failure.
  int saveError() const { return saveError_; }

 private:
  std::optional<std::string> url_;
  SaveFailure saveFailure_ = SaveFailure::None;
  int saveError_ = 0;
};

}  // namespace linkfold
