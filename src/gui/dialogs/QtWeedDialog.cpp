#include "QtWeedDialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "CCheckListCtrl.h"
#include "DialogUnits.h"
#include "QtRect.h"
#include "WeedListModel.h"

namespace linkfold::gui {

QtWeedDialog::QtWeedDialog(WeedDialog& model, UiPort& ui, QWidget* parent)
    : ModelDialog(model, ui, parent), model_(model), rows_(new WeedListModel(model, this)) {
  setWindowTitle(tr("Weed Duplicates"));
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setSizeGripEnabled(true);
  list_ = new CCheckListCtrl(*rows_, this);
  auto* prompt = new QLabel(
      tr("Check the box next to each bookmark that you wish to keep.\nClick OK to remove all "
         "bookmarks that are not checked."),
      this);
  prompt->setTextFormat(Qt::PlainText);
  prompt->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  const OkCancelRow buttons = okCancelRow();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons.layout);
  setTabOrder(list_, buttons.ok);
  setTabOrder(buttons.ok, buttons.cancel);
  setMinimumSize(dialogUnits(*this, 250, 150));
  resize(dialogUnits(*this, 300, 199));
  list_->setFocus();
  restorePlacement();
}

// The list goes before the model it shows, so that it never hears from a model half gone.
QtWeedDialog::~QtWeedDialog() {
  delete list_;
}

void QtWeedDialog::showEvent(QShowEvent* event) {
  ModelDialog::showEvent(event);
  if (!isMaximized()) stoodNormal_ = true;
}

void QtWeedDialog::reject() {
  model_.reject();
  savePlacement();
  QDialog::reject();
}

void QtWeedDialog::showRefused() {
  list_->setFocus();
}

void QtWeedDialog::restorePlacement() {
  const QScreen* screen =
      parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
  const QSize minimum = minimumSize();
  const auto placement = model_.openingPlacement(toRect(screen->availableGeometry()),
                                                 {minimum.width(), minimum.height()});
  if (!placement) return;  // the first time: centred on the main window
  const QRect rect = toQRect(placement->rect);
  move(rect.topLeft());  // where the window's frame goes
  resize(rect.size());
  openedOn_ = rect;
  if (placement->maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

// The restored rectangle: where the frame's corner lies and how large the inside is, the same
// two things that restoring sets.
void QtWeedDialog::savePlacement() {
  const bool maximized = isMaximized();
  QRect restored = openedOn_;
  if (!maximized || stoodNormal_ || !openedOn_.isValid()) {
    const QPoint frameOffset = geometry().topLeft() - frameGeometry().topLeft();
    restored = maximized ? normalGeometry() : geometry();
    restored.moveTopLeft(restored.topLeft() - frameOffset);
  }
  model_.savePlacement(maximized, toRect(restored));
}

void QtWeedDialog::changeEvent(QEvent* event) {
  ModelDialog::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && isVisible() &&
      (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)) == 0)
    stoodNormal_ = true;
}

}  // namespace linkfold::gui
