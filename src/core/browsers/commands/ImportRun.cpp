#include "browsers/commands/ImportRun.h"

#include "browsers/chromium/ChromiumBookmarksReader.h"
#include "browsers/favorites/FavoritesReader.h"
#include "browsers/firefox/FirefoxPlacesReader.h"
#include "browsers/netscape/NetscapeReader.h"
#include "library/CStatDlg.h"
#include "library/UndoRecorder.h"
#include "platform/FileDialogs.h"
#include "platform/UiPort.h"

namespace linkfold {

namespace {

constexpr const char* kLogNotCreated = "Could not create ERRLOG.TXT.";

void setStatus(CLFDoc& doc, const std::string& text) {
  if (CStatDlg* status = doc.statusWindow()) status->setText(text);
}

// The closing message of an import that adjusted something.
std::string summaryText(bool criticalError) {
  return std::string(
             criticalError
                 ? "One or more critical errors occurred during import."
                 : "Linkfold had to make some adjustments\nwhile importing your bookmarks.") +
         "\n\nTo see the Import Log, use the\n\"Import Log\" command from the View Menu.";
}

}  // namespace

ImportRun::ImportRun(CLFDoc& doc, std::function<void()> updateAllViews)
    : doc_(doc), updateAllViews_(std::move(updateAllViews)) {}

// The hook is given the document this run was made for.
void ImportRun::onNewDocument(CLFDoc&) {
  if (doc_.browsers().anyBrowser() || anyChosen(sources_)) {
    run();
    return;
  }
  if (sources_.empty() && doc_.detectionNotice()) {
    doc_.ui().showMessage({"Could not detect either MSIE or Netscape!", MessageIcon::Error});
    doc_.clearDetectionNotice();
  }
  doc_.addFolder(kRootPath, true);
  lastImportClean_ = true;
}

void ImportRun::onOpenDocument(CLFDoc&) {
  run();
}

bool ImportRun::createLogOrSay() {
  if (doc_.createLog()) return true;
  doc_.ui().showMessage(
      {std::string(kLogNotCreated) + "\n" + doc_.logError(), MessageIcon::Exclamation});
  lastImportClean_ = false;
  return false;
}

void ImportRun::run() {
  doc_.clearContentFlags();
  const bool logCreated = createLogOrSay();
  // The tree and the exports expect a root, so it is there even when nothing is imported.
  doc_.addFolder(kRootPath, true);
  if (!logCreated) return;
  doc_.openStatusWindow();

  const BrowserDetection& browsers = doc_.browsers();
  bool critical = false;
  if (browsers.netscape3Present &&
      !readNetscapeFile("Importing Netscape 3.x bookmarks", "Beginning Netscape 3.x import\n",
                        browsers.netscape3File, "Netscape 3.x import complete ... no errors.\n\n"))
    critical = true;
  if (browsers.netscape4Present &&
      !readNetscapeFile("Importing Netscape 4.x bookmarks", "Beginning Netscape 4.x import\n",
                        browsers.netscape4File, "Netscape 4.x import complete ... no errors.\n\n"))
    critical = true;
  if (browsers.msiePresent) {
    setStatus(doc_, "Importing MSIE bookmarks");
    doc_.logLine("\nBeginning MSIE import\n\n");
    if (!Scan_Folder(doc_)) {
      critical = true;
    } else if (!doc_.adjustmentFlag()) {
      doc_.logLine("MSIE import complete ... no errors.\n\n");
    }
  }
  for (const BrowserSource& source : sources_)
    if (source.chosen && !readSource(source)) critical = true;
  doc_.sortAndResolve();
  doc_.closeStatusWindow();
  doc_.closeLog();
  finish(critical);
  doc_.setModifiedFlag(doc_.contentAdded() || doc_.contentChanged());
}

bool ImportRun::readNetscapeFile(const std::string& statusText, const std::string& beginLine,
                                 const std::string& path, const std::string& completeLine) {
  setStatus(doc_, statusText);
  doc_.logLine(beginLine);
  const bool read = Parse_NS_File(doc_, path) != kNetscapeReadFatal;
  if (!doc_.adjustmentFlag()) doc_.logLine(completeLine);
  return read;
}

bool ImportRun::readSource(const BrowserSource& source) {
  if (!source.readable) {
    // Not an error of the run: the person has a way to get these bookmarks in.
    doc_.logLine("\n" + source.label + ": the bookmarks in\n" + source.path +
                 "\nare encrypted by the browser and cannot be read. Export them to an HTML file"
                 "\nfrom the browser, then use \"Import HTML\" from the File menu.\n\n");
    doc_.setAdjustmentFlag();
    return true;
  }
  if (source.format == SourceFormat::FirefoxPlaces)
    return Read_Firefox_Places(doc_, source.path, source.label);
  return Read_Chromium_Bookmarks(doc_, source.path, source.label);
}

bool ImportRun::OnImportHtml() {
  const auto path = chooseFileToOpen(doc_.ui(), doc_.settings(),
                                     {"Open",
                                      {{"HTML files (*.htm; *.html)", "*.htm; *.html"}},
                                      ".htm",
                                      "BOOKMARK.HTM",
                                      FileKind::Html,
                                      {}});
  if (!path) return false;
  importHtml(*path);
  return true;
}

void ImportRun::importHtml(const std::string& path) {
  if (!createLogOrSay()) return;
  auto before = copyTables(doc_);
  // A library read alone from an empty file has no root; bookmarks read into it would belong
  // to no folder and the library could not be read back once saved.
  doc_.addFolder(kRootPath, true);
  doc_.openStatusWindow();
  const bool read =
      readNetscapeFile("Importing Netscape bookmarks", "Beginning Netscape import\n\n", path,
                       "Netscape import complete ... no errors.\n\n");
  doc_.sortAndResolve();
  doc_.setModifiedFlag();
  recordTablesStep(doc_, "Import", std::move(before));
  doc_.closeLog();
  doc_.closeStatusWindow();
  finish(!read);
  if (updateAllViews_) updateAllViews_();
}

void ImportRun::finish(bool criticalError) {
  if (doc_.adjustmentFlag()) doc_.ui().inform(summaryText(criticalError));
  if (doc_.logWriteFailed())
    doc_.ui().showMessage(
        {"Could not write the Import Log:\n" + doc_.logError(), MessageIcon::Exclamation});
  lastImportClean_ = !criticalError && !doc_.logWriteFailed();
}

}  // namespace linkfold
