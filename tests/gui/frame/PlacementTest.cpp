// The main window's placement survives a close and a start; its minimum size holds.
#include <QScreen>
#include <QTest>

#include "ProgramFixture.h"
#include "platform/Settings.h"

namespace linkfold::gui::test {

class PlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { Program::setApplicationIdentity(); }
  void init() { clearSettings(); }

  void placementSurvivesACloseAndAStart() {
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
      QRect set;       // where the first run leaves the window
      QRect expected;  // where the second run puts it
    } cases[] = {
        {QRect(120, 90, 500, 380), QRect(120, 90, 500, 380)},
        // Reaching past the right edge: cut at the edge, keeping at least 300 wide.
        {QRect(work.right() - 150, 60, 400, 300), QRect(work.right() + 1 - 300, 60, 300, 300)},
    };
    for (const auto& c : cases) {
      {
        ProgramFixture first;
        QVERIFY(first.start());
        first.frame().setGeometry(c.set);
        QVERIFY(first.frame().close());
      }
      const QString saved =
          QSettings("Quillmere", "Linkfold").value("Settings/MainWindowPos").toString();
      QCOMPARE(saved, QString("1,%1,%2,%3,%4")
                          .arg(c.set.left())
                          .arg(c.set.top())
                          .arg(c.set.left() + c.set.width())
                          .arg(c.set.top() + c.set.height()));
      ProgramFixture second;
      QVERIFY(second.start());
      QCOMPARE(second.frame().geometry(), c.expected);
    }
  }

  void aMaximisedWindowComesBackMaximised() {
    QSettings("Quillmere", "Linkfold").setValue("Settings/MainWindowPos", "3,40,50,640,530");
    ProgramFixture run;
    QVERIFY(run.start());
    QVERIFY(run.frame().isMaximized());
    QVERIFY(run.frame().close());
    QCOMPARE(QSettings("Quillmere", "Linkfold").value("Settings/MainWindowPos").toString(),
             QString("3,40,50,640,530"));
  }

  // Without a placement (the parser's rules for a malformed one are the core's).
  void noSavedPlacementStartsCentred() {
    ProgramFixture run;
    QVERIFY(run.start());
    QCOMPARE(run.frame().geometry().center(),
             QGuiApplication::primaryScreen()->availableGeometry().center());
    QVERIFY(run.frame().minimumSize() == QSize(300, 200));
  }

  void cancellingTheSaveQuestionKeepsTheWindowOpen() {
    ProgramFixture run;
    QVERIFY(run.start());
    run.program->session();  // the library was built by the import: modified
    run.answers = {Answer::Cancel};
    QVERIFY(!run.frame().close());
    QVERIFY(run.frame().isVisible());
    QVERIFY(run.messages.back().text.find("Untitled") != std::string::npos);
    run.answers = {Answer::No};
    QVERIFY(run.frame().close());
  }
};

}  // namespace linkfold::gui::test

QTEST_MAIN(linkfold::gui::test::PlacementTest)
#include "PlacementTest.moc"
