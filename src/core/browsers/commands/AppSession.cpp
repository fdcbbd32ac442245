#include "browsers/commands/AppSession.h"

#include "browsers/commands/ImportRun.h"
#include "browsers/detection/BrowserDetector.h"
#include "browsers/detection/RegistryFile.h"
#include "browsers/sources/BrowserSources.h"
#include "browsers/sources/BrowserSourcesDialog.h"
#include "browsers/sources/SourceChoice.h"
#include "library/CLFDoc.h"
#include "library/DocumentCommands.h"

namespace linkfold {

AppSession::AppSession(UiPort& ui, SettingsStore& settings,
                       const std::optional<std::string>& registryFile, std::string importLogPath)
    : AppSession(ui, settings, registryFile, std::move(importLogPath),
                 DetectionEnvironment::fromProcess()) {}

AppSession::AppSession(UiPort& ui, SettingsStore& settings,
                       const std::optional<std::string>& registryFile, std::string importLogPath,
                       const DetectionEnvironment& environment) {
  // The registry is needed only while the browsers are detected.
  const std::unique_ptr<Registry> registry = openRegistry(registryFile, ui, &registryUnusable_);
  doc_ = std::make_unique<CLFDoc>(ui, settings, std::move(importLogPath),
                                  Detect_Browsers(*registry, ui, environment));
  join();
}

AppSession::AppSession(UiPort& ui, SettingsStore& settings, BrowserDetection browsers,
                       std::string importLogPath)
    : doc_(std::make_unique<CLFDoc>(ui, settings, std::move(importLogPath), std::move(browsers))) {
  join();
}

void AppSession::join() {
  importRun_ = std::make_unique<ImportRun>(*doc_, [this] { documentChanged(); });
  doc_->setImportHook(importRun_.get());
  commands_ = std::make_unique<DocumentCommands>(*doc_, [this] { documentChanged(); });
}

void AppSession::findBrowserSources(const BrowserHome& home) {
  BrowserSources sources = linkfold::findBrowserSources(home);
  if (applyStoredChoice(sources, doc_->settings())) storeChoice(sources, doc_->settings());
  importRun_->setBrowserSources(std::move(sources));
}

BrowserSources& AppSession::browserSources() {
  return importRun_->browserSources();
}

void AppSession::chooseBrowserSources() {
  runBrowserSourcesDialog(doc_->ui(), browserSources(), doc_->settings());
}

AppSession::~AppSession() {
  if (doc_) doc_->setImportHook(nullptr);
}

}  // namespace linkfold
