#include <gtest/gtest.h>

#include "core/view/EditFixture.h"

namespace linkfold::test {
namespace {

constexpr std::uint32_t kAdded = 1000000000;  // September 2001

class Properties : public EditFixture {
 protected:
  void SetUp() override {
    const auto site = folder("Site\\");
    ASSERT_TRUE(doc.addBookmark(site, "Page", "http://site/page", "", kAdded, 0, 0, &page));
    view.OnUpdate();
    select("Root Folder/Site/Page");
  }

  // Scripts one OK with the URL typed, and what the field's undo would bring back.
  void typeUrl(std::string url, std::optional<std::string> undo = std::nullopt) {
    ui.onDialog<CPropertiesDlg>([url, undo](CPropertiesDlg& dialog) {
      dialog.url = url;
      dialog.urlUndo = undo;
      return true;
    });
  }

  std::uint32_t page = 0;
};

TEST_F(Properties, TheDialogShowsTheRecordWithUnknownDatesAsQuestionMarks) {
  ui.onDialog<CPropertiesDlg>([](CPropertiesDlg& dialog) {
    EXPECT_EQ(dialog.name, "Page");
    EXPECT_EQ(dialog.url, "http://site/page");
    EXPECT_EQ(dialog.dateAdded, CLFDoc::formatDate(kAdded));
    EXPECT_NE(dialog.dateAdded, "???");
    EXPECT_EQ(dialog.dateModified, "???");
    EXPECT_EQ(dialog.lastVisit, "???");
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
  EXPECT_EQ(doc.bookmark(page).url, "  http://site/Page\t");
  EXPECT_EQ(doc.bookmark(page).name, "Page");
  EXPECT_TRUE(doc.isModified());
}

TEST_F(Properties, ABlankUrlIsRefusedAndTheUndoBringsTheOldTextBack) {
  typeUrl(" \t ", "http://site/page");
  ui.onDialog<CPropertiesDlg>([](CPropertiesDlg& dialog) {
    EXPECT_EQ(dialog.url, "http://site/page");  // restored by the undo
    return true;
  });
  view.OnProperties();
  EXPECT_MESSAGE(ui, 0, "URL cannot be blank!", Information);
  EXPECT_FALSE(doc.isModified());

  // A field that cannot undo stays empty; Cancel then keeps the old URL.
  typeUrl("", std::nullopt);
  ui.onDialog<CPropertiesDlg>([](CPropertiesDlg& dialog) {
    EXPECT_EQ(dialog.url, "");
    return false;
  });
  view.OnProperties();
  EXPECT_MESSAGE(ui, 1, "URL cannot be blank!", Information);
  EXPECT_EQ(doc.bookmark(page).url, "http://site/page");
}

TEST_F(Properties, IsOfferedForBookmarksOnly) {
  EXPECT_TRUE(view.OnUpdateProperties().enabled);
  EXPECT_FALSE(view.OnUpdateProperties().text.has_value());
  select("Root Folder/Site");
  EXPECT_FALSE(view.OnUpdateProperties().enabled);
  view.OnProperties();
  EXPECT_EQ(ui.dialogsShown, 0);
}

}  // namespace
}  // namespace linkfold::test
