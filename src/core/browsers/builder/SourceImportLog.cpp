#include "browsers/builder/SourceImportLog.h"

#include <new>

#include "library/CLFDoc.h"
#include "library/CStatDlg.h"

namespace linkfold {

bool importSource(CLFDoc& doc, const std::string& label, const std::string& path,
                  std::string_view where, const std::function<bool()>& read) {
  if (CStatDlg* status = doc.statusWindow()) status->setText("Importing " + label + " bookmarks");
  doc.logLine("Beginning " + label + " import\n\n");
  doc.logLine("Opening " + path + "\n");
  bool done = false;
  try {
    done = read();
  } catch (const std::bad_alloc&) {
    doc.logFatal(std::string(where) + "Not enough memory to read " + path);
  }
  if (!doc.adjustmentFlag()) doc.logLine(label + " import complete ... no errors.\n\n");
  return done;
}

void ItemProgress::show() const {
  CStatDlg* status = doc_.statusWindow();
  if (!status) return;
  status->setText("Importing " + label_ + " bookmarks\n" + std::to_string(done_) + " items read");
}

}  // namespace linkfold
