#pragma once
// The import run: reads every detected browser's bookmarks into the library with the import
// log and the status window, makes names unique, sorts, and sums up what had to be adjusted.
// It is what New and Open add to the plain document commands (through the document's import
// hook), and it carries "&Import HTML...", which adds one Netscape-format file.

#include <functional>
#include <string>

#include "browsers/sources/BrowserSource.h"
#include "library/CLFDoc.h"

namespace linkfold {

class ImportRun : public DocumentImportHook {
 public:
  // `updateAllViews` refills the views after Import HTML.
  ImportRun(CLFDoc& doc, std::function<void()> updateAllViews);

  // New: the import run when any browser was detected or any of today's browsers' sources is
  // chosen, else a library holding only the root, after the notice (once per program run)
  // when nothing at all was found.
  void onNewDocument(CLFDoc& doc) override;
  // Open: the import run, merged into what the file held.
  void onOpenDocument(CLFDoc& doc) override;

  // Today's browsers' sources found under the home folder; the chosen ones are read.
  void setBrowserSources(BrowserSources sources) { sources_ = std::move(sources); }
  BrowserSources& browserSources() { return sources_; }

  // Reads the detected browsers in their fixed order: Netscape 3.x, Netscape 4.x, MSIE, then
  // the chosen sources in the order found.
  void run();
  // "&Import HTML...": the file dialog, then importHtml. False when cancelled.
  bool OnImportHtml();
  // Adds the bookmarks of one Netscape-format file to the library as it stands.
  void importHtml(const std::string& path);

  // Whether the last run or Import HTML took place and ended without a critical error, with
  // its import log written in full.
  bool lastImportClean() const { return lastImportClean_; }

 private:
  // Reads one Netscape file under the status text; true when it was read without a fatal error.
  bool readNetscapeFile(const std::string& statusText, const std::string& beginLine,
                        const std::string& path, const std::string& completeLine);
  // Reads one chosen source; false after a fatal error (the reader has logged it).
  bool readSource(const BrowserSource& source);
  // After the log was closed: the summary when anything was adjusted, then the notice that the
  // log could not be written in full.
  void finish(bool criticalError);
  bool createLogOrSay();

  CLFDoc& doc_;
  std::function<void()> updateAllViews_;
  BrowserSources sources_;
  bool lastImportClean_ = false;
};

}  // namespace linkfold
