#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>

#include "core/browsers/FileSizeLimit.h"
#include "core/library/LibraryFixture.h"
#include "core/library/LibraryScenario.h"
#include "library/DocumentCommands.h"
#include "library/UndoRecorder.h"
#include "platform/Files.h"

namespace linkfold::test {
namespace {

// Document commands as scenarios in tests/data/library-document-scenarios.txt: the library's
// steps and those of the person answering the commands' questions and file dialogs.
struct DocumentScenario : LibraryScenario, DocumentImportHook {
  explicit DocumentScenario(const TestCase& c) : LibraryScenario(c) {
    actions.insert({
        {"answer", [this](const Args& a) { ui.answer(kAnswers.at(a.at(1))); }},
        {"save-file", [this](const Args& a) { ui.nextSaveFile(temp.local(a.at(1))); }},
        {"cancel-save", [this](const Args&) { ui.nextSaveFile(std::nullopt); }},
        {"open-file", [this](const Args& a) { ui.nextOpenFile(temp.local(a.at(1))); }},
        {"import-hook",
         [this](const Args& a) {
           changingImport = a.at(1) == "changing";
           doc.setImportHook(this);
         }},
        {"set-path", [this](const Args& a) { doc.setPathName(temp.local(a.at(1))); }},
        {"clear-messages", [this](const Args&) { ui.messages.clear(); }},
        {"delete-contents", [this](const Args&) { doc.DeleteContents(); }},
        {"write", [this](const Args& a) { temp.write(a.at(1), a.at(2)); }},
        {"snapshot", [this](const Args&) { snapshot = saved(); }},
        {"edit",  // renames bookmark I as a command of the tree would, with its undo step
         [this](const Args& a) {
           EditRecorder recorder(doc, "Rename");
           recorder.keepBookmark(std::stoul(a.at(1)));
           doc.setBookmarkName(std::stoul(a.at(1)), a.at(2));
           recorder.commit({}, {});
         }},
        {"undo", [this](const Args&) { doc.undoStack().undo(doc); }},
    });
  }
  inline static const std::map<std::string, Answer> kAnswers{
      {"Yes", Answer::Yes}, {"No", Answer::No}, {"Cancel", Answer::Cancel}};

  // Stands in for the import run: a changing import leaves the library modified after Open, as
  // one that found new bookmarks would, and builds the root itself on New.
  void onNewDocument(CLFDoc& library) override {
    ++importNews;
    if (changingImport) library.addFolder("\\", true);
  }
  void onOpenDocument(CLFDoc& library) override {
    ++importOpens;
    messagesBeforeImport = ui.messages.size();
    if (changingImport) library.setModifiedFlag();
  }

  std::string run(const Args& a) override {
    const std::string& verb = a.at(0);
    if (verb == "new") return okay(commands.fileNew());
    if (verb == "open") return okay(commands.fileOpen());
    if (verb == "open-exclusive") return okay(commands.fileOpenExclusive());
    if (verb == "open-document") return okay(commands.openDocumentFile(temp.local(a.at(1))));
    if (verb == "load") return okay(doc.OnOpenDocument(temp.local(a.at(1))));
    if (verb == "save") return okay(commands.fileSave());
    if (verb == "save-on-full-disk") {
      ScopedFileSizeLimit full(8);  // the disk fills after a few bytes
      return okay(commands.fileSave());
    }
    if (verb == "save-as") return okay(commands.fileSaveAs());
    if (verb == "save-modified") return okay(commands.saveModified());
    if (verb == "can-save") return okay(commands.canSave());
    if (verb == "messages") return std::to_string(ui.messages.size());
    if (verb == "buttons") {
      const char* names[] = {"Ok", "YesNo", "YesNoCancel"};
      return names[static_cast<int>(ui.messages.at(std::stoul(a.at(1))).buttons)];
    }
    if (verb == "message") {
      const Message& m = ui.messages.at(std::stoul(a.at(1)));
      return iconName(m.icon) + ": " + temp.masked(m.text.substr(m.text.rfind('\n') + 1));
    }
    if (verb == "requests") {
      std::string out;
      for (const FileDialogRequest& r : ui.fileRequests)
        out += (out.empty() ? "" : " / ") + r.title + "|" + temp.masked(r.proposedName);
      return out;
    }
    if (verb == "title") return doc.title();
    if (verb == "path-name") return temp.masked(doc.pathName());
    if (verb == "exclusive-open") return std::to_string(doc.exclusiveOpen());
    if (verb == "refills") return std::to_string(refills);
    if (verb == "import")
      return "open " + std::to_string(importOpens) + " new " + std::to_string(importNews) +
             " after " + std::to_string(messagesBeforeImport) + " messages";
    if (verb == "read") return temp.read(a.at(1));
    if (verb == "files")
      return std::to_string(std::distance(std::filesystem::directory_iterator(temp.path()), {}));
    if (verb == "exists") return std::to_string(std::filesystem::exists(temp.local(a.at(1))));
    if (verb == "saved-in") {
      const std::string bytes = temp.read(a.at(1));
      return bytes == saved() ? "now" : bytes == snapshot ? "snapshot" : "other";
    }
    return LibraryScenario::run(a);
  }

  int refills = 0;
  DocumentCommands commands{doc, [this] { ++refills; }};
  bool changingImport = false;
  int importOpens = 0, importNews = 0;
  std::size_t messagesBeforeImport = 0;
  std::string snapshot;
};

TEST(DocumentScenarios, EachStepYieldsWhatItsLineExpects) {
  runScenarios<DocumentScenario>("library-document-scenarios.txt");
}

}  // namespace
}  // namespace linkfold::test
