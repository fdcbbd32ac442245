#include <gtest/gtest.h>

#include "core/view/ViewFixture.h"

namespace linkfold::test {
namespace {

constexpr std::uint32_t kAdded = 1000000000;  // September 2001

class Properties : public ViewTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(doc.addBookmark(folder("Site\\"), "Page", "http://site/page", "", kAdded, 0, 0));
    view.OnUpdate();
    select("Root Folder/Site/Page");
  }
  // Scripts one OK with the URL typed and what the field's undo would bring back; then, when
  // given, the URL the dialog must show after a refusal, where it is cancelled.
  void typeUrl(std::string url, std::optional<std::string> undo = std::nullopt,
               std::optional<std::string> thenShown = std::nullopt) {
    ui.onDialog<CPropertiesDlg>([url, undo](CPropertiesDlg& dialog) {
      dialog.url = url;
      dialog.urlUndo = undo;
      return true;
    });
    if (thenShown)
      ui.onDialog<CPropertiesDlg>([thenShown](CPropertiesDlg& dialog) {
        EXPECT_EQ(dialog.url, *thenShown);
        return false;  // Cancel
      });
  }
};

TEST_F(Properties, TheDialogShowsTheRecordWithUnknownDatesAsQuestionMarks) {
  ui.onDialog<CPropertiesDlg>([](CPropertiesDlg& dialog) {
    EXPECT_EQ(dialog.name + " " + dialog.url, "Page http://site/page");
    EXPECT_EQ(dialog.dateAdded, CLFDoc::formatDate(kAdded));
    EXPECT_NE(dialog.dateAdded, "???");
    EXPECT_EQ(dialog.dateModified + dialog.lastVisit, "??????");
    return false;  // Cancel
  });
  view.OnProperties();
  EXPECT_EQ(ui.dialogsShown, 1);
  EXPECT_FALSE(doc.isModified());
}

TEST_F(Properties, OnlyAChangedUrlIsStoredAndExactlyAsTyped) {
  typeUrl("http://site/page");
  view.OnProperties();
  EXPECT_FALSE(doc.isModified());
  typeUrl("  http://site/Page\t");
  view.OnProperties();
  EXPECT_EQ(doc.bookmark(0).url, "  http://site/Page\t");
  EXPECT_EQ(doc.bookmark(0).name, "Page");
  EXPECT_TRUE(doc.isModified());
}

TEST_F(Properties, ABlankUrlIsRefusedAndTheUndoBringsTheOldTextBack) {
  typeUrl(" \t ", "http://site/page", "http://site/page");
  view.OnProperties();
  EXPECT_MESSAGE(ui, 0, "URL cannot be blank!", Information);
  // A field that cannot undo stays empty.
  typeUrl("", std::nullopt, "");
  view.OnProperties();
  EXPECT_MESSAGE(ui, 1, "URL cannot be blank!", Information);
  EXPECT_EQ(doc.bookmark(0).url, "http://site/page");
  EXPECT_FALSE(doc.isModified());
}

TEST_F(Properties, IsOfferedForBookmarksTheLibraryHoldsOnly) {
  EXPECT_TRUE(view.OnUpdateProperties().enabled);
  EXPECT_FALSE(view.OnUpdateProperties().text.has_value());
  view.tree().setData(item("Root Folder/Site/Page"), 1);  // no such bookmark: no dialog
  view.OnProperties();
  select("Root Folder/Site");
  EXPECT_FALSE(view.OnUpdateProperties().enabled);
  view.OnProperties();
  EXPECT_EQ(ui.dialogsShown, 0);
}

}  // namespace
}  // namespace linkfold::test
