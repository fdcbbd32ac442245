#include "platform/FileDialogs.h"

#include "platform/Settings.h"

namespace linkfold {

namespace {

const TextSetting* folderSetting(FileKind kind) {
  switch (kind) {
    case FileKind::Library:
      return &setting::kLibraryFolder;
    case FileKind::Html:
      return &setting::kHtmlFolder;
    case FileKind::Text:
      return &setting::kTextFolder;
    case FileKind::Other:
      break;
  }
  return nullptr;
}

template <class Choose>
std::optional<std::string> chooseRemembering(SettingsStore& settings, FileDialogRequest request,
                                             Choose&& choose) {
  const TextSetting* remembered = folderSetting(request.kind);
  if (remembered && request.startFolder.empty()) request.startFolder = settings.read(*remembered);
  std::optional<std::string> chosen = choose(request);
  const auto slash = chosen ? chosen->find_last_of('/') : std::string::npos;
  if (remembered && slash != std::string::npos)
    settings.write(*remembered, slash == 0 ? std::string("/") : chosen->substr(0, slash));
  return chosen;
}

}  // namespace

std::optional<std::string> chooseFileToOpen(UiPort& ui, SettingsStore& settings,
                                            FileDialogRequest request) {
  return chooseRemembering(settings, std::move(request),
                           [&ui](const FileDialogRequest& r) { return ui.chooseFileToOpen(r); });
}

std::optional<std::string> chooseFileToSave(UiPort& ui, SettingsStore& settings,
                                            FileDialogRequest request) {
  return chooseRemembering(settings, std::move(request),
                           [&ui](const FileDialogRequest& r) { return ui.chooseFileToSave(r); });
}

}  // namespace linkfold
