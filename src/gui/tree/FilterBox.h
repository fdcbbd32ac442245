#pragma once
// FilterBox: the line above the tree that filters it as the person types. Once typing pauses,
// the text goes to the view's filter, whose search runs on a worker thread; only the newest
// result reaches the tree, on the window's thread, so typing never waits for a search. Escape
// clears the box at once (on an empty box it goes back to the tree); Down and Enter go to the
// tree.

#include <QLineEdit>
#include <QThreadPool>

class QTimer;

namespace linkfold {
class CLFView;
}

namespace linkfold::gui {

class FilterBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit FilterBox(CLFView& view, QWidget* parent = nullptr);
  // Waits for the search under way, which is told to stop first.
  ~FilterBox() override;

  // Filters for the box's text now, without waiting for typing to pause; the result still
  // arrives from the worker.
  void filterNow();

 signals:
  // The tree shows the filter's newest result, or the whole tree again.
  void filtered();
  // The person asked to go on in the tree.
  void leave();

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  CLFView& view_;
  QTimer* pause_ = nullptr;
  QThreadPool searches_;
};

}  // namespace linkfold::gui
