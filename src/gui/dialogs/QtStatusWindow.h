#pragma once
// The status window ("Linkfold Status"): a small modeless window with the message of the work
// that runs and, for work of a known size, a progress bar. The work runs on this thread, so
// the window paints itself whenever it changes and lets the window system catch up now and
// then, often enough to stay painted and seldom enough not to slow the work.

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <cstdint>

#include "platform/UiPort.h"

class QLabel;
class QProgressBar;

namespace linkfold::gui {

class QtStatusWindow : public StatusWindow {
 public:
  // The milliseconds between two rounds of the window system's events while the work runs.
  static constexpr int kRefreshInterval = 50;
  // Progress is shown in steps of one in kProgressSteps.
  static constexpr int kProgressSteps = 1000;

  explicit QtStatusWindow(QWidget* owner);
  ~QtStatusWindow() override;
  QtStatusWindow(const QtStatusWindow&) = delete;
  QtStatusWindow& operator=(const QtStatusWindow&) = delete;

  void setText(const std::string& text) override;
  void setProgress(std::uint64_t done, std::uint64_t total) override;
  void center() override;
  void hide() override;

  QWidget* window() const { return window_; }

 private:
  // Paints now; lets the window system catch up when the last round is long enough ago (or
  // always, when `force`).
  void refresh(bool force);

  QPointer<QWidget> owner_;
  QWidget* window_;  // deleted with this object
  QLabel* text_;
  QProgressBar* progress_;
  QElapsedTimer sinceRefresh_;
};

}  // namespace linkfold::gui
