#include "library/DocumentCommands.h"

#include <filesystem>

#include "library/CLFDoc.h"
#include "platform/FileDialogs.h"
#include "platform/Files.h"
#include "platform/UiPort.h"

namespace linkfold {

namespace {

const FileFilter kLibraryFilter{"Bookmark Libraries (*.bml)", "*.bml"};
constexpr const char* kLibraryExtension = ".bml";

}  // namespace

DocumentCommands::DocumentCommands(CLFDoc& doc, std::function<void()> onDocumentChanged)
    : doc_(doc), ui_(doc.ui()), onDocumentChanged_(std::move(onDocumentChanged)) {}

void DocumentCommands::documentChanged() {
  if (onDocumentChanged_) onDocumentChanged_();
}

bool DocumentCommands::fileNew() {
  if (!saveModified()) return false;
  const bool created = doc_.OnNewDocument();
  documentChanged();
  return created;
}

bool DocumentCommands::fileOpen() {
  const FileDialogRequest request{"Open",
                                  {kLibraryFilter, {"All Files (*.*)", "*.*"}},
                                  kLibraryExtension,
                                  {},
                                  FileKind::Library,
                                  {}};
  const auto path = chooseFileToOpen(ui_, doc_.settings(), request);
  return path && openDocumentFile(*path);
}

bool DocumentCommands::fileOpenExclusive() {
  const Message question{
      "Opening a library this way could cause you to\nlose some or all of your exising "
      "bookmarks.\n\nAre you sure you want to continue?",
      MessageIcon::Question, MessageButtons::YesNo, "Warning!"};
  if (ui_.showMessage(question) != Answer::Yes) return false;
  doc_.setExclusiveOpen(true);
  const bool opened = fileOpen();
  doc_.setExclusiveOpen(false);
  return opened;
}

bool DocumentCommands::openDocumentFile(const std::string& path) {
  if (!saveModified()) return false;
  const bool wasModified = doc_.isModified();
  doc_.setModifiedFlag(false);
  const bool opened = doc_.OnOpenDocument(path);
  if (opened) {
    doc_.setPathName(path);
  } else if (doc_.isModified()) {
    // What the failed open left behind was changed further (by the import): start afresh.
    doc_.OnNewDocument();
  } else {
    // The contents stay, but they are what was read from the damaged file, not the previous
    // library: forget its path, so that Save asks for a name instead of overwriting it.
    doc_.setDefaultTitle();
    doc_.setModifiedFlag(wasModified);
  }
  // Nothing usable was read (the messages said the library holds only the browsers' bookmarks):
  // the library is what New makes.
  if (!opened && !doc_.hasRoot()) doc_.OnNewDocument();
  documentChanged();
  return opened;
}

bool DocumentCommands::canSave() const {
  return doc_.canSave();
}

bool DocumentCommands::fileSave() {
  return canSave() && doSave(doc_.pathName());
}

bool DocumentCommands::fileSaveAs() {
  return canSave() && doSave({});
}

bool DocumentCommands::saveModified() {
  // A library without a root would be written unreadable: there is nothing to save.
  if (!doc_.isModified() || !doc_.hasRoot()) return true;
  const Message question{"Save changes to " + doc_.title() + "?", MessageIcon::Question,
                         MessageButtons::YesNoCancel};
  switch (ui_.showMessage(question)) {
    case Answer::Yes:
      return doSave(doc_.pathName());
    case Answer::No:
      return true;
    default:
      return false;
  }
}

std::string DocumentCommands::proposedSaveName() const {
  if (!doc_.pathName().empty()) return doc_.pathName();
  const std::string& title = doc_.title();
  return title.substr(0, title.find_first_of(":/\\")) + kLibraryExtension;
}

std::string DocumentCommands::damagedCopyFor(const std::string& target) const {
  const std::string& damaged = doc_.damagedFile();
  std::error_code error;
  if (damaged.empty() || !std::filesystem::equivalent(target, damaged, error)) return {};
  const std::string copy = damaged + ".damaged";
  return std::filesystem::symlink_status(copy, error).type() ==
                 std::filesystem::file_type::not_found
             ? copy
             : std::string();
}

bool DocumentCommands::doSave(const std::string& path) {
  if (!doc_.hasRoot()) return false;
  std::string target = path;
  if (target.empty()) {
    const auto chosen = chooseFileToSave(ui_, doc_.settings(),
                                         {"Save As",
                                          {kLibraryFilter},
                                          kLibraryExtension,
                                          proposedSaveName(),
                                          FileKind::Library,
                                          {}});
    if (!chosen) return false;
    target = *chosen;
  }
  const std::string damagedCopy = damagedCopyFor(target);
  std::string error;
  if (!writeFileSafely(
          target, [this](std::ostream& out) { doc_.Serialize(out); }, &error, damagedCopy)) {
    ui_.showMessage({"Failed to save document.\n" + error, MessageIcon::Exclamation});
    return false;
  }
  if (!damagedCopy.empty())
    ui_.inform("The library file that could be read only in part was kept as\n" + damagedCopy);
  doc_.setModifiedFlag(false);
  doc_.undoStack().markSaved();
  doc_.setPathName(target);
  return true;
}

}  // namespace linkfold
