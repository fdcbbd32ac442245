#include "frame/QtSettingsStore.h"

#include "app/RecentFileList.h"
#include "frame/CoreText.h"

namespace linkfold::gui {

namespace {

QString key(std::string_view section, std::string_view name) {
  return fromCore(section) + '/' + fromCore(name);
}

QString settingKey(std::string_view name) {
  return key(setting::kSection, name);
}

}  // namespace

QtSettingsStore::QtSettingsStore() : settings_("Quillmere", "Linkfold") {}

std::optional<std::int32_t> QtSettingsStore::readInt(std::string_view name) const {
  const QVariant value = settings_.value(settingKey(name));
  if (!value.isValid()) return std::nullopt;
  bool ok = false;
  const int number = value.toString().trimmed().toInt(&ok);
  if (!ok) return std::nullopt;
  return number;
}

std::optional<std::string> QtSettingsStore::readText(std::string_view name) const {
  const QVariant value = settings_.value(settingKey(name));
  if (!value.isValid()) return std::nullopt;
  return value.toString().toStdString();
}

void QtSettingsStore::writeInt(std::string_view name, std::int32_t value) {
  settings_.setValue(settingKey(name), value);
}

void QtSettingsStore::writeText(std::string_view name, std::string_view value) {
  settings_.setValue(settingKey(name), fromCore(value));
}

std::vector<std::string> QtSettingsStore::readRecentFiles() const {
  std::vector<std::string> paths;
  for (std::size_t i = 0; i < RecentFileList::kSize; ++i)
    paths.push_back(settings_
                        .value(key(RecentFileList::kSection, RecentFileList::valueName(i)))
                        .toString()
                        .toStdString());
  return paths;
}

void QtSettingsStore::writeRecentFiles(const std::vector<std::string>& paths) {
  for (std::size_t i = 0; i < RecentFileList::kSize; ++i) {
    const QString name = key(RecentFileList::kSection, RecentFileList::valueName(i));
    if (i < paths.size())
      settings_.setValue(name, QString::fromStdString(paths[i]));
    else
      settings_.remove(name);
  }
  settings_.sync();
}

void QtSettingsStore::removeAll() {
  settings_.clear();
  settings_.sync();
}

}  // namespace linkfold::gui
