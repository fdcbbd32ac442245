// The import log and the status window of a running import.

#include <new>

#include "library/CLFDoc.h"
#include "library/CStatDlg.h"
#include "platform/Dates.h"
#include "platform/Files.h"
#include "platform/TextFile.h"
#include "platform/UiPort.h"

namespace linkfold {

bool CLFDoc::createLog() {
  const std::string header =
      "Linkfold import log created " + formatShortDateTime(clock_()) + "\n\n";
  log_.reset();  // an earlier log still open would hold the file's lock
  log_ = TextFile::create(logPath_, &logError_);
  if (!log_) return false;
  adjustment_ = false;
  logWriteFailed_ = false;
  log_->write(header);
  return true;
}

void CLFDoc::logLine(std::string_view text) {
  if (log_) log_->write(text);
}

// The entries are written in pieces, so that logging needs no memory of its own.
void CLFDoc::logNonFatal(std::string_view line, std::string_view reason) {
  logLine("HTML Error in:\n");
  logLine(line);
  logLine("\n");
  logLine(reason);
  logLine(". The line was skipped\n");
  setAdjustmentFlag();
}

void CLFDoc::logFatal(std::string_view message) {
  logLine("Critical error:\n");
  logLine(message);
  logLine("\nProcessing aborted\n");
  setAdjustmentFlag();
}

void CLFDoc::closeLog() {
  if (log_ && !log_->close()) {
    logWriteFailed_ = true;
    logError_ = log_->error();
  }
  log_.reset();
}

void CLFDoc::openStatusWindow() {
  try {
    status_ = std::make_unique<CStatDlg>(ui_);
  } catch (const std::bad_alloc&) {
    return;  // the window only shows texts; the import goes on without it
  }
  status_->center();
}

void CLFDoc::closeStatusWindow() {
  status_.reset();
}

bool CLFDoc::canViewImportLog() const {
  return fileIsReadable(logPath_);
}

void CLFDoc::OnViewImportLog() {
  if (ui_.openWithDesktop(logPath_)) return;
  ui_.inform(
      "Failed to launch external application\nEither there is no program associated with the "
      ".TXT\nextension or the existing association is damaged.\n\nIf you wish to view the error "
      "log manually,\nyou'll find it at:\n" +
      logPath_);
}

}  // namespace linkfold
