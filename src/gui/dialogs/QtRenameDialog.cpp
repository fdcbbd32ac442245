#include "QtRenameDialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "CharacterLimit.h"
#include "DialogUnits.h"
#include "QtText.h"

namespace linkfold::gui {

QtRenameDialog::QtRenameDialog(CRenameDlg& model, UiPort& ui, QWidget* parent)
    : ModelDialog(model, ui, parent), model_(model), name_(new QLineEdit(this)) {
  setWindowTitle(toDisplay(model_.title()));
  name_->setObjectName(QStringLiteral("name"));
  limitCharacters(*name_, CRenameDlg::kMaxChars);
  name_->setMinimumWidth(dialogUnits(*this, 172, 14).width());
  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("ok"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  cancel->setObjectName(QStringLiteral("cancel"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok);
  buttons->addStretch();
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(name_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  showName();
}

void QtRenameDialog::showName() {
  shownName_ = model_.name;
  name_->setText(toDisplay(shownName_));
  name_->selectAll();
  name_->setFocus();
}

void QtRenameDialog::readControls() {
  model_.name = fromDisplay(name_->text(), shownName_);
}

void QtRenameDialog::showRefused() {
  showName();
}

}  // namespace linkfold::gui
