#pragma once
// CStatDlg: the "Linkfold Status" window shown while an import, an export or a weed works.
// Created hidden; setText replaces its message and shows it; destroyed with the object.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/UiPort.h"

namespace linkfold {

class CStatDlg {
 public:
  explicit CStatDlg(UiPort& ui) : window_(ui.createStatusWindow()) {}

  void setText(const std::string& text) {
    if (window_) window_->setText(text);
  }
  void setProgress(std::uint64_t done, std::uint64_t total) {
    if (window_) window_->setProgress(done, total);
  }
  void center() {
    if (window_) window_->center();
  }
  void hide() {
    if (window_) window_->hide();
  }

 private:
  // Absent when the window could not be made; the work goes on without it.
  std::unique_ptr<StatusWindow> window_;
};

}  // namespace linkfold
