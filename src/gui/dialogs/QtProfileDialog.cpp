#include "QtProfileDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogUnits.h"
#include "QtText.h"

namespace linkfold::gui {

QtProfileDialog::QtProfileDialog(CProfileDlg& model, UiPort& ui, QWidget* parent)
    : ModelDialog(model, ui, parent),
      model_(model),
      profiles_(new QComboBox(this)),
      disable_(new QCheckBox(toDisplay(CProfileDlg::kSwitchOffText), this)) {
  // A title without a close box.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setWindowTitle(toDisplay(CProfileDlg::kTitle));
  profiles_->setObjectName(QStringLiteral("profiles"));
  for (const std::string& profile : model_.profiles) profiles_->addItem(toDisplay(profile));
  profiles_->setCurrentIndex(model_.selected);
  profiles_->setMinimumWidth(dialogUnits(*this, 120, 12).width());
  disable_->setObjectName(QStringLiteral("disableNetscape4"));
  disable_->setChecked(model_.disableNetscape4);
  QPushButton* help =
      helpButton(toDisplay(CProfileDlg::kHelpButtonText), [this] { model_.help(this->ui()); });
  auto* ok = new QPushButton(toDisplay(CProfileDlg::kOkButtonText), this);
  ok->setObjectName(QStringLiteral("ok"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  for (std::string_view line : CProfileDlg::kIntroLines)
    layout->addWidget(new QLabel(toDisplay(line), this));
  layout->addWidget(profiles_, 0, Qt::AlignHCenter);
  layout->addWidget(disable_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(help);
  buttons->addWidget(ok);
  buttons->addStretch();
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setTabOrder(profiles_, disable_);
  setTabOrder(disable_, help);
  setTabOrder(help, ok);
  profiles_->setFocus();
}

void QtProfileDialog::readControls() {
  model_.selected = profiles_->currentIndex();
  model_.disableNetscape4 = disable_->isChecked();
}

void QtProfileDialog::showRefused() {
  profiles_->setCurrentIndex(model_.selected);
  disable_->setChecked(model_.disableNetscape4);
  profiles_->setFocus();
}

}  // namespace linkfold::gui
