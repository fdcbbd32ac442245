#pragma once
// Which of today's browsers' sources New and Open read: kept in the settings by source id.

#include "browsers/sources/BrowserSource.h"

namespace linkfold {

class SettingsStore;

// Sets `chosen` from the settings; a source seen for the first time is chosen when it
// startsTicked. True when any source was seen for the first time.
bool applyStoredChoice(BrowserSources& sources, const SettingsStore& settings);
// Stores every source's `chosen`, keeping the choice of sources not found this time (a browser
// removed for a while keeps its tick).
void storeChoice(const BrowserSources& sources, SettingsStore& settings);

}  // namespace linkfold
