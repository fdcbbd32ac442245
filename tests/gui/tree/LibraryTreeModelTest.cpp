// The item model over the core tree, checked by Qt's model tester while the core inserts,
// removes, moves and rebuilds.

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

#include "TreeTestSupport.h"
#include "tree/LibraryTreeModel.h"

namespace linkfold::test {

using gui::LibraryTreeModel;

class LibraryTreeModelTest : public QObject {
  Q_OBJECT

 private slots:
  void followsEveryChangeItemByItemAndResetsOnlyOnARebuild() {
    TreeLibrary library;
    LibraryTreeModel model(library.view.tree());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removals(&model, &QAbstractItemModel::rowsRemoved);
    CLFView& view = library.view;
    CSortedTreeCtrl& tree = view.tree();

    // A bookmark dropped on another folder: one row out, one row in.
    view.OnBeginDrag(library.item("A/alpha"));
    view.OnDrop({library.item("B"), kHitOnLabel});
    QCOMPARE(removals.count(), 1);
    QCOMPARE(inserts.count(), 1);
    const QModelIndex moved = model.indexOf(library.item("B/alpha"));
    QCOMPARE(moved.parent(), model.indexOf(library.item("B")));
    QCOMPARE(moved.row(), 0);  // before gamma
    QCOMPARE(moved.data().toString(), QStringLiteral("alpha"));

    // A folder with everything below it moved into another folder.
    view.OnBeginDrag(library.item("A"));
    view.OnDrop({library.item("B"), kHitOnLabel});
    QVERIFY(tree.exists(library.item("B/A/Sub")));
    QCOMPARE(model.rowCount(model.indexOf(library.item("B/A"))), 2);  // Sub and beta

    // A deleted bookmark, a label changed in place, a label in the old code page.
    tree.select(library.item("top"));
    library.ui.answers.push_back(Answer::Yes);
    view.OnDelete();
    QVERIFY(!tree.exists(library.item("top")));
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
    const TreeItem gamma = library.item("B/gamma");
    tree.setLabel(gamma, "caf\xE9");
    QCOMPARE(changes.count(), 1);
    QCOMPARE(model.indexOf(gamma).data().toString(), QStringLiteral("caf\u00e9"));
    tree.setState(library.item("B"), 3);
    QCOMPARE(model.indexOf(library.item("B")).data(LibraryTreeModel::kStateImageRole).toInt(), 3);
    QCOMPARE(resets.count(), 0);

    // The rebuild is one reset, whatever it inserts.
    inserts.clear();
    view.OnUpdate();
    QCOMPARE(resets.count(), 1);
    QCOMPARE(inserts.count(), 0);
    const QModelIndex root = model.index(0, 0);
    QCOMPARE(LibraryTreeModel::itemOf(root), tree.root());
    QCOMPARE(model.rowCount(root), static_cast<int>(tree.children(tree.root()).size()));
    QCOMPARE(model.index(0, 0, root).parent(), root);
    QVERIFY(model.flags(model.indexOf(library.item("B/A/beta"))) & Qt::ItemNeverHasChildren);
  }
};

}  // namespace linkfold::test

QTEST_MAIN(linkfold::test::LibraryTreeModelTest)
#include "LibraryTreeModelTest.moc"
