#include <gtest/gtest.h>

#include "platform/FileDialogs.h"
#include "platform/Settings.h"
#include "support/CaseFile.h"
#include "support/FakeUi.h"

namespace linkfold::test {
namespace {

// Each kind of file remembers the folder of the file last chosen for it; a cancelled dialog
// and a dialog of no kind remember nothing.
TEST(FileDialogs, EachKindOpensWhereItsLastFileWas) {
  FakeUi ui;
  InMemorySettings settings;
  using enum FileKind;
  const std::map<std::string, FileKind> kinds{
      {"Library", Library}, {"Html", Html}, {"Text", Text}, {"Other", Other}};
  const auto steps = readCases("file-dialog-steps.txt").at(0).lines("rows");
  for (const std::string& step : steps) {
    std::istringstream words(step);
    std::string kind, how, chosenWord, start;
    ASSERT_TRUE(words >> kind >> how >> chosenWord >> start) << step;
    const auto chosen = chosenWord == "cancel" ? std::nullopt : std::optional(chosenWord);
    FileDialogRequest request;
    request.kind = kinds.at(kind);
    how == "save" ? ui.nextSaveFile(chosen) : ui.nextOpenFile(chosen);
    const auto choose = how == "save" ? chooseFileToSave : chooseFileToOpen;
    EXPECT_EQ(choose(ui, settings, request), chosen) << step;
    EXPECT_EQ(ui.fileRequests.back().startFolder, start == "none" ? "" : start) << step;
  }
  EXPECT_EQ(steps.size(), 10u);
}

}  // namespace
}  // namespace linkfold::test
