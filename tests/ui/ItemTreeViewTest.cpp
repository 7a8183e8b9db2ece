#include <QAbstractItemModelTester>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include "app/Organizer.h"
#include "fakes/FakeServices.h"
#include "fakes/TempDir.h"
#include "model/AppFolder.h"
#include "trees/RecordFields.h"
#include "trees/TreeEditGuard.h"
#include "trees/TreeTable.h"
#include "ui/ItemTreeModel.h"
#include "ui/ItemTreeView.h"
#include "ui/MainWindow.h"
#include "ui/RunningWindow.h"

using namespace torvalet;

class ItemTreeViewTest : public QObject {
    Q_OBJECT

    struct Running : testing::RunningWindow {
        using RunningWindow::RunningWindow;
        ItemTree& tree(TreeId id) { return organizer->trees().get(id); }
        // The view by its object name, the tree's component name.
        ui::ItemTreeView* view(TreeId id) {
            return window->findChild<ui::ItemTreeView*>(QString::fromUtf8(treeInfo(id).name.data()));
        }
        TreeCommands& commands() { return organizer->treePages().commands; }
        // The tree holds exactly the named top-level goals, nothing below them.
        TreeNode* goal(ItemTree& tree, const char* text) {
            TreeNode* node = tree.appendChild();
            *firstTextField(*node) = text;
            return node;
        }
        void reset(ItemTree& tree) {
            tree.clear();
            window->viewOf(tree)->refresh();
        }
    };

    static QString textAt(QAbstractItemModel* model, int row, const QModelIndex& parent = {}) {
        return model->index(row, 0, parent).data().toString();
    }

private slots:
    void modelStaysConsistentWhileCommandsReshapeTheTree() {
        Running app;
        ItemTree& goals = app.tree(TreeId::DayGoalTree);
        app.reset(goals);
        TreeNode* a = app.goal(goals, "a");
        TreeNode* b = app.goal(goals, "b");
        app.goal(goals, "c");
        ui::ItemTreeView* view = app.view(TreeId::DayGoalTree);
        view->refresh();
        QAbstractItemModel* model = view->model();
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);

        goals.selectOnly(b);
        app.commands().run(kTasksPage, TreeOperation::MoveRight);  // b under a
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(textAt(model, 0, model->index(0, 0)), QString("b"));
        QCOMPARE(model->parent(model->index(0, 0, model->index(0, 0))), model->index(0, 0));

        goals.selectOnly(a);
        goals.select(goals.root()->lastChild());
        app.commands().run(kTasksPage, TreeOperation::Group);
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(textAt(model, 0), QString("a c "));
        QCOMPARE(model->rowCount(model->index(0, 0)), 2);
        QVERIFY(model->index(0, 0).data(Qt::FontRole).value<QFont>().bold());

        app.commands().run(kTasksPage, TreeOperation::NewRoot);
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(view->currentIndex(), model->index(1, 0));

        goals.selectOnly(goals.firstTopLevel());
        app.commands().run(kTasksPage, TreeOperation::Delete);
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(textAt(model, 0), QString());
    }

    void menuActionAddsAnItemTheViewShows() {
        Running app;
        ItemTree& week = app.tree(TreeId::WeekGoalTree);
        app.reset(week);
        app.organizer->view().goalPage = 1;
        app.organizer->view().activePage = kContactsPage;
        auto* action = app.window->findChild<QAction*>("NewRootGoal_mp");
        QVERIFY(action);
        QCOMPARE(action->text(), QString("New Root Goal"));
        action->trigger();
        ui::ItemTreeView* view = app.view(TreeId::WeekGoalTree);
        QCOMPARE(week.nodeCount(), std::size_t(1));
        QCOMPARE(view->model()->rowCount(), 1);
        QCOMPARE(view->itemModel()->nodeOf(view->currentIndex()), week.firstTopLevel());
        QVERIFY(view->selectionModel()->isRowSelected(0, {}));
        // The command showed the Tasks page; the window followed.
        QCOMPARE(app.window->findChild<QTabWidget*>("MainPageControl")->currentIndex(), 0);
        QCOMPARE(app.window->findChild<QTabWidget*>("GoalPageControl")->currentIndex(), 1);
    }

    void menusCarryComponentNamesAndCaptions() {
        Running app;
        const std::pair<const char*, const char*> items[] = {
            {"Goals_mp", "Goals"},
            {"CutGoal_mp", "Cut Goal"},
            {"GroupGoals1", "Group Goals"},
            {"MoveGoalsRight1", "Move Goals Right"},
            {"GoalsIntoTasks_mp", "Goals Into Task"},
            {"Links_mp", "Links"},
            {"NewChildLink_mp", "New Child Link"},
            {"MoveContactsDown1", "Move Contacts Down"},
            {"ClonePhrases1", "Clone Phrases"},
            {"NewRootEvent_mp", "New Root Event"},
        };
        for (const auto& [name, caption] : items) {
            QObject* found = app.window->findChild<QObject*>(name);
            QVERIFY2(found, name);
            const QString text = found->property("title").isValid() ? found->property("title").toString()
                                                                    : found->property("text").toString();
            QCOMPARE(text, QString(caption));
        }
    }

    void viewSelectionAndExpansionReachTheTree() {
        Running app;
        ItemTree& goals = app.tree(TreeId::DayGoalTree);
        app.reset(goals);
        TreeNode* parent = app.goal(goals, "parent");
        TreeNode* child = goals.appendChild(parent);
        TreeNode* second = app.goal(goals, "second");
        ui::ItemTreeView* view = app.view(TreeId::DayGoalTree);
        view->refresh();
        ui::ItemTreeModel* model = view->itemModel();

        view->selectionModel()->select(model->indexOf(second),
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        view->selectionModel()->select(model->indexOf(parent), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(goals.firstSelected(), parent);
        QCOMPARE(goals.selectionCount(), std::size_t(2));

        view->setCurrentIndex(model->indexOf(parent));
        QCOMPARE(goals.focused(), parent);
        QVERIFY(parent->hasFlag(NodeFlag::Expanded));  // focusing expands
        QTest::keyClick(view, Qt::Key_Minus);
        QVERIFY(!parent->hasFlag(NodeFlag::Expanded));
        QVERIFY(!view->isExpanded(model->indexOf(parent)));
        // Opening an item in the view alone is not the user's: the tree keeps it closed.
        view->expand(model->indexOf(parent));
        QVERIFY(!parent->hasFlag(NodeFlag::Expanded));

        // And back: a command's selection shows in the view.
        goals.selectOnly(child);
        goals.setFocused(child);
        view->showSelection();
        QCOMPARE(view->selectionModel()->selectedRows(), QModelIndexList{model->indexOf(child)});
        QCOMPARE(view->currentIndex(), model->indexOf(child));
    }

    void treeKeysRunTheTreeCommands() {
        Running app;
        ItemTree& goals = app.tree(TreeId::DayGoalTree);
        app.reset(goals);
        app.goal(goals, "keep");
        TreeNode* gone = app.goal(goals, "gone");
        app.goal(goals, "next");
        ui::ItemTreeView* view = app.view(TreeId::DayGoalTree);
        view->refresh();
        view->setFocus();
        view->setCurrentIndex(view->itemModel()->indexOf(gone));
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(goals.nodeCount(), std::size_t(2));
        QCOMPARE(view->model()->rowCount(), 2);
        QCOMPARE(textAt(view->model(), 1), QString("next"));

        // Alt+Up moves the selected goal; a plain Up only moves the focus.
        goals.selectOnly(goals.root()->lastChild());
        view->showSelection();
        QTest::keyClick(view, Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(textAt(view->model(), 0), QString("next"));
        QTest::keyClick(view, Qt::Key_Up);
        QCOMPARE(textAt(view->model(), 0), QString("next"));
    }

    void dropFromAnotherGoalTreeCopiesTheItems() {
        Running app;
        ItemTree& day = app.tree(TreeId::DayGoalTree);
        ItemTree& week = app.tree(TreeId::WeekGoalTree);
        app.reset(day);
        app.reset(week);
        TreeNode* target = app.goal(day, "target");
        week.selectOnly(app.goal(week, "dragged"));
        ui::ItemTreeView* view = app.view(TreeId::DayGoalTree);
        view->refresh();
        app.window->viewOf(week)->refresh();
        app.window->resize(1200, 800);
        QVERIFY(QTest::qWaitForWindowExposed(app.window.get()));

        QMimeData mime;
        mime.setData(ui::ItemTreeModel::kMimeType, "Goal2Tree");
        const QPoint on = view->visualRect(view->itemModel()->indexOf(target)).center();
        QDragEnterEvent enter(on, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        enter.setDropAction(Qt::CopyAction);
        QApplication::sendEvent(view->viewport(), &enter);
        QDragMoveEvent move(on, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        move.setDropAction(Qt::CopyAction);
        QApplication::sendEvent(view->viewport(), &move);
        QDropEvent drop(on, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        drop.setDropAction(Qt::CopyAction);
        QApplication::sendEvent(view->viewport(), &drop);

        QCOMPARE(week.nodeCount(), std::size_t(1));
        QCOMPARE(day.nodeCount(), std::size_t(2));
        QCOMPARE(view->model()->rowCount(), 2);
        QCOMPARE(textAt(view->model(), 0), QString("dragged"));
    }

    // A goal file that could not be read: its page says so above the tree, and "Add" of the goal
    // bar is refused with that text and the warning icon.
    void aTreeWhoseFileCouldNotBeReadSaysSoAndRefusesAdd() {
        Running app(
            [](testing::RunningWindow& w) { testing::writeText(w.dir / "goals.dat", std::string(50, '\xA5')); });
        QVERIFY(QTest::qWaitForWindowExposed(app.window.get()));
        const std::string text = TreeEditGuard::keptText(0, "goals.dat");
        auto* line = app.window->findChild<QWidget*>("GoalTreeKeptLine");
        QVERIFY(line);
        QVERIFY(line->isVisible());
        QCOMPARE(line->findChild<QLabel*>("text")->text(), QString::fromStdString(text));
        QVERIFY(!app.window->findChild<QWidget*>("Goal2TreeKeptLine"));

        ItemTree& goals = app.tree(TreeId::DayGoalTree);
        const std::size_t before = goals.nodeCount();
        app.fakes.ui.messages.clear();
        app.window->findChild<QLineEdit*>("GoalEdit")->setText("new goal");
        QTest::mouseClick(app.window->findChild<QPushButton*>("AddGoal_RbBtn"), Qt::LeftButton);
        QCOMPARE(app.fakes.ui.warnings, std::vector<std::string>{text});
        QCOMPARE(app.fakes.ui.messages.size(), std::size_t(1));
        QCOMPARE(goals.nodeCount(), before);

        app.organizer->chooseRussian();
        QCOMPARE(line->findChild<QLabel*>("text")->text(),
                 QString::fromStdString(TreeEditGuard::keptText(1, "goals.dat")));
    }

    void commandErrorIsShownAndTheViewFollows() {
        Running app;
        ItemTree& goals = app.tree(TreeId::DayGoalTree);
        app.reset(goals);
        TreeNode* parent = app.goal(goals, "parent");
        TreeNode* child = goals.appendChild(parent);
        goals.selectOnly(parent);
        ui::ItemTreeView* view = app.view(TreeId::DayGoalTree);
        view->refresh();
        app.window->runCommand([&] { app.commands().treeDragDrop(goals, child, &goals, DropPosition::On, {}); });
        QCOMPARE(app.fakes.ui.messages.size(), std::size_t(1));
        QCOMPARE(view->model()->rowCount(), 1);
    }
};

QTEST_MAIN(ItemTreeViewTest)
#include "ItemTreeViewTest.moc"
