#include "frame/CommandActions.h"

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

#include "app/MainMenu.h"
#include "app/RecentFileList.h"
#include "frame/CoreText.h"

namespace linkfold::gui {

namespace {

QKeySequence keySequence(const Accelerator& accelerator) {
  QKeyCombination key(Qt::Key_unknown);
  switch (accelerator.key) {
    case Key::Letter: key = QKeyCombination(Qt::Key(Qt::Key_A + (accelerator.letter - 'A'))); break;
    case Key::Delete: key = QKeyCombination(Qt::Key_Delete); break;
    case Key::F1: key = QKeyCombination(Qt::Key_F1); break;
    case Key::F3: key = QKeyCombination(Qt::Key_F3); break;
    case Key::KeypadPlus: key = QKeyCombination(Qt::KeypadModifier, Qt::Key_Plus); break;
    case Key::KeypadMinus: key = QKeyCombination(Qt::KeypadModifier, Qt::Key_Minus); break;
  }
  Qt::KeyboardModifiers modifiers = key.keyboardModifiers();
  if (accelerator.ctrl) modifiers |= Qt::ControlModifier;
  if (accelerator.shift) modifiers |= Qt::ShiftModifier;
  return QKeySequence(QKeyCombination(modifiers, key.key()));
}

}  // namespace

QIcon toolbarIcon(std::string_view name) {
  return QIcon(":/icons/toolbar/" + fromCore(name) + ".svg");
}

CommandActions::CommandActions(QWidget& window, UpdateHandler update)
    : QObject(&window), window_(window), update_(std::move(update)) {
  // The recent-file entries come and go with the list (makeAction).
  for (const auto& menu : mainMenus())
    for (const auto& item : menu.items)
      if (item.id != kCmdSeparator && item.id != kCmdRecentFile1) makeAction(item.id, fromCore(item.text));
  for (const std::uint32_t command : {kCmdHelp, kCmdContextHelp})
    makeAction(command, fromCore(toolTip(command)));
  for (const auto& accelerator : accelerators()) {
    QAction* shortcutOwner = action(accelerator.command);
    QList<QKeySequence> keys = shortcutOwner->shortcuts();
    keys.append(keySequence(accelerator));
    shortcutOwner->setShortcuts(keys);
    if (keys.back()[0].keyboardModifiers() & Qt::KeypadModifier)
      keypadKeys_.emplace_back(keys.back()[0], shortcutOwner);
  }
  if (!keypadKeys_.empty()) qApp->installEventFilter(this);
  for (const auto& button : toolbarButtons())
    if (button.command != kCmdSeparator) action(button.command)->setIcon(toolbarIcon(button.icon));
}

QAction* CommandActions::makeAction(std::uint32_t command, const QString& text) {
  auto* created = new QAction(text, &window_);
  created->setObjectName(QStringLiteral("command%1").arg(command));
  created->setData(command);
  const QString prompt = QString::fromStdString(statusPrompt(command));
  created->setStatusTip(prompt);
  created->setWhatsThis(prompt);
  const QString tip = QString::fromStdString(toolTip(command));
  if (!tip.isEmpty()) created->setToolTip(tip);
  created->setCheckable(isToggle(command));
  // Menus show check marks, not the toolbar's pictures.
  created->setIconVisibleInMenu(false);
  window_.addAction(created);
  defaultTexts_[created] = text;
  if (!actions_.count(command)) actions_[command] = created;
  connect(created, &QAction::triggered, this, [this, command] {
    emit triggered(command);
  });
  return created;
}

void CommandActions::discardAction(QAction* made) {
  defaultTexts_.erase(made);
  delete made;
}

QAction* CommandActions::action(std::uint32_t command) const {
  const auto found = actions_.find(command);
  return found == actions_.end() ? nullptr : found->second;
}

void CommandActions::refresh(QAction& target) const {
  const CommandState state = update_(target.data().toUInt());
  target.setEnabled(state.enabled);
  if (target.isCheckable()) target.setChecked(state.checked);
  const QString text = state.text ? QString::fromStdString(*state.text) : defaultTexts_.at(&target);
  if (target.text() != text) target.setText(text);
}

bool CommandActions::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
  if (static_cast<QWidget*>(watched)->window() != &window_) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  for (const auto& [combination, owner] : keypadKeys_)
    if (key->keyCombination() == combination) {
      refresh(*owner);
      if (owner->isEnabled()) owner->trigger();
      return true;
    }
  return false;
}

void CommandActions::refreshAll() const {
  for (const auto& entry : defaultTexts_) refresh(*entry.first);
}

}  // namespace linkfold::gui
