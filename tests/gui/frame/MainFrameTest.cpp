// The main window over the demo set: start-up, the menus against the core's update handlers,
// the wiring of every command id, focus and keys, and its placement across a close and a start.
#include <QAction>
#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QWhatsThis>
#include <fstream>

#include "ProgramFixture.h"
#include "app/MainMenu.h"
#include "app/RecentFileList.h"
#include "browsers/commands/AppSession.h"
#include "frame/CommandActions.h"
#include "frame/CoreText.h"
#include "frame/HelpWindow.h"
#include "frame/StatusPanes.h"
#include "library/CLFDoc.h"
#include "tree/FilterBox.h"
#include "tree/LibraryTreeWidget.h"
#include "view/CLFView.h"

namespace linkfold::gui::test {

// Stands in for the desktop's browser.
class UrlRecorder : public QObject {
  Q_OBJECT

 public slots:
  void open(const QUrl& url) { urls << url.toString(); }

 public:
  QStringList urls;
};

class MainFrameTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ProgramFixture> run;

  QAction& action(std::uint32_t command) { return *run->frame().commandActions().action(command); }
  LibraryTreeWidget& tree() { return run->frame().tree(); }
  // Every action of the window agrees with the core's update handler, once the refresh that
  // follows every change has run.
  void expectActionsMatchCore() {
    QCoreApplication::processEvents();
    for (QAction* a : run->frame().actions()) {
      if (!a->data().isValid()) continue;
      const std::uint32_t id = a->data().toUInt();
      const CommandState state = run->frame().commands().update(id);
      QVERIFY2(a->isEnabled() == state.enabled, qPrintable(a->text()));
      if (a->isCheckable()) QVERIFY2(a->isChecked() == state.checked, qPrintable(a->text()));
      if (state.text) QCOMPARE(a->text(), QString::fromStdString(*state.text));
    }
  }
  void selectBookmark(const QString& folder, const QString& name) {
    const auto& model = *tree().model();
    const QModelIndex root = model.index(0, 0);
    for (int f = 0; f < model.rowCount(root); ++f) {
      const QModelIndex folderIndex = model.index(f, 0, root);
      if (folderIndex.data().toString() != folder) continue;
      for (int b = 0; b < model.rowCount(folderIndex); ++b)
        if (model.index(b, 0, folderIndex).data().toString() == name) {
          tree().setCurrentIndex(model.index(b, 0, folderIndex));
          return;
        }
    }
    QFAIL(qPrintable("no bookmark " + folder + "/" + name));
  }

 private slots:
  void initTestCase() { Program::setApplicationIdentity(); }
  void init() {
    QSettings("Quillmere", "Linkfold").clear();  // every test starts from no settings
    run = std::make_unique<ProgramFixture>();
  }
  void cleanup() { run.reset(); }

  void startsOnTheDemoLibraryWithTheProfileDialog() {
    QString helpPage;  // the profile dialog's help works before the window exists
    run->modals.inspect = [&](QDialog& dialog) {
      run->program->ui().showHelp(0x20000 + 141);
      if (auto* help = dialog.findChild<HelpWindow*>()) helpPage = help->currentPage();
    };
    QVERIFY(run->start());
    QCOMPARE(run->modals.titles, QStringList{"Select Netscape Communicator User Profile"});
    QCOMPARE(helpPage, QString("profile.html"));
    QVERIFY(run->frame().isVisible());
    selectBookmark("News", "BBC News");  // the tree shows the imported library

    // Menus, toolbar and the actions' states come from the core; a menu refreshes as it opens.
    const QList<QAction*> menus = run->frame().menuBar()->actions();
    QCOMPARE(menus.size(), static_cast<qsizetype>(mainMenus().size()));
    QCOMPARE(menus.back()->text(), QString::fromUtf8(mainMenus().back().title.data()));
    QCOMPARE(run->frame().toolbar().actions().size(),
             static_cast<qsizetype>(toolbarButtons().size()));
    QTRY_VERIFY(action(kCmdFileSave).isEnabled());
    expectActionsMatchCore();
    QVERIFY(!run->frame().statusPanes().messagePane()->text().isEmpty());
    QCOMPARE(run->frame().statusPanes().indicatorTexts().size(), 3);
    QMenu* edit = run->frame().findChild<QMenu*>("editMenu");
    QVERIFY(action(kCmdRename).isEnabled());
    tree().setCurrentIndex(tree().model()->index(0, 0));  // the locked root
    emit edit->aboutToShow();
    QVERIFY(!action(kCmdRename).isEnabled());

    // The bar toggles show and hide their bars.
    const std::pair<std::uint32_t, QWidget*> bars[] = {
        {kCmdViewToolbar, &run->frame().toolbar()}, {kCmdViewStatusBar, run->frame().statusBar()}};
    for (const auto& [command, bar] : bars) {
      const bool hidden = bar->isHidden();
      action(command).trigger();
      QTRY_VERIFY2(bar->isHidden() != hidden, qPrintable(action(command).text()));
      expectActionsMatchCore();
    }
  }

  void uninstallAsksThenRemovesTheSettingsAndTheDesktopEntry() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString entry = data + "/applications/linkfold.desktop";
    const QString mime = data + "/mime/packages/linkfold.xml";
    QVERIFY(run->start());
    QVERIFY(QFile::exists(entry) && QFile::exists(mime));
    run->answers = {Answer::No};  // do not save the imported library
    QVERIFY(run->frame().close());
    run.reset();
    QVERIFY(QSettings("Quillmere", "Linkfold").contains("Settings/MainWindowPos"));

    for (const Answer answer : {Answer::No, Answer::Yes}) {
      run = std::make_unique<ProgramFixture>();
      run->answers = {answer};
      const bool started = run->start({"/UnInstall"});
      QCOMPARE(started, answer == Answer::No);
      QCOMPARE(run->program->exitCode(), 0);
      QCOMPARE(run->modals.titles.isEmpty(), answer == Answer::Yes);  // no profile question
    }
    QVERIFY(!QFile::exists(entry) && !QFile::exists(mime));
    QVERIFY(QSettings("Quillmere", "Linkfold").allKeys().isEmpty());
  }

  void aCommandLineThatCannotBeProcessedEndsTheProgram() {
    QVERIFY(!run->start({"a.bml", "b.bml"}));
    QCOMPARE(run->program->exitCode(), 2);
    QVERIFY(!run->program->frame());
  }

  void aMissingLibraryOnTheCommandLineIsNamedAndTheWindowGoesOnAsNew() {
    const QString missing = run->demoPath() + "/missing.bml";
    QVERIFY(run->start({missing}));
    QVERIFY(run->messages.front().text.find(missing.toStdString()) != std::string::npos);
    QCOMPARE(tree().model()->rowCount(), 1);  // a new library's root
  }

  void theHelpWindowIsNotBlockedByADialogAndClosesByEscapeOrButton() {
    QVERIFY(run->start());
    QString page;
    bool ownedByDialog = false;
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      run->program->ui().showHelp(0x20000 + 140);
      page = run->frame().helpWindow()->currentPage();
      ownedByDialog = dialog && run->frame().helpWindow()->parentWidget() == dialog;
    });
    action(kCmdScrollingSpeed).trigger();
    QCOMPARE(page, QString("scroll-rate.html"));
    QVERIFY(ownedByDialog);
    QTRY_VERIFY(!run->frame().helpWindow());  // gone with the dialog

    for (const bool byEscape : {true, false}) {
      run->frame().showHelpContents();
      HelpWindow* help = run->frame().helpWindow();
      QTRY_VERIFY(help && help->isVisible());
      if (byEscape)
        QTest::keyClick(help, Qt::Key_Escape);
      else
        help->findChild<QPushButton*>("closeButton")->click();
      QTRY_VERIFY(!help->isVisible());
    }
  }

  void theFilterBoxDrivesTheCoreFilter() {
    QVERIFY(run->start());
    CLFView& view = *run->program->view();
    QTRY_VERIFY(tree().hasFocus() || QApplication::focusWidget() == &tree());
    QTest::keyClick(&tree(), Qt::Key_L, Qt::ControlModifier);
    QTRY_VERIFY(run->frame().focusWidget() == &run->frame().filterBox());
    QTest::keyClicks(&run->frame().filterBox(), "bbc");
    QTRY_COMPARE(view.filterText(), std::string("bbc"));
    QVERIFY(run->frame().statusBar()->currentMessage().contains("matching"));
    QTest::keyClick(&run->frame().filterBox(), Qt::Key_Escape);
    QCOMPARE(view.filterText(), std::string());
    QVERIFY(run->frame().filterBox().text().isEmpty());
    QTest::keyClick(&run->frame().filterBox(), Qt::Key_Escape);  // on the empty box: the tree
    QTRY_VERIFY(run->frame().focusWidget() == &tree());
  }

  void enterMiddleClickAndClipboardKeysReachTheirCommands() {
    QVERIFY(run->start());
    UrlRecorder opened;
    QDesktopServices::setUrlHandler("http", &opened, "open");
    QDesktopServices::setUrlHandler("https", &opened, "open");
    selectBookmark("News", "BBC News");
    const CLFDoc& doc = run->program->session()->document();
    const QString url =
        QString::fromStdString(doc.bookmark(run->program->view()->selectedBookmarks()[0]).url);
    QTest::keyClick(&tree(), Qt::Key_Return);
    QTest::mouseClick(tree().viewport(), Qt::MiddleButton, {},
                      tree().visualRect(tree().currentIndex()).center());
    QCOMPARE(opened.urls, QStringList({url, url}));
    QTest::keyClick(&tree(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), url);
    QVERIFY(QGuiApplication::clipboard()->mimeData()->hasHtml());
    // Pasted beside a bookmark of another folder, it joins that folder.
    selectBookmark("Software", "Tucows");
    const std::uint32_t before = doc.bookmarkCount();
    QTest::keyClick(&tree(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(doc.bookmarkCount(), before + 1);
    QTRY_VERIFY(run->frame().isWindowModified());  // the title's mark
    selectBookmark("Software", "Tucows");
    run->answers.push_back(Answer::No);
    QTest::keyClick(&tree(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(run->messages.back().buttons, MessageButtons::YesNo);  // Delete's question
    QDesktopServices::unsetUrlHandler("http");
    QDesktopServices::unsetUrlHandler("https");
  }

  void eachCommandReachesTheCore_data() {
    QTest::addColumn<std::uint32_t>("command");
    QTest::addColumn<QString>("dialog");  // the modal window it opens, if any
    QTest::addColumn<QString>("helpPage");
    QTest::addColumn<bool>("asks");  // whether it starts with a question
    const auto row = [](const char* name, std::uint32_t command, const char* dialog,
                        const char* helpPage = "", bool asks = false) {
      QTest::newRow(name) << command << QString(dialog) << QString(helpPage) << asks;
    };
    row("Open Exclusive", kCmdOpenExclusive, "", "", true);
    row("Exit", kCmdAppExit, "", "", true);  // the close asks
    row("Open", kCmdFileOpen, "Open");
    row("Save As", kCmdFileSaveAs, "Save As");
    row("Import HTML", kCmdImportHtml, "Open");
    row("Rename", kCmdRename, "Rename Bookmark");
    row("Properties", kCmdProperties, "Bookmark Properties");
    row("Find", kCmdFind, "Find Bookmark");
    row("Weed", kCmdWeedDuplicates, "Weed Duplicates");
    row("Text", kCmdExportText, "Export Text File");
    row("Scroll rate", kCmdScrollingSpeed, "Set Scroll Rate");
    row("Replacement", kCmdReplacementCharacter, "Select Replacement Character");
    row("Browsers", kCmdBrowsers, "Browsers");
    row("About", kCmdAppAbout, "About Linkfold");
    row("Help Topics", kCmdHelpFinder, "", "contents.html");
    row("Introduction", kCmdIntroduction, "", "introduction.html");
    row("F1", kCmdHelp, "", "main-window.html");
  }

  void eachCommandReachesTheCore() {
    QFETCH(std::uint32_t, command);
    QFETCH(QString, dialog);
    QFETCH(QString, helpPage);
    QFETCH(bool, asks);
    QVERIFY(run->start());
    selectBookmark("News", "BBC News");
    QTRY_VERIFY(action(command).isEnabled());
    run->modals.titles.clear();
    run->messages.clear();
    action(command).trigger();
    if (asks)
      QTRY_VERIFY(!run->messages.empty() && run->messages.front().buttons != MessageButtons::Ok);
    QTRY_COMPARE(run->modals.titles, dialog.isEmpty() ? QStringList{} : QStringList{dialog});
    if (!helpPage.isEmpty()) {
      QVERIFY(run->frame().helpWindow());
      QCOMPARE(run->frame().helpWindow()->currentPage(), helpPage);
    }
  }

  void keysReachTheirCommands() {
    QVERIFY(run->start());
    QTRY_VERIFY(tree().hasFocus() || QApplication::focusWidget() == &tree());
    const QModelIndex news = tree().model()->index(2, 0, tree().model()->index(0, 0));
    QTest::keyClick(&tree(), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    QVERIFY(tree().isExpanded(news));
    QTest::keyClick(&tree(), Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
    QVERIFY(!tree().isExpanded(news));

    selectBookmark("News", "BBC News");
    run->answers.push_back(Answer::No);
    QTest::keyClick(&tree(), Qt::Key_Delete);
    QCOMPARE(run->messages.back().buttons, MessageButtons::YesNo);

    QTest::keyClick(&tree(), Qt::Key_F1);
    QTRY_VERIFY(run->frame().helpWindow() && run->frame().helpWindow()->isVisible());
    run->frame().activateWindow();
    QTest::keyClick(&tree(), Qt::Key_F1, Qt::ShiftModifier);
    QVERIFY(QWhatsThis::inWhatsThisMode());
    QWhatsThis::leaveWhatsThisMode();

    // A disabled command does nothing from its key either.
    run->modals.titles.clear();
    QVERIFY(!action(kCmdFindNext).isEnabled());
    QTest::keyClick(&tree(), Qt::Key_F3);
    QTest::keyClick(&tree(), Qt::Key_F, Qt::ControlModifier);
    QTRY_COMPARE(run->modals.titles, QStringList{"Find Bookmark"});
  }

  void aDroppedLibraryOpensAndJoinsTheRecentFiles() {
    QVERIFY(run->start());
    const QString path = run->demoPath() + "/Mine.bml";
    {
      std::ofstream out(path.toStdString(), std::ios::binary);
      run->program->session()->document().Serialize(out);
    }
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(run->demoPath() + "/notes.txt"), QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&run->frame(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&run->frame(), &drop);
    QTRY_COMPARE(run->frame().windowTitle(), QString("Mine.bml[*] - Linkfold"));
    QTRY_VERIFY(!run->frame().isWindowModified());  // it holds every browser's bookmark already

    QMenu* file = run->frame().findChild<QMenu*>("fileMenu");
    emit file->aboutToShow();
    QStringList texts;
    for (QAction* a : file->actions()) texts << a->text();
    // The one entry, the placeholder gone.
    QCOMPARE(texts.filter(QRegularExpression("^&1 .*Mine\\.bml$")).size(), 1);
    QVERIFY(!texts.contains(fromCore(RecentFileList::kEmptyText)));

    // The list outlives the program.
    run.reset();
    QCOMPARE(QSettings("Quillmere", "Linkfold").value("Recent File List/File1").toString(), path);
  }

  // Saved as the core writes it (right and bottom one past the window), brought back through
  // the core's rules for the screen's work area: cut at the right edge, at least 300 wide.
  void placementSurvivesACloseAndAStart() {
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
      QRect set, expected;
    } cases[] = {
        {QRect(120, 90, 500, 380), QRect(120, 90, 500, 380)},
        {QRect(work.right() - 150, 60, 400, 300), QRect(work.right() + 1 - 300, 60, 300, 300)},
    };
    for (const auto& c : cases) {
      run = std::make_unique<ProgramFixture>();
      QVERIFY(run->start());
      run->frame().setGeometry(c.set);
      QVERIFY(run->frame().close());
      QCOMPARE(QSettings("Quillmere", "Linkfold").value("Settings/MainWindowPos").toString(),
               QString("1,%1,%2,%3,%4")
                   .arg(c.set.left())
                   .arg(c.set.top())
                   .arg(c.set.left() + c.set.width())
                   .arg(c.set.top() + c.set.height()));
      run = std::make_unique<ProgramFixture>();
      QVERIFY(run->start());
      QCOMPARE(run->frame().geometry(), c.expected);
    }
  }

  void aMaximisedWindowComesBackMaximised() {
    QSettings("Quillmere", "Linkfold").setValue("Settings/MainWindowPos", "3,40,50,640,530");
    QVERIFY(run->start());
    QVERIFY(run->frame().isMaximized());
    QVERIFY(run->frame().close());
    QCOMPARE(QSettings("Quillmere", "Linkfold").value("Settings/MainWindowPos").toString(),
             QString("3,40,50,640,530"));
  }

  void noSavedPlacementStartsCentredAndCancelKeepsTheWindowOpen() {
    QVERIFY(run->start());
    QCOMPARE(run->frame().geometry().center(),
             QGuiApplication::primaryScreen()->availableGeometry().center());
    QCOMPARE(run->frame().minimumSize(), QSize(300, 200));
    run->answers = {Answer::Cancel};  // the imported library is unsaved
    QVERIFY(!run->frame().close());
    QVERIFY(run->frame().isVisible());
    QVERIFY(run->messages.back().text.find("Untitled") != std::string::npos);
  }
};

}  // namespace linkfold::gui::test

QTEST_MAIN(linkfold::gui::test::MainFrameTest)
#include "MainFrameTest.moc"
