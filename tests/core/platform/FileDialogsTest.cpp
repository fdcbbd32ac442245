#include <gtest/gtest.h>

#include "platform/FileDialogs.h"
#include "platform/Settings.h"
#include "support/FakeUi.h"

namespace linkfold::test {
namespace {

// Each kind of file remembers the folder of the file last chosen for it; a cancelled dialog
// and a dialog of no kind remember nothing.
TEST(FileDialogs, EachKindOpensWhereItsLastFileWas) {
  FakeUi ui;
  InMemorySettings settings;
  const struct {
    FileKind kind;
    bool save;
    std::optional<std::string> chosen;
    const char* expectedStart;
  } steps[] = {
      {FileKind::Library, false, "/data/libs/a.bml", ""},
      {FileKind::Library, true, std::nullopt, "/data/libs"},
      {FileKind::Html, true, "/x.htm", ""},
      {FileKind::Html, false, "/web/b.htm", "/"},
      {FileKind::Text, true, "/out/list.txt", ""},
      {FileKind::Other, false, "/else/c", ""},
      {FileKind::Library, true, "/data/libs/b.bml", "/data/libs"},
      {FileKind::Html, true, std::nullopt, "/web"},
      {FileKind::Text, false, std::nullopt, "/out"},
      {FileKind::Other, false, std::nullopt, ""},
  };
  for (const auto& step : steps) {
    FileDialogRequest request;
    request.kind = step.kind;
    if (step.save) {
      ui.nextSaveFile(step.chosen);
      EXPECT_EQ(chooseFileToSave(ui, settings, request), step.chosen);
    } else {
      ui.nextOpenFile(step.chosen);
      EXPECT_EQ(chooseFileToOpen(ui, settings, request), step.chosen);
    }
    EXPECT_EQ(ui.fileRequests.back().startFolder, step.expectedStart);
  }
}

}  // namespace
}  // namespace linkfold::test
