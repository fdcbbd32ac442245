#include "QtBrowserSourcesDialog.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "DialogUnits.h"
#include "QtText.h"

namespace linkfold::gui {

QtBrowserSourcesDialog::QtBrowserSourcesDialog(BrowserSourcesDialog& model, UiPort& ui,
                                               QWidget* parent)
    : ModelDialog(model, ui, parent), model_(model), sources_(new QTreeWidget(this)) {
  setWindowTitle(toDisplay(BrowserSourcesDialog::kTitle));
  sources_->setObjectName(QStringLiteral("sources"));
  sources_->setColumnCount(2);
  sources_->setHeaderLabels({tr("Profile"), tr("File")});
  sources_->setRootIsDecorated(false);
  sources_->setTextElideMode(Qt::ElideMiddle);
  sources_->setUniformRowHeights(true);
  for (const BrowserSourcesDialog::Row& row : model_.rows) {
    auto* item = new QTreeWidgetItem(sources_);
    item->setText(0, toDisplay(row.label));
    if (!row.readable) item->setToolTip(0, toDisplay(BrowserSourcesDialog::kUnreadableNote));
    item->setText(1, toDisplay(row.path));
    item->setToolTip(1, toDisplay(row.path));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
  }
  sources_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  sources_->setMinimumSize(dialogUnits(*this, 480, 120));
  if (sources_->topLevelItemCount() > 0) sources_->setCurrentItem(sources_->topLevelItem(0));

  auto* layout = new QVBoxLayout(this);
  const bool empty = model_.rows.empty();
  auto* intro = new QLabel(
      toDisplay(empty ? BrowserSourcesDialog::kNothingFound : BrowserSourcesDialog::kIntro), this);
  intro->setBuddy(sources_);
  layout->addWidget(intro);
  layout->addWidget(sources_);
  layout->addLayout(okCancelRow().layout);
  showRefused();
}

void QtBrowserSourcesDialog::readControls() {
  for (int i = 0; i < sources_->topLevelItemCount(); ++i)
    model_.rows[static_cast<std::size_t>(i)].checked =
        sources_->topLevelItem(i)->checkState(0) == Qt::Checked;
}

void QtBrowserSourcesDialog::showRefused() {
  for (int i = 0; i < sources_->topLevelItemCount(); ++i)
    sources_->topLevelItem(i)->setCheckState(
        0, model_.rows[static_cast<std::size_t>(i)].checked ? Qt::Checked : Qt::Unchecked);
  sources_->setFocus();
}

}  // namespace linkfold::gui
