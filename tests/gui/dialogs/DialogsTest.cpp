// The dialogs as windows: a refused OK shows its message and keeps the dialog open, OK hands
// the fields back and Cancel does not, the profile dialog cannot be escaped, messages and the
// status window show what they are given.

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

#include "DialogTestSupport.h"
#include "browsers/detection/CProfileDlg.h"
#include "browsers/sources/BrowserSourcesDialog.h"
#include "dialogs/ModelDialog.h"
#include "dialogs/QtStatusWindow.h"
#include "platform/Settings.h"
#include "tools/FindDialog.h"
#include "tools/OptionDialogs.h"
#include "view/EditDialogs.h"

namespace linkfold::gui::test {

namespace {

void typeInto(QDialog& dialog, const char* edit, const QString& text) {
  auto* field = dialog.findChild<QLineEdit*>(QString::fromLatin1(edit));
  QVERIFY(field != nullptr);
  field->selectAll();
  if (text.isEmpty())
    QTest::keyClick(field, Qt::Key_Delete);
  else
    QTest::keyClicks(field, text);
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
};

}  // namespace linkfold::gui::test

QTEST_MAIN(linkfold::gui::test::DialogsTest)
#include "DialogsTest.moc"
