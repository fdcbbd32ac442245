#include "browsers/commands/ExportCommands.h"

#include "browsers/commands/TextExport.h"
#include "browsers/favorites/FavoritesWriter.h"
#include "browsers/netscape/NetscapeWriter.h"
#include "library/CLFDoc.h"
#include "platform/FileDialogs.h"
#include "platform/UiPort.h"
#include "view/CLFView.h"

namespace linkfold {

namespace {

CommandState enabledWhen(bool enabled) {
  CommandState state;
  state.enabled = enabled;
  return state;
}

}  // namespace

ExportCommands::ExportCommands(CLFView& view) : view_(view), doc_(view.document()) {}

bool ExportCommands::hasBookmarks() const {
  return doc_.bookmarkCount() > 0;
}

CommandState ExportCommands::OnUpdateExportMsie() const {
  return enabledWhen(hasBookmarks() && doc_.browsers().msiePresent);
}

CommandState ExportCommands::OnUpdateExportNetscape3() const {
  return enabledWhen(hasBookmarks() && doc_.browsers().netscape3Present);
}

CommandState ExportCommands::OnUpdateExportNetscape4() const {
  const BrowserDetection& browsers = doc_.browsers();
  CommandState state = enabledWhen(hasBookmarks() && browsers.netscape4Present);
  if (browsers.netscape4Present)
    state.text = "Netscape &4.x (" + browsers.netscape4ProfileName + ")";
  return state;
}

CommandState ExportCommands::OnUpdateExportAll() const {
  const BrowserDetection& b = doc_.browsers();
  const int present = int{b.msiePresent} + int{b.netscape3Present} + int{b.netscape4Present};
  return enabledWhen(hasBookmarks() && present >= 2);
}

CommandState ExportCommands::OnUpdateExportOther() const {
  return enabledWhen(hasBookmarks());
}

CommandState ExportCommands::OnUpdateExportText() const {
  return enabledWhen(doc_.canSave());
}

bool ExportCommands::proceed(const CommandState& state) const {
  return state.enabled && doc_.confirmSelection();
}

bool ExportCommands::exportMsie() {
  return Do_MSIE_Export(doc_, [this] { view_.OnUpdate(); });
}

bool ExportCommands::exportNetscape3() {
  return Do_NS_Export(view_, doc_.browsers().netscape3File, true, doc_.netscapeTitle());
}

bool ExportCommands::exportNetscape4() {
  return Do_NS_Export(view_, doc_.browsers().netscape4File, true, doc_.netscapeTitle());
}

bool ExportCommands::OnExportMsie() {
  return proceed(OnUpdateExportMsie()) && exportMsie();
}

bool ExportCommands::OnExportNetscape3() {
  return proceed(OnUpdateExportNetscape3()) && exportNetscape3();
}

bool ExportCommands::OnExportNetscape4() {
  return proceed(OnUpdateExportNetscape4()) && exportNetscape4();
}

bool ExportCommands::OnExportAll() {
  if (!proceed(OnUpdateExportAll())) return false;
  const BrowserDetection& browsers = doc_.browsers();
  bool all = true;
  if (browsers.netscape3Present) all = exportNetscape3() && all;
  if (browsers.netscape4Present) all = exportNetscape4() && all;
  if (browsers.msiePresent) all = exportMsie() && all;
  return all;
}

bool ExportCommands::OnExportOther() {
  if (!proceed(OnUpdateExportOther())) return false;
  const auto path = chooseFileToSave(doc_.ui(), doc_.settings(),
                                     {"Export HTML File",
                                      {{"HTML Files (*.htm; *.html)", "*.htm; *.html"}},
                                      ".htm",
                                      "Bookmark.htm",
                                      FileKind::Html,
                                      {}});
  return path && Do_NS_Export(view_, *path, false, kChosenFileTitle);
}

bool ExportCommands::OnExportText() {
  if (!proceed(OnUpdateExportText())) return false;
  const auto path = chooseFileToSave(
      doc_.ui(), doc_.settings(),
      {"Export Text File", {{"Text Files (*.txt)", "*.txt"}}, ".txt", "", FileKind::Text, {}});
  return path && writeTextExport(doc_, *path);
}

CommandState ExportCommands::stateOf(CommandId id) const {
  switch (id) {
    case kCmdExportMsie:
      return OnUpdateExportMsie();
    case kCmdExportNetscape3:
      return OnUpdateExportNetscape3();
    case kCmdExportNetscape4:
      return OnUpdateExportNetscape4();
    case kCmdExportAll:
      return OnUpdateExportAll();
    case kCmdExportOther:
      return OnUpdateExportOther();
    case kCmdExportText:
      return OnUpdateExportText();
    default:
      return {};
  }
}

bool ExportCommands::run(CommandId id) {
  switch (id) {
    case kCmdExportMsie:
      return OnExportMsie();
    case kCmdExportNetscape3:
      return OnExportNetscape3();
    case kCmdExportNetscape4:
      return OnExportNetscape4();
    case kCmdExportAll:
      return OnExportAll();
    case kCmdExportOther:
      return OnExportOther();
    case kCmdExportText:
      return OnExportText();
    default:
      return false;
  }
}

}  // namespace linkfold
