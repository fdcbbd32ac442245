#pragma once
// "About Linkfold": the program's icon, its version, OK.

class QWidget;

namespace linkfold::gui {

void showAboutBox(QWidget* parent);

}  // namespace linkfold::gui
