#include "QtPropertiesDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DialogUnits.h"
#include "QtText.h"

namespace linkfold::gui {

namespace {

// A sunken, read-only field.
QLabel* valueField(const std::string& text, const QString& name, QWidget* parent) {
  auto* label = new QLabel(toDisplay(text), parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

QtPropertiesDialog::QtPropertiesDialog(CPropertiesDlg& model, UiPort& ui, QWidget* parent)
    : ModelDialog(model, ui, parent),
      model_(model),
      originalUrl_(model.url),
      url_(new QLineEdit(this)) {
  setWindowTitle(tr("Bookmark Properties"));
  url_->setObjectName(QStringLiteral("url"));
  url_->setMinimumWidth(dialogUnits(*this, 280, 12).width());
  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("ok"));
  ok->setDefault(true);
  QPushButton* help = helpButton(tr("&Help"), [this] { model_.help(this->ui()); });
  auto* cancel = new QPushButton(tr("Cancel"), this);
  cancel->setObjectName(QStringLiteral("cancel"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(tr("Name:"), this), 0, 0);
  grid->addWidget(valueField(model_.name, QStringLiteral("name"), this), 0, 1, 1, 2);
  grid->addWidget(new QLabel(tr("URL:"), this), 1, 0);
  grid->addWidget(url_, 1, 1, 1, 2);
  const std::pair<QString, const std::string*> dates[] = {
      {tr("Date added:"), &model_.dateAdded},
      {tr("Date Modified:"), &model_.dateModified},
      {tr("Last Visit:"), &model_.lastVisit}};
  const QString dateNames[] = {QStringLiteral("dateAdded"), QStringLiteral("dateModified"),
                               QStringLiteral("lastVisit")};
  QPushButton* const buttons[] = {ok, help, cancel};
  for (int i = 0; i < 3; ++i) {
    grid->addWidget(new QLabel(dates[i].first, this), 2 + i, 0);
    grid->addWidget(valueField(*dates[i].second, dateNames[i], this), 2 + i, 1);
    grid->addWidget(buttons[i], 2 + i, 2);
  }
  grid->setColumnStretch(1, 1);
  grid->setSizeConstraint(QLayout::SetFixedSize);
  setTabOrder(url_, ok);
  setTabOrder(ok, help);
  setTabOrder(help, cancel);
  showUrl();
}

void QtPropertiesDialog::showUrl() {
  url_->setText(toDisplay(model_.url));
  url_->end(false);  // the caret after the last character, scrolled into view
  url_->setFocus();
}

void QtPropertiesDialog::setVisible(bool visible) {
  ModelDialog::setVisible(visible);
  if (visible) url_->end(false);
}

void QtPropertiesDialog::readControls() {
  model_.url = fromDisplay(url_->text(), originalUrl_);
  model_.urlUndo.reset();
  if (url_->isUndoAvailable()) {
    url_->undo();
    model_.urlUndo = fromDisplay(url_->text(), originalUrl_);
    url_->redo();
  }
}

void QtPropertiesDialog::showRefused() {
  showUrl();
}

}  // namespace linkfold::gui
