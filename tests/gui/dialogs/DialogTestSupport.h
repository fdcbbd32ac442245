#pragma once
// Helpers for the dialog tests: a QtUi whose messages are recorded and answered from a queue
// instead of shown, and a way to act on the modal dialog that a call is about to run.

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "../../support/MessageRecorder.h"
#include "dialogs/QtUi.h"

namespace linkfold::gui::test {

struct RecordingUi : QtUi, linkfold::test::MessageRecorder {
  RecordingUi() {
    setMessageDisplay([this](const Message& message) { return record(message); });
  }
};

// Runs `act` on the modal dialog once its event loop runs; a dialog that `act` leaves open is
// cancelled, so that a failing test cannot hang.
inline void onNextModal(std::function<void(QDialog&)> act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    act(*dialog);
    if (dialog->isVisible()) dialog->QDialog::reject();
  });
}

// Clicks the named button, which must be there: a missing button fails the test instead of
// leaving the dialog to the guard above.
inline void click(QWidget& dialog, const char* button) {
  auto* b = dialog.findChild<QPushButton*>(QString::fromLatin1(button));
  QVERIFY2(b != nullptr, button);
  b->click();
}

// Clicks the button and checks that the click closed the dialog.
inline void clickToClose(QWidget& dialog, const char* button) {
  click(dialog, button);
  QVERIFY2(!dialog.isVisible(), button);
}

}  // namespace linkfold::gui::test
