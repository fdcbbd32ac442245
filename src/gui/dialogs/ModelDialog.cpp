#include "ModelDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>

namespace linkfold::gui {

ModelDialog::ModelDialog(DialogModel& model, UiPort& ui, QWidget* parent)
    : QDialog(parent), model_(model), ui_(ui) {
  // No "?" button in the title bar: help is a button of the dialogs that offer it.
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

QPushButton* ModelDialog::helpButton(const QString& text, std::function<void()> help) {
  auto* button = new QPushButton(text, this);
  button->setObjectName(QStringLiteral("help"));
  connect(button, &QPushButton::clicked, this, help);
  auto* key = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(key, &QShortcut::activated, this, help);
  return button;
}

ModelDialog::OkCancelRow ModelDialog::okCancelRow() {
  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("ok"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(tr("Cancel"), this);
  cancel->setObjectName(QStringLiteral("cancel"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* row = new QHBoxLayout;
  row->addWidget(ok);
  row->addStretch();
  row->addWidget(cancel);
  return {row, ok, cancel};
}

void ModelDialog::accept() {
  readControls();
  if (!model_.acceptOk(ui_)) {
    showRefused();
    return;
  }
  closingWithOk();
  QDialog::accept();
}

}  // namespace linkfold::gui
