#pragma once
// The core's file filters ("Bookmark Libraries (*.bml)" with "*.bml") as Qt name filters.

#include <QStringList>
#include <vector>

#include "platform/UiPort.h"

namespace linkfold::gui {

// Each filter reads "description (patterns)" with the patterns separated by blanks, whether or
// not the description already names them.
QStringList qtNameFilters(const std::vector<FileFilter>& filters);

}  // namespace linkfold::gui
