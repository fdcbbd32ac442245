// Opening bookmarks in the browser and the clipboard commands of the tree.

#include <gtest/gtest.h>

#include "core/view/ViewFixture.h"

namespace linkfold::test {
namespace {

using OpenAndClipboard = ViewTest;

TEST_F(OpenAndClipboard, OpensTheBookmarkOrTheFoldersBookmarksAskingBeyondTenNamingFailures) {
  buildLibrary();
  select("A/Beta");
  view.OnOpenInBrowser();
  EXPECT_EQ(ui.openedUrls, std::vector<std::string>{"http://Beta/"});
  select("A");  // its own bookmarks, not the sub-folder's
  EXPECT_NE(view.OnUpdateOpenInBrowser().text.value_or("").find("All"), std::string::npos);
  ui.openedUrls.clear();
  view.OnOpenInBrowser();
  EXPECT_EQ(ui.openedUrls.size(), 3u);
  EXPECT_TRUE(ui.messages.empty());
  for (int i = 0; i < 8; ++i)
    bookmark(1, "more" + std::to_string(i), "http://m/" + std::to_string(i));
  view.OnUpdate();
  select("A");
  ui.openedUrls.clear();
  ui.answer(Answer::No);
  view.OnOpenInBrowser();
  EXPECT_TRUE(ui.openedUrls.empty());
  EXPECT_EQ(ui.messages.at(0).buttons, MessageButtons::YesNo);
  select("C");  // nothing in it
  EXPECT_FALSE(view.OnUpdateOpenInBrowser().enabled);
  // A URL the desktop cannot open is named.
  ui.messages.clear();
  doc.setBookmarkUrl(view.tree().data(select("top")), "unopenable:x");
  view.OnOpenInBrowser();
  EXPECT_MESSAGE(ui, 0, "The desktop could not open this URL:\nunopenable:x", Exclamation);
}

TEST_F(OpenAndClipboard, CopyTakesTheSelectionAndPasteAddsToItsFolder) {
  buildLibrary();
  select("B");
  EXPECT_EQ(view.OnCopy().text, "http://beta2/\nhttp://zulu/");
  EXPECT_FALSE(view.OnUpdateCut().enabled);  // a folder is not cut
  select("A/Sub/deep");
  const ClipboardData copied = view.OnCopy();
  select("C");
  view.OnPaste(copied);
  EXPECT_EQ(labels("C"), "deep|");
  EXPECT_EQ(view.tree().selected(), item("C"));
  expectTreeMatchesLibrary();
  select("B/zulu");  // a bookmark's folder takes the paste
  view.OnPaste({"www.pasted.example", "", ""});
  EXPECT_EQ(labels("B"), "beta2|www.pasted.example|zulu|");
  // A paste is one step back.
  ASSERT_EQ(doc.undoStack().undoName(), "Paste");
  view.OnUndo();
  EXPECT_EQ(labels("B"), "beta2|zulu|");
  view.OnPaste({"no url here", "", ""});
  EXPECT_NE(ui.messages.at(0).text.find("no URL"), std::string::npos);
}

}  // namespace
}  // namespace linkfold::test
