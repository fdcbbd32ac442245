#pragma once
// One QAction per command of the main window, made from the core's tables: its menu text, key,
// status-bar prompt, tooltip, What's This text and toolbar picture. Triggering any of them
// reports the command id; refresh() applies the core's update handlers to all of them.

#include <QAction>
#include <QObject>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "view/CommandIds.h"

namespace linkfold::gui {

class CommandActions : public QObject {
  Q_OBJECT

 public:
  using UpdateHandler = std::function<CommandState(std::uint32_t)>;

  // The actions belong to `window`, so that their keys work wherever the focus is in it.
  CommandActions(QWidget& window, UpdateHandler update);

  // The action of a command of the menus, keys or toolbar; null for any other id.
  QAction* action(std::uint32_t command) const;
  // A new action for a command that comes and goes (a recent-file entry).
  QAction* makeAction(std::uint32_t command, const QString& text);
  void discardAction(QAction* made);
  // Enabled state, check mark and, where the handler sets one, menu text.
  void refresh(QAction& action) const;
  void refreshAll() const;

 protected:
  // Keypad keys that the window system's shortcut matching cannot tell from the main
  // keyboard's (X11 drops the keypad flag there) are caught here as they are pressed.
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  void triggered(std::uint32_t command);

 private:
  QWidget& window_;
  UpdateHandler update_;
  std::map<std::uint32_t, QAction*> actions_;
  std::map<QAction*, QString> defaultTexts_;
  std::vector<std::pair<QKeyCombination, QAction*>> keypadKeys_;  // each action's own text, for handlers that set none
};

// The picture of a toolbar button by its name among the program's icons.
QIcon toolbarIcon(std::string_view name);

}  // namespace linkfold::gui
