#include "QtUi.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "FileDialogFilters.h"
#include "ModelDialog.h"
#include "QtStatusWindow.h"
#include "QtText.h"

namespace linkfold::gui {

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

struct BoxButtons {
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton;  // the first, as the platform's boxes have it
};

BoxButtons boxButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::YesNo:
      return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
    case MessageButtons::YesNoCancel:
      return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes};
    case MessageButtons::Ok:
      break;
  }
  return {QMessageBox::Ok, QMessageBox::Ok};
}

Answer answerOf(QMessageBox::StandardButton button, MessageButtons buttons) {
  switch (button) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Ok:
      return Answer::Ok;
    default:
      // A box closed without a button: Cancel where it has one, otherwise No or OK.
      if (buttons == MessageButtons::YesNoCancel) return Answer::Cancel;
      return buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
  }
}

std::string localPath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

// The dialog shared by Open and Save: title, filters, default extension and proposed name.
void prepare(QFileDialog& dialog, const FileDialogRequest& request) {
  dialog.setWindowTitle(toDisplay(request.title));
  dialog.setNameFilters(qtNameFilters(request.filters));
  QString extension = toDisplay(request.defaultExtension);
  if (extension.startsWith(u'.')) extension.remove(0, 1);
  dialog.setDefaultSuffix(extension);
  if (!request.startFolder.empty())
    dialog.setDirectory(QFile::decodeName(request.startFolder.c_str()));
  if (!request.proposedName.empty())
    dialog.selectFile(QFile::decodeName(request.proposedName.c_str()));
}

std::optional<std::string> chosenFile(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return localPath(dialog.selectedFiles().constFirst());
}

}  // namespace

QtUi::QtUi(QWidget* parent) : parent_(parent) {}

Answer QtUi::showMessage(const Message& message) {
  return display_ ? display_(message) : showMessageBox(message);
}

Answer QtUi::showMessageBox(const Message& message) {
  QMessageBox box(boxIcon(message.icon), toDisplay(message.caption), toDisplay(message.text),
                  QMessageBox::NoButton, parent_);
  box.setTextFormat(Qt::PlainText);
  const BoxButtons buttons = boxButtons(message.buttons);
  box.setStandardButtons(buttons.buttons);
  box.setDefaultButton(buttons.defaultButton);
  // The Help button asks for help and leaves the question open.
  QPushButton* help = message.helpButton ? box.addButton(QMessageBox::Help) : nullptr;
  for (;;) {
    box.exec();
    if (help == nullptr || box.clickedButton() != help) break;
    showHelp(message.helpTopic);
  }
  return answerOf(box.standardButton(box.clickedButton()), message.buttons);
}

bool QtUi::runDialog(DialogModel& model) {
  const std::unique_ptr<ModelDialog> dialog = makeModelDialog(model, *this, parent_);
  if (!dialog) {
    qWarning("runDialog: no window shows this dialog model");
    return false;
  }
  return dialog->exec() == QDialog::Accepted;
}

std::optional<std::string> QtUi::chooseFileToOpen(const FileDialogRequest& request) {
  QFileDialog dialog(parent_);
  prepare(dialog, request);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return chosenFile(dialog);
}

std::optional<std::string> QtUi::chooseFileToSave(const FileDialogRequest& request) {
  QFileDialog dialog(parent_);
  prepare(dialog, request);
  dialog.setAcceptMode(QFileDialog::AcceptSave);  // asks before replacing a file
  dialog.setFileMode(QFileDialog::AnyFile);
  return chosenFile(dialog);
}

std::unique_ptr<StatusWindow> QtUi::createStatusWindow() {
  return std::make_unique<QtStatusWindow>(parent_);
}

void QtUi::setWaitCursor(bool on) {
  if (on) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++waitCursorDepth_;
  } else if (waitCursorDepth_ > 0) {
    QApplication::restoreOverrideCursor();
    --waitCursorDepth_;
  }
}

bool QtUi::openWithDesktop(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(path.c_str())));
}

bool QtUi::openUrl(const std::string& url) {
  const QUrl parsed = QUrl::fromUserInput(QString::fromStdString(url));
  return parsed.isValid() && QDesktopServices::openUrl(parsed);
}

void QtUi::showHelp(std::uint32_t topic) {
  if (help_) help_(topic);
}

}  // namespace linkfold::gui
