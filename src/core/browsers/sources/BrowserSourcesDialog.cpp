#include "browsers/sources/BrowserSourcesDialog.h"

#include "browsers/sources/SourceChoice.h"

namespace linkfold {

BrowserSourcesDialog::BrowserSourcesDialog(const BrowserSources& sources) {
  for (const BrowserSource& source : sources)
    rows.push_back({source.label, source.path, source.readable, source.chosen});
}

void runBrowserSourcesDialog(UiPort& ui, BrowserSources& sources, SettingsStore& settings) {
  BrowserSourcesDialog dialog(sources);
  if (!ui.runDialog(dialog)) return;
  // The sources cannot change while the dialog is open; the rows are theirs, in order.
  for (std::size_t i = 0; i < sources.size() && i < dialog.rows.size(); ++i)
    sources[i].chosen = dialog.rows[i].checked;
  storeChoice(sources, settings);
}

}  // namespace linkfold
