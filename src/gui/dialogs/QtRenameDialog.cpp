#include "QtRenameDialog.h"

#include <QLineEdit>
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
  const OkCancelRow buttons = okCancelRow();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(name_);
  layout->addLayout(buttons.layout);
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
