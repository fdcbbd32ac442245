#include "AboutBox.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace linkfold::gui {

void showAboutBox(QWidget* parent) {
  QDialog box(parent);
  box.setObjectName(QStringLiteral("aboutBox"));
  box.setWindowTitle(QObject::tr("About Linkfold"));
  box.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* icon = new QLabel(&box);
  icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
  auto* version = new QLabel(QObject::tr("Linkfold Version 1.5"), &box);
  auto* ok = new QPushButton(QObject::tr("OK"), &box);
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
  auto* line = new QHBoxLayout;
  line->addWidget(icon);
  line->addWidget(version, 1);
  auto* layout = new QVBoxLayout(&box);
  layout->addLayout(line);
  layout->addWidget(ok, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  box.exec();
}

}  // namespace linkfold::gui
