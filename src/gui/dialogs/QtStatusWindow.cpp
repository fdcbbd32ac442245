#include "QtStatusWindow.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "DialogUnits.h"
#include "QtText.h"

namespace linkfold::gui {

QtStatusWindow::QtStatusWindow(QWidget* owner)
    : owner_(owner),
      // A title without buttons: the window goes away when the work is done, not before.
      window_(new QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)),
      text_(new QLabel(window_)),
      progress_(new QProgressBar(window_)) {
  window_->setObjectName(QStringLiteral("statusWindow"));
  window_->setWindowTitle(QStringLiteral("Linkfold Status"));
  text_->setObjectName(QStringLiteral("statusText"));
  text_->setTextFormat(Qt::PlainText);
  text_->setWordWrap(true);
  text_->setMinimumHeight(text_->fontMetrics().lineSpacing() * 2);
  progress_->setObjectName(QStringLiteral("statusProgress"));
  progress_->setRange(0, kProgressSteps);
  progress_->setTextVisible(false);
  progress_->hide();
  auto* layout = new QVBoxLayout(window_);
  layout->addWidget(text_);
  layout->addWidget(progress_);
  window_->setMinimumWidth(dialogUnits(*window_, 230, 42).width());
  window_->adjustSize();
  clock_.start();
}

QtStatusWindow::~QtStatusWindow() {
  delete window_;
}

void QtStatusWindow::setText(const std::string& text) {
  const bool appearing = !window_->isVisible();
  text_->setText(toDisplay(text));
  window_->show();
  // The new text shows at once, however long the step that follows it runs, unless texts come
  // so fast that painting them would slow the work; then the next refresh shows the latest.
  if (!appearing && mayPaintText()) text_->repaint();
  refresh(appearing);
}

bool QtStatusWindow::mayPaintText() {
  const qint64 now = clock_.elapsed();
  textBudget_ =
      std::min(kTextBurst, textBudget_ + static_cast<double>(now - budgetTime_) / kTextInterval);
  budgetTime_ = now;
  if (textBudget_ < 1.0) return false;
  textBudget_ -= 1.0;
  return true;
}

void QtStatusWindow::setProgress(std::uint64_t done, std::uint64_t total) {
  if (total == 0) {
    progress_->hide();
    return;
  }
  const double part = static_cast<double>(std::min(done, total)) / static_cast<double>(total);
  const auto step = static_cast<int>(part * kProgressSteps);
  if (progress_->isVisible() && progress_->value() == step) return;  // nothing new to paint
  progress_->setValue(step);
  progress_->show();
  refresh(false);
}

void QtStatusWindow::center() {
  // On the owner when it is on the screen; an import at start-up runs before it shows.
  const QRect area = owner_ && owner_->isVisible() ? owner_->frameGeometry()
                                                   : window_->screen()->availableGeometry();
  QRect frame = window_->frameGeometry();
  frame.moveCenter(area.center());
  window_->move(frame.topLeft());
}

void QtStatusWindow::hide() {
  window_->hide();
}

void QtStatusWindow::refresh(bool force) {
  if (!window_->isVisible()) return;
  if (!force && sinceRefresh_.isValid() && sinceRefresh_.elapsed() < kRefreshInterval) return;
  sinceRefresh_.start();
  window_->repaint();
  // Expose and paint events only: the person's input waits until the work is done.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace linkfold::gui
