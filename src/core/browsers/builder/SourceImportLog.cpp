#include "browsers/builder/SourceImportLog.h"

#include <algorithm>

#include "library/CLFDoc.h"
#include "library/CStatDlg.h"

namespace linkfold {

void beginSourceImport(CLFDoc& doc, const std::string& label, const std::string& path) {
  if (CStatDlg* status = doc.statusWindow()) status->setText("Importing " + label + " bookmarks");
  doc.logLine("Beginning " + label + " import\n\n");
  doc.logLine("Opening " + path + "\n");
}

void endSourceImport(CLFDoc& doc, const std::string& label) {
  if (!doc.adjustmentFlag()) doc.logLine(label + " import complete ... no errors.\n\n");
}

void ItemProgress::show() const {
  CStatDlg* status = doc_.statusWindow();
  if (!status) return;
  status->setText("Importing " + label_ + " bookmarks\n" + std::to_string(done_) + " items read");
  if (total_ > 0) status->setProgress(std::min(done_, total_), total_);
}

}  // namespace linkfold
