#pragma once
// The settings store: named values in the section "Settings". This file is the one place that
// spells the value names, their types and their defaults.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace linkfold {

struct IntSetting {
  std::string_view name;
  std::int32_t fallback;
};

struct TextSetting {
  std::string_view name;
  std::string_view fallback;
};

namespace setting {
inline constexpr std::string_view kSection = "Settings";
inline constexpr IntSetting kReplaceChar{"ReplaceChar", 36};  // "$"
inline constexpr IntSetting kConfirmBookmarkDel{"ConfirmBookmarkDel", 1};
inline constexpr IntSetting kConfirmFolderDel{"ConfirmFolderDel", 1};
inline constexpr IntSetting kFollow{"Follow", 1};
inline constexpr IntSetting kScrollRate{"ScrollRate", 0};  // 0..100
inline constexpr IntSetting kIgnoreCase{"IgnoreCase", 0};
inline constexpr IntSetting kUndoMemoryMB{"UndoMemoryMB", 256};     // the undo stack's bound
inline constexpr TextSetting kMainWindowPos{"MainWindowPos", "*"};  // "%u,%i,%i,%i,%i"
inline constexpr TextSetting kWeedDlgPos{"WeedDlgPos", "*"};        // "%i,%i,%i,%i,%i"
// Today's browsers seen so far, one "1 <id>" (chosen) or "0 <id>" a line; in the ids "%",
// control characters and bytes outside ASCII are written as %XX.
inline constexpr TextSetting kBrowserSources{"BrowserSources", ""};
// The folder each kind of file was last opened from or saved to.
inline constexpr TextSetting kLibraryFolder{"LibraryFolder", ""};
inline constexpr TextSetting kHtmlFolder{"HtmlFolder", ""};
inline constexpr TextSetting kTextFolder{"TextFolder", ""};
}  // namespace setting

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  std::int32_t read(const IntSetting& s) const { return readInt(s.name).value_or(s.fallback); }
  std::string read(const TextSetting& s) const {
    return readText(s.name).value_or(std::string(s.fallback));
  }
  void write(const IntSetting& s, std::int32_t value) { writeInt(s.name, value); }
  void write(const TextSetting& s, std::string_view value) { writeText(s.name, value); }

 protected:
  virtual std::optional<std::int32_t> readInt(std::string_view name) const = 0;
  virtual std::optional<std::string> readText(std::string_view name) const = 0;
  virtual void writeInt(std::string_view name, std::int32_t value) = 0;
  virtual void writeText(std::string_view name, std::string_view value) = 0;
};

// Keeps the values in memory: for tests and for the command-line tool, which stores nothing.
class InMemorySettings : public SettingsStore {
 public:
  bool contains(std::string_view name) const { return values_.count(std::string(name)) != 0; }
  // How many writes reached the store, to tell "written back" from "left alone".
  int writeCount() const { return writes_; }
  using SettingsStore::read;
  using SettingsStore::write;

 protected:
  std::optional<std::int32_t> readInt(std::string_view name) const override;
  std::optional<std::string> readText(std::string_view name) const override;
  void writeInt(std::string_view name, std::int32_t value) override;
  void writeText(std::string_view name, std::string_view value) override;

 private:
  std::map<std::string, std::string, std::less<>> values_;
  int writes_ = 0;
};

}  // namespace linkfold
