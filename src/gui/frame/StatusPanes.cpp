#include "frame/StatusPanes.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

#include "app/LockIndicators.h"
#include "app/MainMenu.h"
#include "frame/CoreText.h"

namespace linkfold::gui {

namespace {

Qt::Key keyOf(LockKey lock) {
  switch (lock) {
    case LockKey::Caps:
      return Qt::Key_CapsLock;
    case LockKey::Num:
      return Qt::Key_NumLock;
    case LockKey::Scroll:
      break;
  }
  return Qt::Key_ScrollLock;
}

}  // namespace

StatusPanes::StatusPanes(QStatusBar& bar) : QObject(&bar), message_(new QLabel) {
  // Where the window system does not tell the lock states, the panes are hidden.
  const bool known = lockStatesKnown(QGuiApplication::platformName().toStdString());
  message_->setObjectName("messagePane");
  message_->setText(fromCore(kIdlePrompt));
  bar.addWidget(message_, 1);
  for (const auto& indicator : statusIndicators()) {
    auto* pane = new QLabel;
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(" SCRL "));
    pane->setProperty("indicator", fromCore(indicator.text));
    bar.addPermanentWidget(pane);
    pane->setVisible(known);
    indicators_.emplace_back(indicator.key, pane);
  }
  if (known) qApp->installEventFilter(this);
}

QStringList StatusPanes::indicatorTexts() const {
  QStringList texts;
  for (const auto& indicator : indicators_) texts << indicator.second->text();
  return texts;
}

bool StatusPanes::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
    const auto* key = static_cast<QKeyEvent*>(event);
    // A key event that travels up through its parents is seen once.
    if (key->timestamp() == lastKeyTime_) return false;
    lastKeyTime_ = key->timestamp();
    for (auto& [lock, pane] : indicators_) {
      const bool on = lockStateAfterKey(lock, key->nativeModifiers(), key->key() == keyOf(lock),
                                        !pane->text().isEmpty());
      pane->setText(on ? pane->property("indicator").toString() : QString());
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace linkfold::gui
