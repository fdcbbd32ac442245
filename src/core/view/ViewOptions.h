#pragma once
// The tree view's four options: the two delete confirmations, following moved bookmarks and
// the auto-scroll pause while dragging. The view reads them when it is created and writes the
// three flags when it ends; the scroll delay is written when the user changes it.

#include <cstdint>

namespace linkfold {

class SettingsStore;

enum class ViewToggle { ConfirmBookmarkDelete, ConfirmFolderDelete, Follow };

struct ViewOptions {
  static constexpr int kMaxScrollDelay = 100;

  bool confirmBookmarkDelete = true;
  bool confirmFolderDelete = true;
  bool follow = false;
  int scrollDelay = 0;  // milliseconds between two auto-scroll steps; 0 is no pause

  // Reads all four. A stored scroll delay outside 0..100 is pulled into range and the
  // corrected value is written back at once.
  static ViewOptions read(SettingsStore& settings);
  // Writes the three flags (not the scroll delay), whatever their state.
  void writeFlags(SettingsStore& settings) const;

  // The toggle commands flip their flag; their menu items and toolbar buttons are checked
  // exactly when the flag is on.
  void toggle(ViewToggle which);
  bool isChecked(ViewToggle which) const;
};

}  // namespace linkfold
