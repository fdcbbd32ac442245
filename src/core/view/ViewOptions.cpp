#include "view/ViewOptions.h"

#include <algorithm>

#include "platform/Settings.h"

namespace linkfold {

namespace {

template <class Options>  // ViewOptions or const ViewOptions
auto& flagOf(Options& options, ViewToggle which) {
  switch (which) {
    case ViewToggle::ConfirmBookmarkDelete:
      return options.confirmBookmarkDelete;
    case ViewToggle::ConfirmFolderDelete:
      return options.confirmFolderDelete;
    case ViewToggle::Follow:
      break;
  }
  return options.follow;
}

}  // namespace

ViewOptions ViewOptions::read(SettingsStore& settings) {
  ViewOptions options;
  options.confirmBookmarkDelete = settings.read(setting::kConfirmBookmarkDel) != 0;
  options.confirmFolderDelete = settings.read(setting::kConfirmFolderDel) != 0;
  options.follow = settings.read(setting::kFollow) != 0;
  const std::int32_t stored = settings.read(setting::kScrollRate);
  options.scrollDelay = std::clamp(stored, 0, kMaxScrollDelay);
  if (options.scrollDelay != stored) settings.write(setting::kScrollRate, options.scrollDelay);
  return options;
}

void ViewOptions::writeFlags(SettingsStore& settings) const {
  settings.write(setting::kConfirmBookmarkDel, confirmBookmarkDelete ? 1 : 0);
  settings.write(setting::kConfirmFolderDel, confirmFolderDelete ? 1 : 0);
  settings.write(setting::kFollow, follow ? 1 : 0);
}

void ViewOptions::toggle(ViewToggle which) {
  bool& flag = flagOf(*this, which);
  flag = !flag;
}

bool ViewOptions::isChecked(ViewToggle which) const {
  return flagOf(*this, which);
}

}  // namespace linkfold
