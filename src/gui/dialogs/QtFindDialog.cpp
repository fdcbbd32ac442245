#include "QtFindDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "CharacterLimit.h"
#include "DialogUnits.h"
#include "QtText.h"

namespace linkfold::gui {

namespace {

// A group box of radio buttons, each with the id of its choice (0, 1, ...).
QGroupBox* radioGroup(const QString& title, const QStringList& choices, const QString& name,
                      QButtonGroup*& group, QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(name);
  group = new QButtonGroup(box);
  auto* layout = new QVBoxLayout(box);
  for (int id = 0; id < choices.size(); ++id) {
    auto* button = new QRadioButton(choices[id], box);
    button->setObjectName(name + QString::number(id));
    group->addButton(button, id);
    layout->addWidget(button);
  }
  return box;
}

}  // namespace

QtFindDialog::QtFindDialog(FindDialog& model, UiPort& ui, QWidget* parent)
    : ModelDialog(model, ui, parent),
      model_(model),
      text_(new QLineEdit(this)),
      ignoreCase_(new QCheckBox(tr("&Ignore upper/lower case"), this)) {
  setWindowTitle(tr("Find Bookmark"));
  auto* prompt = new QLabel(tr("&Enter text to search for:"), this);
  prompt->setBuddy(text_);
  text_->setObjectName(QStringLiteral("text"));
  limitCharacters(*text_, FindDialog::kMaxTextChars);
  text_->setMinimumWidth(dialogUnits(*this, 172, 14).width());
  ignoreCase_->setObjectName(QStringLiteral("ignoreCase"));
  QGroupBox* lookIn =
      radioGroup(tr("&Look In:"), {tr("Name and URL"), tr("Name only"), tr("URL only")},
                 QStringLiteral("lookIn"), lookIn_, this);
  QGroupBox* startAt = radioGroup(tr("&Start at:"), {tr("Root Folder"), tr("Current Item")},
                                  QStringLiteral("startAt"), startAt_, this);
  const OkCancelRow buttons = okCancelRow();

  auto* groups = new QHBoxLayout;
  groups->addWidget(lookIn, 1);
  groups->addWidget(startAt, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(text_);
  layout->addWidget(ignoreCase_);
  layout->addLayout(groups, 1);
  layout->addLayout(buttons.layout);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  showFields();
}

void QtFindDialog::showFields() {
  shownText_ = model_.fields.text;
  text_->setText(toDisplay(shownText_));
  ignoreCase_->setChecked(model_.fields.ignoreCase);
  lookIn_->button(static_cast<int>(model_.fields.lookIn))->setChecked(true);
  startAt_->button(static_cast<int>(model_.fields.startAt))->setChecked(true);
  text_->selectAll();
  text_->setFocus();
}

void QtFindDialog::readControls() {
  model_.fields.text = fromDisplay(text_->text(), shownText_);
  model_.fields.ignoreCase = ignoreCase_->isChecked();
  model_.fields.lookIn = static_cast<FindLookIn>(lookIn_->checkedId());
  model_.fields.startAt = static_cast<FindStartAt>(startAt_->checkedId());
}

void QtFindDialog::showRefused() {
  showFields();
}

}  // namespace linkfold::gui
