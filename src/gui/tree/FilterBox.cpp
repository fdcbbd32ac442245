#include "tree/FilterBox.h"

#include <QKeyEvent>
#include <QTimer>
#include <memory>

#include "view/CLFView.h"

namespace linkfold::gui {

namespace {

// How long typing must pause before the tree is filtered: long enough that a burst of keys
// filters once, short enough to feel immediate.
constexpr int kFilterPauseMs = 40;

}  // namespace

FilterBox::FilterBox(CLFView& view, QWidget* parent) : QLineEdit(parent), view_(view) {
  setPlaceholderText("Filter");
  setClearButtonEnabled(true);
  // One search at a time: a superseded one stops within a millisecond for the next.
  searches_.setMaxThreadCount(1);
  pause_ = new QTimer(this);
  pause_->setSingleShot(true);
  pause_->setInterval(kFilterPauseMs);
  connect(pause_, &QTimer::timeout, this, &FilterBox::filterNow);
  connect(this, &QLineEdit::textChanged, pause_, qOverload<>(&QTimer::start));
}

FilterBox::~FilterBox() {
  view_.supersedeFilterSearches();
  searches_.waitForDone();
}

void FilterBox::filterNow() {
  pause_->stop();
  if (text().isEmpty()) {
    view_.clearFilter();
    emit filtered();
    return;
  }
  auto job = std::make_shared<const BookmarkFilter::Job>(view_.startFilter(text().toStdString()));
  searches_.start([this, job] {
    auto result = std::make_shared<std::optional<FilterMatches>>(job->run());
    // Queued to this box's thread; the destructor waits for this task, so the box still lives.
    QMetaObject::invokeMethod(
        this,
        [this, job, result] {
          switch (view_.applyFilter(*job, std::move(*result))) {
            case BookmarkFilter::Outcome::Taken:
              emit filtered();
              break;
            case BookmarkFilter::Outcome::Stale:  // the library changed meanwhile
              filterNow();
              break;
            case BookmarkFilter::Outcome::Superseded:  // a newer search is on its way
              break;
          }
        },
        Qt::QueuedConnection);
  });
}

void FilterBox::focusInEvent(QFocusEvent* event) {
  // The texts are folded while the person is about to type, not at the first keystroke.
  view_.prepareFilter();
  QLineEdit::focusInEvent(event);
}

void FilterBox::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      if (text().isEmpty()) emit leave();
      clear();
      filterNow();
      return;
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (pause_->isActive()) filterNow();
      emit leave();
      return;
    default:
      QLineEdit::keyPressEvent(event);
  }
}

}  // namespace linkfold::gui
