#pragma once
// The status window ("Linkfold Status"): a small modeless window with the message of the work
// that runs and, for work of a known size, a progress bar. The work runs on this thread, so
// the window paints a new text at once (unless texts pour in) and lets the window system catch
// up now and then, often enough to stay painted and seldom enough not to slow the work.

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
  // Texts are painted as they come in bursts of up to kTextBurst, then one per kTextInterval ms.
  static constexpr double kTextBurst = 8.0;
  static constexpr int kTextInterval = 20;
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
  // Whether the paint budget allows painting a new text now.
  bool mayPaintText();

  QPointer<QWidget> owner_;
  QPointer<QWidget> window_;  // deleted with this object, or before it with its owner
  QLabel* text_;
  QProgressBar* progress_;
  QElapsedTimer sinceRefresh_;
  QElapsedTimer clock_;
  double textBudget_ = kTextBurst;
  qint64 budgetTime_ = 0;
};

}  // namespace linkfold::gui
