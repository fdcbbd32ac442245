// The Weed Duplicates window: its columns fill the list, its check boxes answer a click on the
// box, a double click on the row and the space bar, and it opens where it was last closed.

#include <QHeaderView>
#include <QtTest>

#include "DialogTestSupport.h"
#include "dialogs/CCheckListCtrl.h"
#include "dialogs/QtWeedDialog.h"
#include "library/CLFDoc.h"
#include "platform/Settings.h"
#include "tools/DuplicateUrls.h"
#include "tools/WeedDialog.h"

namespace linkfold::gui::test {

namespace {

// Two URLs, each shared by two bookmarks: rows are group, bookmark, bookmark, group, ...
struct Library {
  Library() {
    doc.addFolder("\\", true);
    doc.addFolder("News\\", false);
    doc.addBookmark(0, "One", "http://a/", "", 0, 0, 0);
    doc.addBookmark(1, "Two", "http://a/", "", 0, 0, 0);
    doc.addBookmark(0, "Three", "http://b/", "", 0, 0, 0);
    doc.addBookmark(1, "Four", "http://b/", "", 0, 0, 0);
    search.run(doc);
  }
  RecordingUi ui;
  InMemorySettings settings;
  CLFDoc doc{ui, settings, QDir::temp().filePath(QStringLiteral("weed-test.log")).toStdString()};
  DuplicateSearch search{4};
};

std::uint32_t state(const WeedDialog& weed, int row) {
  return weed.rows()[static_cast<std::size_t>(row)].state;
}

}  // namespace

class WeedDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void columnsFillTheListAndCheckBoxesToggleByClickDoubleClickAndSpace() {
    Library library;
    WeedDialog weed(library.doc, library.search.list, library.search.groups, library.settings);
    QtWeedDialog dialog(weed, library.ui, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    CCheckListCtrl& list = dialog.list();
    // Half and half at first; afterwards the second column takes up what the list gains.
    const QHeaderView& columns = *list.header();
    const auto width = [&] { return list.viewport()->width(); };
    QCOMPARE(columns.sectionSize(0), width() / 2);
    QCOMPARE(columns.sectionSize(0) + columns.sectionSize(1), width());
    const int first = columns.sectionSize(0);
    dialog.resize(dialog.width() + 120, dialog.height());
    QTRY_COMPARE(columns.sectionSize(0) + columns.sectionSize(1), width());
    QCOMPARE(columns.sectionSize(0), first);

    QWidget* rows = list.viewport();
    QCOMPARE(list.model()->rowCount(), 6);
    QCOMPARE(list.currentIndex().row(), 1);  // the first bookmark
    const auto unchecked = WeedRow::kUncheckedState, checked = WeedRow::kCheckedState;

    QTest::mouseClick(rows, Qt::LeftButton, {}, list.checkBoxRect(1).center());
    QCOMPARE(state(weed, 1), checked);
    // Beside the box, a click only selects.
    const QPoint nameOfRow2 = list.visualRect(list.model()->index(2, 1)).center();
    QTest::mouseClick(rows, Qt::LeftButton, {}, nameOfRow2);
    QCOMPARE(state(weed, 2), unchecked);
    QCOMPARE(list.currentIndex().row(), 2);
    QTest::mouseDClick(rows, Qt::LeftButton, {}, nameOfRow2);
    QCOMPARE(state(weed, 2), checked);

    list.setFocus();
    list.setCurrentIndex(list.model()->index(4, 0));
    QTest::keyClick(&list, Qt::Key_Space);
    QCOMPARE(state(weed, 4), checked);
    QTest::keyClick(&list, Qt::Key_Space);
    QCOMPARE(state(weed, 4), unchecked);

    // OK asks the core, whose question refused leaves the dialog open.
    library.ui.answers.push_back(Answer::No);
    click(dialog, "ok");
    QCOMPARE(library.ui.messages.size(), std::size_t{1});
    QVERIFY(dialog.isVisible());
  }

  void placementSurvivesCloseAndReopen_data() {
    QTest::addColumn<bool>("byOk");
    QTest::addColumn<bool>("maximized");
    QTest::newRow("OK") << true << false;
    QTest::newRow("maximised, Cancel") << false << true;
  }

  void placementSurvivesCloseAndReopen() {
    QFETCH(bool, byOk);
    QFETCH(bool, maximized);
    Library library;
    const QRect place(60, 50, 520, 380);
    {
      WeedDialog weed(library.doc, library.search.list, library.search.groups, library.settings);
      QtWeedDialog dialog(weed, library.ui, nullptr);
      dialog.show();
      QVERIFY(QTest::qWaitForWindowExposed(&dialog));
      dialog.move(place.topLeft());
      dialog.resize(place.size());
      if (maximized) {
        dialog.showMaximized();
        QTRY_VERIFY(dialog.isMaximized());
      }
      library.ui.answers.push_back(Answer::Yes);  // keep none: yes, remove them all
      click(dialog, byOk ? "ok" : "cancel");
      QVERIFY(!dialog.isVisible());
    }
    const std::string saved = library.settings.read(setting::kWeedDlgPos);
    QVERIFY(saved != "*");

    WeedDialog weed(library.doc, library.search.list, library.search.groups, library.settings);
    QtWeedDialog reopened(weed, library.ui, nullptr);
    reopened.show();
    QVERIFY(QTest::qWaitForWindowExposed(&reopened));
    QCOMPARE(reopened.isMaximized(), maximized);
    if (!maximized) {
      QCOMPARE(reopened.frameGeometry().topLeft(), place.topLeft());
      QCOMPARE(reopened.size(), place.size());
    }
    // Closed again where it opened, it saves the same place (the restored one when maximised).
    click(reopened, "cancel");
    QCOMPARE(library.settings.read(setting::kWeedDlgPos), saved);
  }
};

}  // namespace linkfold::gui::test

QTEST_MAIN(linkfold::gui::test::WeedDialogTest)
#include "WeedDialogTest.moc"
