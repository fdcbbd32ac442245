#include "frame/StatusPanes.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

#include "app/MainMenu.h"
#include "frame/CoreText.h"

namespace linkfold::gui {

namespace {

// The X11 modifier bits that carry the lock states: Lock is Caps Lock, Mod2 is Num Lock on
// nearly every keyboard map. Scroll Lock has no modifier bit; its key press toggles it.
constexpr quint32 kX11LockMask = 1u << 1;
constexpr quint32 kX11Mod2Mask = 1u << 4;

}  // namespace

StatusPanes::StatusPanes(QStatusBar& bar) : QObject(&bar), message_(new QLabel) {
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
    indicators_.emplace_back(indicator.key, pane);
  }
  qApp->installEventFilter(this);
}

QStringList StatusPanes::indicatorTexts() const {
  QStringList texts;
  for (const auto& indicator : indicators_) texts << indicator.second->text();
  return texts;
}

bool StatusPanes::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && QGuiApplication::platformName() == "xcb" &&
      watched->isWidgetType()) {
    const auto* key = static_cast<QKeyEvent*>(event);
    // A key event that travels up through its parents is seen once.
    if (key->timestamp() == lastKeyTime_) return false;
    lastKeyTime_ = key->timestamp();
    for (auto& [lock, pane] : indicators_) {
      // The state sent is the one before this key; the lock keys themselves toggle it.
      bool on = !pane->text().isEmpty();
      Qt::Key toggler = Qt::Key_ScrollLock;
      if (lock == LockKey::Caps) {
        on = (key->nativeModifiers() & kX11LockMask) != 0;
        toggler = Qt::Key_CapsLock;
      } else if (lock == LockKey::Num) {
        on = (key->nativeModifiers() & kX11Mod2Mask) != 0;
        toggler = Qt::Key_NumLock;
      }
      if (key->key() == toggler) on = !on;
      pane->setText(on ? pane->property("indicator").toString() : QString());
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace linkfold::gui
