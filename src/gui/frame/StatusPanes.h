#pragma once
// The status bar's panes: the message pane ("For Help, press F1" when idle, a command's prompt
// while the pointer is over it) and the Caps Lock, Num Lock and Scroll Lock indicators. The
// lock states are read from the modifier state the window system sends with each key; where
// that state does not tell them, the indicators are hidden.

#include <QObject>
#include <utility>
#include <vector>

#include "app/MainMenu.h"

class QLabel;
class QStatusBar;

namespace linkfold::gui {

class StatusPanes : public QObject {
  Q_OBJECT

 public:
  explicit StatusPanes(QStatusBar& bar);

  QLabel* messagePane() const { return message_; }
  // The indicator texts as shown ("" while the lock is off), in the order of the panes.
  QStringList indicatorTexts() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* message_;
  std::vector<std::pair<LockKey, QLabel*>> indicators_;
  quint64 lastKeyTime_ = 0;
};

}  // namespace linkfold::gui
