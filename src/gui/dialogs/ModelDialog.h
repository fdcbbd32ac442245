#pragma once
// The Qt side of a modal dialog over one of the core's dialog models: OK copies the controls
// into the model's fields and asks the model's acceptOk; when it refuses, the dialog shows the
// fields as the model left them and stays open.

#include <QDialog>
#include <functional>
#include <memory>

#include "platform/UiPort.h"

class QHBoxLayout;
class QPushButton;

namespace linkfold::gui {

class ModelDialog : public QDialog {
  Q_OBJECT

 public:
  void accept() override;

 protected:
  ModelDialog(DialogModel& model, UiPort& ui, QWidget* parent);

  UiPort& ui() const { return ui_; }
  // A "&Help" button, and F1 anywhere in the dialog, that call `help`.
  QPushButton* helpButton(const QString& text, std::function<void()> help);
  // The row of OK (the default) at the left and Cancel at the right, wired to accept and reject.
  struct OkCancelRow {
    QHBoxLayout* layout;
    QPushButton* ok;
    QPushButton* cancel;
  };
  OkCancelRow okCancelRow();
  // Copies the controls into the model's fields.
  virtual void readControls() = 0;
  // Shows the model's fields after a refusal (the model may have changed them) and puts the
  // focus where the person goes on.
  virtual void showRefused() = 0;
  // Runs when OK was accepted, just before the dialog closes.
  virtual void closingWithOk() {}

 private:
  DialogModel& model_;
  UiPort& ui_;
};

// The window for the model's type; nothing for a model the window does not know.
std::unique_ptr<ModelDialog> makeModelDialog(DialogModel& model, UiPort& ui, QWidget* parent);

}  // namespace linkfold::gui
