#include "QtOptionDialogs.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogUnits.h"
#include "QtText.h"

namespace linkfold::gui {

namespace {

QPushButton* button(const QString& text, const QString& name, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  return b;
}

QLabel* wrappedText(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  return label;
}

}  // namespace

QtScrollRateDialog::QtScrollRateDialog(ScrollRateDialog& model, UiPort& ui, QWidget* parent)
    : ModelDialog(model, ui, parent), model_(model), rate_(new QLineEdit(this)) {
  setWindowTitle(tr("Set Scroll Rate"));
  rate_->setObjectName(QStringLiteral("rate"));
  rate_->setFixedWidth(dialogUnits(*this, 40, 14).width());
  QPushButton* ok = button(tr("&OK"), QStringLiteral("ok"), this);
  ok->setDefault(true);
  QPushButton* help = helpButton(tr("&Help"), [this] { model_.help(this->ui()); });
  QPushButton* cancel = button(tr("Cancel"), QStringLiteral("cancel"), this);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(help);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      wrappedText(tr("Enter the desired scroll rate here.\n0 = Slowest, 100 = Fastest"), this));
  layout->addWidget(rate_, 0, Qt::AlignHCenter);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  showRefused();
}

void QtScrollRateDialog::readControls() {
  model_.text = rate_->text().toStdString();
}

void QtScrollRateDialog::showRefused() {
  rate_->setText(toDisplay(model_.text));
  rate_->selectAll();
  rate_->setFocus();
}

QtReplaceCharDialog::QtReplaceCharDialog(ReplaceCharDialog& model, UiPort& ui, QWidget* parent)
    : ModelDialog(model, ui, parent), model_(model), characters_(new QComboBox(this)) {
  setWindowTitle(tr("Select Replacement Character"));
  characters_->setObjectName(QStringLiteral("characters"));
  for (std::string_view entry : ReplaceCharDialog::kEntries) characters_->addItem(toDisplay(entry));
  characters_->setMinimumWidth(dialogUnits(*this, 97, 12).width());
  characters_->setCurrentIndex(static_cast<int>(model_.selection));
  const OkCancelRow buttons = okCancelRow();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(wrappedText(
      tr("Use the drop-list below to select the character that Linkfold will use to replace "
         "those characters (* : ? \\ /  < > |) that are not allowed in folder or file names."),
      this));
  layout->addWidget(wrappedText(
      tr("After you change this setting, you should use the File | New command to discard the "
         "current library, re-import your bookmarks, and re-adjust their names accordingly, "
         "using the new character that you selected."),
      this));
  layout->addWidget(wrappedText(
      tr("Changing this setting will not affect the contents of your current library or any "
         "library that you have already saved to disk."),
      this));
  layout->addWidget(characters_, 0, Qt::AlignHCenter);
  layout->addLayout(buttons.layout);
  setFixedWidth(dialogUnits(*this, 281, 164).width());
  characters_->setFocus();
}

void QtReplaceCharDialog::readControls() {
  if (characters_->currentIndex() >= 0)
    model_.selection = static_cast<std::size_t>(characters_->currentIndex());
}

void QtReplaceCharDialog::showRefused() {
  characters_->setFocus();
}

}  // namespace linkfold::gui
