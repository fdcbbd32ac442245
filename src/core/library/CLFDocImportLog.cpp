// The import log and the status window of a running import.

#include "library/CLFDoc.h"
#include "library/CStatDlg.h"
#include "library/ImportLog.h"
#include "platform/Dates.h"
#include "platform/Files.h"
#include "platform/UiPort.h"

namespace linkfold {

bool CLFDoc::createLog() {
  const std::string header =
      "Linkfold import log created " + formatShortDateTime(clock_()) + "\n\n";
  log_ = ImportLog::create(logPath_);
  if (!log_) return false;
  adjustment_ = false;
  log_->write(header);
  return true;
}

void CLFDoc::logLine(std::string_view text) {
  if (log_) log_->write(text);
}

void CLFDoc::logNonFatal(std::string_view line, std::string_view reason) {
  logLine("HTML Error in:\n" + std::string(line) + "\n" + std::string(reason) +
          ". The line was skipped\n");
  adjustment_ = true;
}

void CLFDoc::logFatal(std::string_view message) {
  logLine("Critical error:\n" + std::string(message) + "\nProcessing aborted\n");
  adjustment_ = true;
}

void CLFDoc::closeLog() { log_.reset(); }

void CLFDoc::openStatusWindow() {
  status_ = std::make_unique<CStatDlg>(ui_);
  status_->center();
}

void CLFDoc::closeStatusWindow() { status_.reset(); }

bool CLFDoc::canViewImportLog() const { return fileIsReadable(logPath_); }

void CLFDoc::OnViewImportLog() {
  if (ui_.openWithDesktop(logPath_)) return;
  ui_.inform(
      "Failed to launch external application\nEither there is no program associated with the "
      ".TXT\nextension or the existing association is damaged.\n\nIf you wish to view the error "
      "log manually,\nyou'll find it at:\n" +
      logPath_);
}

}  // namespace linkfold
