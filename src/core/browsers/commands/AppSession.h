#pragma once
// AppSession: what one run of the program holds, shared by the window and linkfold-cli. It
// detects the browsers once (which may show the profile dialog), builds the library document
// with what it found, joins the import run to New and Open, and runs the document commands.
// The front end makes the view over document() and tells the session how to refill it.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "browsers/sources/BrowserSource.h"
#include "library/BrowserDetection.h"

namespace linkfold {

class CLFDoc;
class DocumentCommands;
class ImportRun;
class SettingsStore;
class UiPort;
struct BrowserHome;
struct DetectionEnvironment;

class AppSession {
 public:
  // `registryFile` is the --registry option (else LINKFOLD_REGISTRY, else no registry);
  // `importLogPath` is where every import writes its log. The document's replacement character
  // is read from `settings`.
  AppSession(UiPort& ui, SettingsStore& settings, const std::optional<std::string>& registryFile,
             std::string importLogPath);
  // The same with the environment detection looks at (variables, system drive, shortcut test).
  AppSession(UiPort& ui, SettingsStore& settings, const std::optional<std::string>& registryFile,
             std::string importLogPath, const DetectionEnvironment& environment);
  // With detection results given instead of detected (tests; the command line's exports,
  // where a folder named by the user plays the Favorites folder).
  AppSession(UiPort& ui, SettingsStore& settings, BrowserDetection browsers,
             std::string importLogPath);
  ~AppSession();
  AppSession(const AppSession&) = delete;
  AppSession& operator=(const AppSession&) = delete;

  CLFDoc& document() { return *doc_; }
  // New, Open, Open Exclusive, Save, Save As and the prompt to save.
  DocumentCommands& documentCommands() { return *commands_; }
  // The import run behind New and Open, and "&Import HTML...".
  ImportRun& importRun() { return *importRun_; }
  // True when the registry file named could not be read or is damaged (detection then found
  // nothing).
  bool registryUnusable() const { return registryUnusable_; }

  // Finds today's browsers under `home` for the import run, each chosen as the settings say
  // (a source seen for the first time as it starts ticked, which is then stored).
  void findBrowserSources(const BrowserHome& home);
  BrowserSources& browserSources();
  // "&Browsers...": the dialog that chooses the sources New and Open read.
  void chooseBrowserSources();

  // Called whenever New, Open or Import HTML replaced or refilled the library: the view
  // rebuilds its tree from the tables.
  void setDocumentChanged(std::function<void()> refill) { refill_ = std::move(refill); }

 private:
  void join();
  void documentChanged() {
    if (refill_) refill_();
  }

  std::function<void()> refill_;
  std::unique_ptr<CLFDoc> doc_;
  std::unique_ptr<ImportRun> importRun_;
  std::unique_ptr<DocumentCommands> commands_;
  bool registryUnusable_ = false;
};

}  // namespace linkfold
