#pragma once
// The settings store over QSettings("Quillmere", "Linkfold"): the section "Settings" for the
// core's values and "Recent File List" for the File menu's list. On Linux an INI file under the
// user's config directory.

#include <QSettings>
#include <string>
#include <vector>

#include "platform/Settings.h"

namespace linkfold::gui {

class QtSettingsStore : public SettingsStore {
 public:
  QtSettingsStore();

  std::vector<std::string> readRecentFiles() const;
  void writeRecentFiles(const std::vector<std::string>& paths);
  // "/uninstall": every value the program keeps, in both sections.
  void removeAll();

 protected:
  std::optional<std::int32_t> readInt(std::string_view name) const override;
  std::optional<std::string> readText(std::string_view name) const override;
  void writeInt(std::string_view name, std::int32_t value) override;
  void writeText(std::string_view name, std::string_view value) override;

 private:
  mutable QSettings settings_;
};

}  // namespace linkfold::gui
