// libFuzzer target for the library loader: any bytes must load without a crash, leave tables
// that keep the library's rules, and save into a file that loads back to the same tables.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "LibraryInvariants.h"
#include "library/CLFDoc.h"
#include "platform/Settings.h"
#include "platform/UiPort.h"

namespace {

using namespace linkfold;

// Discards every message and cancels every dialog.
class SilentUi : public UiPort {
 public:
  Answer showMessage(const Message&) override { return Answer::Cancel; }
  bool runDialog(DialogModel&) override { return false; }
  std::optional<std::string> chooseFileToOpen(const FileDialogRequest&) override { return {}; }
  std::optional<std::string> chooseFileToSave(const FileDialogRequest&) override { return {}; }
  std::unique_ptr<StatusWindow> createStatusWindow() override { return nullptr; }
  void setWaitCursor(bool) override {}
  bool openWithDesktop(const std::string&) override { return false; }
  void showHelp(std::uint32_t) override {}
};

void require(const std::string& problem) {
  if (problem.empty()) return;
  std::fprintf(stderr, "%s\n", problem.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  SilentUi ui;
  InMemorySettings settings;
  CLFDoc loaded(ui, settings, {});
  loaded.Serialize(std::string_view(reinterpret_cast<const char*>(data), size));
  require(linkfold::test::loadedLibraryProblems(loaded));
  CLFDoc reloaded(ui, settings, {});
  require(linkfold::test::roundTripProblems(loaded, reloaded));
  return 0;
}
