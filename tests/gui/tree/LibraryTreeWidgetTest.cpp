// What only the tree widget and its item model can get wrong: the model following the core's
// tree, the check boxes the widget draws, the clicks and keys it forwards, its context menu, and
// the drags it makes from mouse events.

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>
#include <string>

#include "../../support/MessageRecorder.h"
#include "../../support/TreeItems.h"
#include "library/CLFDoc.h"
#include "platform/HeadlessUi.h"
#include "platform/Settings.h"
#include "tree/ItemImages.h"
#include "tree/LibraryTreeModel.h"
#include "tree/LibraryTreeWidget.h"
#include "view/CLFView.h"

namespace linkfold::test {

using gui::LibraryTreeModel;
using gui::LibraryTreeWidget;

// Records the messages the core shows and counts its dialogs instead of opening them.
struct RecordingUi : HeadlessUi, MessageRecorder {
  Answer showMessage(const Message& message) override { return record(message); }
  bool runDialog(DialogModel&) override { return ++dialogs, false; }
  int dialogs = 0;
};

// Root Folder: A (Sub; alpha, beta), B (gamma), L (locked) and the bookmark top.
struct TreeLibrary {
  TreeLibrary() {
    doc.addFolder("\\", true);
    for (const char* path : {"A\\", "A\\Sub\\", "B\\"}) doc.addFolder(path, false);
    doc.addFolder("L\\", true);
    const std::pair<std::uint32_t, const char*> marks[] = {
        {1, "alpha"}, {1, "beta"}, {3, "gamma"}, {0, "top"}};
    for (const auto& [folder, name] : marks)
      doc.addBookmark(folder, name, std::string("http://") + name + "/", {}, 0, 0, 0);
    view.OnUpdate();
  }

  TreeItem item(const std::string& path) const { return itemAt(view.tree(), path); }

  RecordingUi ui;
  InMemorySettings settings;
  CLFDoc doc{ui, settings, std::string()};
  CLFView view{doc, ui, settings};
};

// Sends a mouse event straight to a widget, with the buttons held after it.
void sendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, held,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

class LibraryTreeWidgetTest : public QObject {
  Q_OBJECT

  std::unique_ptr<TreeLibrary> library;
  std::unique_ptr<LibraryTreeWidget> widget;

  QWidget* viewport() const { return widget->viewport(); }
  TreeItem item(const std::string& path) const { return library->item(path); }
  QPoint labelCenter(const std::string& path) const {
    return widget->labelRect(item(path)).center();
  }
  void click(QPoint pos) {
    sendMouse(viewport(), QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
    sendMouse(viewport(), QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
  }
  // Presses on the first item, moves past the drag distance, then to `to`.
  void dragTo(const std::string& from, QPoint to) {
    const QPoint start = labelCenter(from);
    sendMouse(viewport(), QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    sendMouse(viewport(), QEvent::MouseMove, start + QPoint(0, 12), Qt::NoButton, Qt::LeftButton);
    sendMouse(viewport(), QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
  }
  void key(int k) { QTest::keyClick(widget.get(), static_cast<Qt::Key>(k)); }

 private slots:
  void init() {
    library = std::make_unique<TreeLibrary>();
    widget = std::make_unique<LibraryTreeWidget>(library->view);
    widget->resize(300, 400);
    widget->show();
    library->view.OnExpandAll();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
  }
  void cleanup() {
    widget.reset();
    library.reset();
  }

  // The item model, checked by Qt's model tester while the core inserts, removes, moves and
  // rebuilds.
  void followsEveryChangeItemByItemAndResetsOnlyOnARebuild() {
    LibraryTreeModel model(library->view.tree());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removals(&model, &QAbstractItemModel::rowsRemoved);
    CLFView& view = library->view;
    CSortedTreeCtrl& tree = view.tree();

    // A bookmark dropped on another folder: one row out, one row in.
    view.OnBeginDrag(library->item("A/alpha"));
    view.OnDrop({library->item("B"), kHitOnLabel});
    QCOMPARE(removals.count(), 1);
    QCOMPARE(inserts.count(), 1);
    const QModelIndex moved = model.indexOf(library->item("B/alpha"));
    QCOMPARE(moved.parent(), model.indexOf(library->item("B")));
    QCOMPARE(moved.row(), 0);  // before gamma
    QCOMPARE(moved.data().toString(), QStringLiteral("alpha"));

    // A folder with everything below it moved into another folder.
    view.OnBeginDrag(library->item("A"));
    view.OnDrop({library->item("B"), kHitOnLabel});
    QCOMPARE(model.rowCount(model.indexOf(library->item("B/A"))), 2);  // Sub and beta

    // A deleted bookmark, a label changed in place, a label in the old code page.
    tree.select(library->item("top"));
    library->ui.answers.push_back(Answer::Yes);
    view.OnDelete();
    QVERIFY(!tree.exists(library->item("top")));
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
    const TreeItem gamma = library->item("B/gamma");
    tree.setLabel(gamma, "caf\xE9");
    QCOMPARE(changes.count(), 1);
    QCOMPARE(model.indexOf(gamma).data().toString(), QStringLiteral("caf\u00e9"));
    tree.setState(library->item("B"), 3);
    QCOMPARE(model.indexOf(library->item("B")).data(LibraryTreeModel::kStateImageRole).toInt(), 3);
    QCOMPARE(resets.count(), 0);

    // The rebuild is one reset, whatever it inserts.
    inserts.clear();
    view.OnUpdate();
    QCOMPARE(resets.count(), 1);
    QCOMPARE(inserts.count(), 0);
    const QModelIndex root = model.index(0, 0);
    QCOMPARE(LibraryTreeModel::itemOf(root), tree.root());
    QCOMPARE(model.rowCount(root), static_cast<int>(tree.children(tree.root()).size()));
    QVERIFY(model.flags(model.indexOf(library->item("B/A/beta"))) & Qt::ItemNeverHasChildren);
  }

  void drawsEachFoldersCheckBoxFromItsState() {
    using gui::ItemImages;  // first, each kind of item has a picture of its own
    for (int i = 1; i < ItemImages::kNormalCount; ++i)
      for (int j = 0; j < i; ++j)
        QVERIFY(ItemImages::normalPixmap(i).toImage() != ItemImages::normalPixmap(j).toImage());
    CSortedTreeCtrl& tree = library->view.tree();
    const std::pair<const char*, std::uint32_t> states[] = {
        {"A", 1}, {"A/Sub", 2}, {"B", 3}, {"top", 0}};
    for (const auto& [path, state] : states) tree.setState(item(path), state);
    const QImage shot = viewport()->grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    for (const auto& [path, state] : states) {
      const QRect box = widget->stateIconRect(item(path));
      QImage expected(box.size() * ratio, QImage::Format_ARGB32_Premultiplied);
      expected.setDevicePixelRatio(ratio);
      expected.fill(viewport()->palette().color(QPalette::Base));
      QPainter(&expected).drawPixmap(0, 0,
                                     gui::ItemImages::statePixmap(static_cast<int>(state), ratio));
      const QRect pixels(box.topLeft() * ratio, box.size() * ratio);
      QCOMPARE(shot.copy(pixels).convertToFormat(expected.format()), expected);
    }
  }

  void theHitTestNamesThePartOfTheRowOrTheSideOfTheTree() {
    const TreeItem a = item("A"), sub = item("A/Sub");
    const QRect box = widget->stateIconRect(a);
    const QRect label = widget->labelRect(a);
    const int y = box.center().y();
    const QPoint indent(widget->stateIconRect(sub).left() - 3,
                        widget->stateIconRect(sub).center().y());
    const QSize size = viewport()->size();
    const std::tuple<QPoint, TreeItem, unsigned> cases[] = {
        {box.center(), a, kHitOnStateIcon},
        {box.center() + QPoint(box.width() + 2, 0), a, kHitOnIcon},
        {label.center(), a, kHitOnLabel},
        {QPoint(label.right() + 3, y), a, kHitOnRight},
        {QPoint(size.width() - 3, y), a, kHitOnRight},
        {QPoint(box.left() - 3, y), a, kHitOnButton},  // A holds items
        {indent, sub, kHitOnIndent},                   // Sub holds none
        {QPoint(5, size.height() - 3), kNoItem, kHitNowhere},
        {QPoint(5, -3), kNoItem, kHitAbove},
        {QPoint(5, size.height() + 3), kNoItem, kHitBelow},
        {QPoint(-3, 5), kNoItem, kHitToLeft},
        {QPoint(size.width() + 3, 5), kNoItem, kHitToRight},
    };
    for (const auto& [pos, expectedItem, flags] : cases) {
      const HitTest hit = widget->hitTest(pos);
      QCOMPARE(hit.item, expectedItem);
      QCOMPARE(hit.flags, flags);
    }
  }

  // Which hits and keys toggle is the core's; the widget hands them over.
  void clickOnTheBoxAndSpaceToggleAFolder() {
    const TreeItem a = item("A");
    click(widget->stateIconRect(a).center());
    QCOMPARE(library->view.tree().state(a), 1u);
    click(labelCenter("A"));
    QCOMPARE(library->view.tree().selected(), a);
    key(Qt::Key_Space);
    QCOMPARE(library->view.tree().state(a), 2u);
  }

  void keysMoveTheCoreSelectionAndAskForCommands() {
    CSortedTreeCtrl& tree = library->view.tree();
    QSignalSpy commands(widget.get(), &LibraryTreeWidget::commandRequested);
    widget->setFocus();
    key(Qt::Key_Home);
    QCOMPARE(tree.selected(), tree.root());
    key(Qt::Key_Down);
    QCOMPARE(tree.selected(), item("A"));
    key(Qt::Key_Minus);
    QVERIFY(!tree.isExpanded(item("A")));
    key(Qt::Key_Plus);
    QVERIFY(tree.isExpanded(item("A")));
    key(Qt::Key_F2);
    key(Qt::Key_Delete);
    QCOMPARE(commands.count(), 2);
    QCOMPARE(commands[0][0].value<std::uint32_t>(), std::uint32_t{kCmdRename});
    QCOMPARE(commands[1][0].value<std::uint32_t>(), std::uint32_t{kCmdDelete});
    tree.select(item("B/gamma"));  // and the other way round
    QCOMPARE(LibraryTreeModel::itemOf(widget->currentIndex()), item("B/gamma"));
  }

  void doubleClickOpensABookmarksPropertiesAndAFolder() {
    const auto doubleClick = [&](QPoint pos) {
      click(pos);
      sendMouse(viewport(), QEvent::MouseButtonDblClick, pos, Qt::LeftButton, Qt::LeftButton);
      sendMouse(viewport(), QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
    };
    doubleClick(labelCenter("A/alpha"));
    QCOMPARE(library->ui.dialogs, 1);  // Properties
    QVERIFY(library->view.tree().isExpanded(item("A")));
    doubleClick(labelCenter("A"));
    QVERIFY(!library->view.tree().isExpanded(item("A")));
  }

  void rightClickShowsTheItemsMenuAndSendsTheChosenCommand() {
    QSignalSpy commands(widget.get(), &LibraryTreeWidget::commandRequested);
    QStringList texts;
    QTimer::singleShot(0, this, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      for (QAction* action : menu->actions()) {
        texts << (action->isSeparator() ? "-" : action->text());
        if (action->text() == "&Delete Bookmark") action->trigger();
      }
      menu->close();
    });
    const QPoint pos = labelCenter("B/gamma");
    QStringList expected;
    for (const MenuEntry& entry : library->view.OnRightClick({item("B/gamma"), kHitOnLabel}))
      expected << (entry.id == kCmdSeparator ? "-" : QString::fromStdString(entry.text));
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, viewport()->mapToGlobal(pos));
    QApplication::sendEvent(viewport(), &event);
    QCOMPARE(texts, expected);
    QCOMPARE(library->view.tree().selected(), item("B/gamma"));
    QCOMPARE(commands.count(), 1);
    QCOMPARE(commands[0][0].value<std::uint32_t>(), std::uint32_t{kCmdDelete});
  }

  void aBookmarkDraggedOntoAnotherFolderMovesThere() {
    dragTo("A/alpha", labelCenter("B"));
    QVERIFY(widget->isDragging());
    QCOMPARE(library->view.tree().dropHighlight(), item("B"));
    sendMouse(viewport(), QEvent::MouseButtonRelease, labelCenter("B"), Qt::LeftButton,
              Qt::NoButton);
    QVERIFY(!widget->isDragging());
    QCOMPARE(library->doc.bookmark(0).folder, 3u);  // alpha is in B now
  }

  void theRootCannotBeDraggedAndTheRightButtonCancels() {
    dragTo("", labelCenter("B"));
    QVERIFY(!widget->isDragging());
    QCOMPARE(library->ui.messages.size(), std::size_t{1});  // the core's refusal
    dragTo("A/alpha", labelCenter("B"));
    sendMouse(viewport(), QEvent::MouseButtonPress, labelCenter("B"), Qt::RightButton,
              Qt::LeftButton | Qt::RightButton);
    QVERIFY(!widget->isDragging());
    bool menuShown = false;  // the right click that cancels brings no context menu
    QTimer::singleShot(0, this, [&] {
      if (QWidget* popup = QApplication::activePopupWidget()) {
        menuShown = true;
        popup->close();
      }
    });
    const QPoint pos = labelCenter("B");
    QContextMenuEvent menuRequest(QContextMenuEvent::Mouse, pos, viewport()->mapToGlobal(pos));
    QApplication::sendEvent(viewport(), &menuRequest);
    QCoreApplication::processEvents();
    QVERIFY(!menuShown);
    sendMouse(viewport(), QEvent::MouseButtonRelease, labelCenter("B"), Qt::LeftButton,
              Qt::NoButton);
    QVERIFY(item("A/alpha") != kNoItem);
    QCOMPARE(library->view.tree().dropHighlight(), kNoItem);
  }

  void theTreeScrollsWhileThePointerRestsBelowIt() {
    widget->resize(300, 60);
    QScrollBar* bar = widget->verticalScrollBar();
    QCOMPARE(bar->value(), 0);
    dragTo("A/alpha", QPoint(20, viewport()->height() + 10));
    QTRY_VERIFY(bar->value() >= 2);  // more than the step the movement itself made
    sendMouse(viewport(), QEvent::MouseMove, labelCenter("A"), Qt::NoButton, Qt::LeftButton);
    const int still = bar->value();
    QTest::qWait(30);
    QCOMPARE(bar->value(), still);
  }
};

}  // namespace linkfold::test

QTEST_MAIN(linkfold::test::LibraryTreeWidgetTest)
#include "LibraryTreeWidgetTest.moc"
