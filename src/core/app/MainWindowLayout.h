#pragma once
// The main window's geometry rules beyond the saved placement: its minimum size and where it
// first appears while no placement is saved.

#include "tools/WindowPlacement.h"

namespace linkfold {

inline constexpr Size kMainWindowMinimum{300, 200};

// Two thirds of the work area each way (never below the minimum), centred in it.
Rect firstStartRect(const Rect& workArea);

}  // namespace linkfold
