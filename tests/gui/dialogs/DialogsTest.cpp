// The dialogs as windows: a refused OK shows its message and keeps the dialog open, OK hands
// the fields back and Cancel does not, the profile dialog cannot be escaped, messages and the
// status window show what they are given; the Weed Duplicates window's check boxes answer a
// click on the box, a double click on the row and the space bar, and it opens where it was
// last closed.

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <functional>

#include "../../support/MessageRecorder.h"
#include "browsers/detection/CProfileDlg.h"
#include "browsers/sources/BrowserSourcesDialog.h"
#include "dialogs/CCheckListCtrl.h"
#include "dialogs/ModelDialog.h"
#include "dialogs/QtStatusWindow.h"
#include "dialogs/QtUi.h"
#include "dialogs/QtWeedDialog.h"
#include "library/CLFDoc.h"
#include "platform/Settings.h"
#include "tools/DuplicateUrls.h"
#include "tools/FindDialog.h"
#include "tools/OptionDialogs.h"
#include "tools/WeedDialog.h"
#include "view/EditDialogs.h"

namespace linkfold::gui::test {

namespace {

// A QtUi whose messages are recorded and answered from a queue instead of shown.
struct RecordingUi : QtUi, linkfold::test::MessageRecorder {
  RecordingUi() {
    setMessageDisplay([this](const Message& message) { return record(message); });
  }
};

// Runs `act` on the modal dialog once its event loop runs; a dialog that `act` leaves open is
// cancelled, so that a failing test cannot hang.
void onNextModal(std::function<void(QDialog&)> act) {
  QTimer::singleShot(0, [act] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    act(*dialog);
    if (dialog->isVisible()) dialog->QDialog::reject();
  });
}

// Clicks the named button, which must be there: a missing button fails the test instead of
// leaving the dialog to the guard above.
void click(QWidget& dialog, const char* button) {
  auto* b = dialog.findChild<QPushButton*>(QString::fromLatin1(button));
  QVERIFY2(b != nullptr, button);
  b->click();
}

// Clicks the button and checks that the click closed the dialog.
void clickToClose(QWidget& dialog, const char* button) {
  click(dialog, button);
  QVERIFY2(!dialog.isVisible(), button);
}

void typeInto(QDialog& dialog, const char* edit, const QString& text) {
  auto* field = dialog.findChild<QLineEdit*>(QString::fromLatin1(edit));
  QVERIFY(field != nullptr);
  field->selectAll();
  if (text.isEmpty())
    QTest::keyClick(field, Qt::Key_Delete);
  else
    QTest::keyClicks(field, text);
}

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

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  // A refusal keeps the dialog open on the refused field: a blank URL brings the deleted text
  // back through the field's undo, a bad number stays as typed. The rules are the core's.
  void refusedOkShowsMessageAndStaysOpen() {
    auto properties = std::make_shared<CPropertiesDlg>();
    properties->url = "http://example.com/";
    const struct {
      std::shared_ptr<DialogModel> model;
      QString edit, typed, shownAfter;
    } cases[] = {{properties, "url", "", "http://example.com/"},
                 {std::make_shared<ScrollRateDialog>(100), "rate", "fast", "fast"}};
    for (const auto& c : cases) {
      RecordingUi ui;
      const std::unique_ptr<ModelDialog> dialog = makeModelDialog(*c.model, ui, nullptr);
      QVERIFY(dialog != nullptr);
      dialog->show();
      QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
      typeInto(*dialog, c.edit.toLatin1().constData(), c.typed);
      auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("ok"));
      ok->setFocus();
      ok->click();

      QCOMPARE(ui.messages.size(), std::size_t{1});
      QVERIFY(dialog->isVisible());
      QCOMPARE(dialog->result(), int(QDialog::Rejected));
      auto* field = dialog->findChild<QLineEdit*>(c.edit);
      QCOMPARE(field->text(), c.shownAfter);
      QVERIFY(field->hasFocus());
    }
  }

  // Each dialog is run through the port; the same edits end with OK or with Cancel.
  void okHandsFieldsBackAndCancelDoesNot_data() {
    QTest::addColumn<bool>("pressOk");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
  }

  void okHandsFieldsBackAndCancelDoesNot() {
    QFETCH(bool, pressOk);
    RecordingUi ui;
    const char* button = pressOk ? "ok" : "cancel";

    CRenameDlg rename("Bookmark", "Old");
    onNextModal([&](QDialog& d) {
      typeInto(d, "name", QStringLiteral("New name"));
      clickToClose(d, button);
    });
    QCOMPARE(ui.runDialog(rename), pressOk);
    QCOMPARE(rename.name, std::string(pressOk ? "New name" : "Old"));

    CPropertiesDlg properties;
    properties.url = "http://old/";
    onNextModal([&](QDialog& d) {
      QTest::keyClicks(d.findChild<QLineEdit*>(QStringLiteral("url")), QStringLiteral("page"));
      clickToClose(d, button);
    });
    QCOMPARE(ui.runDialog(properties), pressOk);
    QCOMPARE(properties.url, std::string(pressOk ? "http://old/page" : "http://old/"));

    InMemorySettings settings;
    FindDialog find(FindSettings{}, settings);
    onNextModal([&](QDialog& d) {
      typeInto(d, "text", QStringLiteral("news"));
      d.findChild<QCheckBox*>(QStringLiteral("ignoreCase"))->setChecked(true);
      d.findChild<QRadioButton*>(QStringLiteral("lookIn2"))->setChecked(true);
      d.findChild<QRadioButton*>(QStringLiteral("startAt1"))->setChecked(true);
      clickToClose(d, button);
    });
    QCOMPARE(ui.runDialog(find), pressOk);
    QCOMPARE(find.fields.text, std::string(pressOk ? "news" : ""));
    QCOMPARE(find.fields.ignoreCase, pressOk);
    QVERIFY(find.fields.lookIn == (pressOk ? FindLookIn::UrlOnly : FindLookIn::NameAndUrl));
    QVERIFY(find.fields.startAt == (pressOk ? FindStartAt::CurrentItem : FindStartAt::RootFolder));

    ReplaceCharDialog replace('$');
    onNextModal([&](QDialog& d) {
      auto* list = d.findChild<QComboBox*>(QStringLiteral("characters"));
      QCOMPARE(list->currentIndex(), 0);  // '$' is the first choice
      list->setCurrentIndex(3);
      clickToClose(d, button);
    });
    QCOMPARE(ui.runDialog(replace), pressOk);
    QCOMPARE(replace.character, pressOk ? '~' : '$');

    BrowserSourcesDialog browsers(BrowserSources{{"a", "A", "/a", {}, true, true, true},
                                                 {"b", "B", "/b", {}, false, false, false}});
    onNextModal([&](QDialog& d) {
      auto* list = d.findChild<QTreeWidget*>(QStringLiteral("sources"));
      QCOMPARE(list->topLevelItem(1)->text(1), QStringLiteral("/b"));
      list->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
      list->topLevelItem(1)->setCheckState(0, Qt::Checked);
      clickToClose(d, button);
    });
    QCOMPARE(ui.runDialog(browsers), pressOk);
    QCOMPARE(browsers.rows[0].checked, !pressOk);
    QCOMPARE(browsers.rows[1].checked, pressOk);
    QVERIFY(ui.messages.empty());
  }

  // Fifty characters outside the 16-bit range are a full name: shown whole, handed back
  // unchanged, and nothing more can be typed.
  void nameLimitCountsCharactersNotUtf16Units() {
    RecordingUi ui;
    std::string fifty;
    for (int i = 0; i < 50; ++i) fifty += "\xF0\x9F\x94\x96";  // U+1F516, a bookmark
    CRenameDlg rename("Bookmark", fifty);
    onNextModal([&](QDialog& d) {
      auto* name = d.findChild<QLineEdit*>(QStringLiteral("name"));
      QCOMPARE(name->text().size(), 100);
      name->end(false);
      QTest::keyClicks(name, QStringLiteral("x"));
      QCOMPARE(name->text().size(), 100);
      click(d, "ok");
    });
    QVERIFY(ui.runDialog(rename));
    QVERIFY(rename.name == fifty);
    QVERIFY(ui.messages.empty());
  }

  void profileDialogIgnoresEscapeAndClose() {
    RecordingUi ui;
    std::vector<std::uint32_t> topics;
    ui.setHelpHandler([&](std::uint32_t topic) { topics.push_back(topic); });
    CProfileDlg profile;
    profile.profiles = {"alice", "bob"};
    profile.selected = 0;
    const std::unique_ptr<ModelDialog> dialog = makeModelDialog(profile, ui, nullptr);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    QVERIFY(!dialog->findChild<QPushButton*>(QStringLiteral("cancel")));
    QVERIFY(!(dialog->windowFlags() & Qt::WindowCloseButtonHint));

    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    dialog->close();
    QVERIFY(dialog->isVisible());

    QTest::keyClick(dialog.get(), Qt::Key_F1);
    QVERIFY(topics == std::vector<std::uint32_t>{CProfileDlg::kHelpTopic});

    dialog->findChild<QComboBox*>(QStringLiteral("profiles"))->setCurrentIndex(1);
    dialog->findChild<QCheckBox*>(QStringLiteral("disableNetscape4"))->setChecked(true);
    click(*dialog, "ok");
    QVERIFY(!dialog->isVisible());
    QCOMPARE(profile.selected, 1);
    QVERIFY(profile.disableNetscape4);
  }

  // The real message box: the core's icon and buttons, and a Help button that asks for the
  // message's topic without answering the question.
  void messageBoxShowsIconAndKeepsOpenForHelp() {
    QtUi ui;
    std::vector<std::uint32_t> topics;
    ui.setHelpHandler([&](std::uint32_t topic) { topics.push_back(topic); });
    Message message{"Proceed?", MessageIcon::Exclamation, MessageButtons::YesNo, "Warning!"};
    message.helpButton = true;
    message.helpTopic = 0x30094;
    bool checked = false;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      QCOMPARE(box->icon(), QMessageBox::Warning);
      QCOMPARE(box->windowTitle() + box->text(), QStringLiteral("Warning!Proceed?"));
      box->button(QMessageBox::Help)->click();
      QTimer::singleShot(0, [&] {
        auto* again = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(again != nullptr);
        checked = true;
        again->button(QMessageBox::No)->click();
      });
    });
    QCOMPARE(ui.showMessage(message), Answer::No);
    QVERIFY(checked);
    QVERIFY(topics == std::vector<std::uint32_t>{0x30094});
  }

  void statusWindowShowsTextAndProgress() {
    QtStatusWindow status(nullptr);
    QWidget& window = *status.window();
    QVERIFY(!window.isVisible());
    auto* text = window.findChild<QLabel*>(QStringLiteral("statusText"));
    auto* progress = window.findChild<QProgressBar*>(QStringLiteral("statusProgress"));

    status.setText("Reading");
    QVERIFY(window.isVisible());
    QCOMPARE(text->text(), QStringLiteral("Reading"));
    QVERIFY(!progress->isVisible());

    status.setProgress(50, 200);
    QVERIFY(progress->isVisible());
    QCOMPARE(progress->value(), QtStatusWindow::kProgressSteps / 4);
    status.setProgress(300, 200);  // never past the end
    QCOMPARE(progress->value(), QtStatusWindow::kProgressSteps);
    status.setProgress(0, 0);  // a size not known: no bar
    QVERIFY(!progress->isVisible());

    status.hide();
    QVERIFY(!window.isVisible());
  }

  // Title, filters (patterns as Qt lists them), default extension and proposed name; the
  // extension is added to a name typed without one, and replacing a file is confirmed.
  void saveDialogAsksWithTheRequestsTexts() {
    QtUi ui;
    QTemporaryDir folder;
    const FileDialogRequest request{
        "Save As",
        {{"Bookmark Libraries (*.bml)", "*.bml"}, {"HTML Files", "*.htm;*.html"}},
        ".bml",
        "Untitled",
        FileKind::Library,
        folder.path().toStdString()};
    onNextModal([&](QDialog& d) {
      auto* files = qobject_cast<QFileDialog*>(&d);
      QVERIFY(files != nullptr);
      QCOMPARE(files->directory().absolutePath(), QDir(folder.path()).absolutePath());
      QCOMPARE(files->windowTitle(), QStringLiteral("Save As"));
      QCOMPARE(files->nameFilters(), QStringList({QStringLiteral("Bookmark Libraries (*.bml)"),
                                                  QStringLiteral("HTML Files (*.htm *.html)")}));
      QCOMPARE(files->defaultSuffix(), QStringLiteral("bml"));
      QCOMPARE(files->acceptMode(), QFileDialog::AcceptSave);
      QVERIFY(!files->testOption(QFileDialog::DontConfirmOverwrite));
      QCOMPARE(QFileInfo(files->selectedFiles().value(0)).fileName(),
               QStringLiteral("Untitled.bml"));
      files->selectFile(QStringLiteral("Mine"));
      d.accept();  // the file dialog's own accept, through QDialog
    });
    QCOMPARE(ui.chooseFileToSave(request),
             std::optional<std::string>(folder.filePath(QStringLiteral("Mine.bml")).toStdString()));
  }

  void checkBoxesToggleByClickDoubleClickAndSpace() {
    Library library;
    WeedDialog weed(library.doc, library.search.list, library.search.groups, library.settings);
    QtWeedDialog dialog(weed, library.ui, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    CCheckListCtrl& list = dialog.list();
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

    // What the boxes show is what OK takes: rows 1 and 2 kept, the second URL loses both, and
    // the refused OK leaves the dialog open.
    library.ui.answers.push_back(Answer::No);
    click(dialog, "ok");
    QCOMPARE(library.ui.messages.size(), std::size_t{1});
    QVERIFY(dialog.isVisible());
    QCOMPARE(weed.removeCount(), 2u);
  }

  // Half and half at first; afterwards the second column takes up what the list gains or loses.
  void columnsFillTheListAsItResizes() {
    Library library;
    WeedDialog weed(library.doc, library.search.list, library.search.groups, library.settings);
    QtWeedDialog dialog(weed, library.ui, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QHeaderView& columns = *dialog.list().header();
    const auto width = [&] { return dialog.list().viewport()->width(); };
    QCOMPARE(columns.sectionSize(0), width() / 2);
    QCOMPARE(columns.sectionSize(0) + columns.sectionSize(1), width());

    const int first = columns.sectionSize(0);
    dialog.resize(dialog.width() + 120, dialog.height());
    QTRY_COMPARE(columns.sectionSize(0) + columns.sectionSize(1), width());
    QCOMPARE(columns.sectionSize(0), first);
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

QTEST_MAIN(linkfold::gui::test::DialogsTest)
#include "DialogsTest.moc"
