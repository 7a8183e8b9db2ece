#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/TreePages.h"
#include "base/Text.h"
#include "trees/ContactRecord.h"
#include "trees/GoalLook.h"
#include "trees/GoalRecord.h"
#include "trees/ItemTreeSet.h"
#include "trees/RecordFields.h"
#include "trees/TreeFileIo.h"
#include "trees/TreeTable.h"
#include "ui/ItemTreeModel.h"
#include "ui/ItemTreeView.h"
#include "ui/RunningWindow.h"
#include "ui/TreePrinter.h"

using namespace torvalet;

class NavigationViewTest : public QObject {
    Q_OBJECT

    struct Running : testing::RunningWindow {
        Running() { window->resize(1300, 800); }
        ItemTree& tree(TreeId id) { return organizer->trees().get(id); }
        // The view by its object name, the tree's component name.
        ui::ItemTreeView* view(TreeId id) {
            return window->findChild<ui::ItemTreeView*>(QString::fromUtf8(treeInfo(id).name.data()));
        }
        template <class T>
        T* find(const char* name) {
            return window->findChild<T*>(name);
        }
        Navigation& navigation() { return organizer->navigation(); }
        // Replaces the tree's items: top-level items named, each with the children named after it
        // plus 1, 2, ... ("A" with two children: A1, A2), all expanded.
        void fill(ItemTree& items, std::initializer_list<std::pair<const char*, int>> outline) {
            items.clear();
            for (const auto& [name, children] : outline) {
                TreeNode* top = items.appendChild();
                *firstTextField(*top) = name;
                top->setFlag(NodeFlag::Expanded, true);
                for (int i = 1; i <= children; ++i) *firstTextField(*items.appendChild(top)) = name + std::to_string(i);
            }
            window->viewOf(items)->refresh();
        }
        void showPage(Page page) {
            organizer->view().activePage = page;
            window->showViewState();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        }
        // The texts of the rows in view, depth first, children of collapsed rows left out.
        static QStringList rowsOf(QTreeView* view) {
            QStringList rows;
            for (QModelIndex index = view->model()->index(0, 0); index.isValid(); index = view->indexBelow(index))
                rows << index.data().toString();
            return rows;
        }
    };

private slots:
    // The window is the organiser's observer while it lives: a goal made with its dialog shows in
    // the tree, the month calendar and the Language menu follow the core. Once it is gone what the
    // core tells reaches nobody.
    void theWindowObservesTheOrganizerWhileItLives() {
        Running app;
        app.window->installItemDialogs();
        app.showPage(kTasksPage);
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                dialog->findChild<QPlainTextEdit*>("GoalMemo")->setPlainText("From the dialog");
                dialog->findChild<QPushButton*>("GoalPropOkBtn1")->click();
            }
        });
        app.organizer->treePages().commands.run(kTasksPage, TreeOperation::NewRoot);
        QVERIFY(app.rowsOf(app.view(TreeId::DayGoalTree)).contains("From the dialog"));

        const Date christmas = Date::fromYmd(2026, 12, 24);
        app.organizer->tasks().context.listState.calendar.select(christmas, christmas);
        QCOMPARE(app.find<QCalendarWidget>("MonthCalendar1")->selectedDate(), QDate(2026, 12, 24));
        app.organizer->chooseMacedonian();
        QVERIFY(app.find<QAction>("Macedonian1")->isChecked());

        app.window.reset();
        app.organizer->tasks().context.listState.calendar.selectToday(app.organizer->today());
        app.organizer->treePages().commands.run(kTasksPage, TreeOperation::NewRoot);
        app.organizer->chooseEnglish();
    }

    void keyCCollapsesAllButTheSelectedGoal() {
        Running app;
        app.showPage(kTasksPage);
        ItemTree& goals = app.tree(TreeId::DayGoalTree);
        app.fill(goals, {{"A", 2}, {"B", 2}});
        ui::ItemTreeView* view = app.view(TreeId::DayGoalTree);
        goals.selectOnly(goals.root()->lastChild()->firstChild());
        goals.setFocused(goals.root()->lastChild()->firstChild());
        view->showSelection();
        view->setFocus();
        QTest::keyClick(view, Qt::Key_C);
        QCOMPARE(Running::rowsOf(view), (QStringList{"A", "B", "B1", "B2"}));
        QVERIFY(view->hasFocus());
    }

    // Qt opens the parents of the current item on its own; the tree's flags decide what is open. A
    // goal inside "Work" clicked, then "Collapse All Goals": "Work" is closed in the tree, in the
    // view and in the saved file, and "Goals Level 2" does not open it again.
    void collapsingHoldsAroundTheFocusedGoal() {
        Running app;
        app.showPage(kTasksPage);
        ItemTree& goals = app.tree(TreeId::DayGoalTree);
        app.fill(goals, {{"Work", 2}, {"Home", 1}});
        ui::ItemTreeView* view = app.view(TreeId::DayGoalTree);
        TreeNode* work = goals.firstTopLevel();
        const QRect row = view->visualRect(view->itemModel()->indexOf(work->firstChild()));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(goals.focused(), work->firstChild());

        app.find<QAction>("CollapseAllGoals1")->trigger();
        QVERIFY(!work->hasFlag(NodeFlag::Expanded));
        QVERIFY(!view->isExpanded(view->itemModel()->indexOf(work)));
        QCOMPARE(Running::rowsOf(view), (QStringList{"Work", "Home"}));

        app.find<QAction>("GoalsLevel2")->trigger();
        QVERIFY(!work->hasFlag(NodeFlag::Expanded));
        QCOMPARE(Running::rowsOf(view), (QStringList{"Work", "Home"}));

        app.window->close();
        ItemTreeSet saved;
        loadTreeFile(saved.get(TreeId::DayGoalTree), app.dir / "goals.dat", TextCodec());
        const TreeNode* savedWork = saved.get(TreeId::DayGoalTree).firstTopLevel();
        QVERIFY(savedWork && savedWork->hasChildren());
        QVERIFY(!savedWork->hasFlag(NodeFlag::Expanded));
    }

    // "Add" while the goal line filters: the new goal is shown, selected and current, with the
    // path to it open; the line keeps filtering the others.
    void aGoalAddedWhileTheLineFiltersIsShown() {
        Running app;
        app.showPage(kTasksPage);
        ItemTree& goals = app.tree(TreeId::DayGoalTree);
        app.fill(goals, {{"Work", 2}, {"Home", 1}});
        ui::ItemTreeView* view = app.view(TreeId::DayGoalTree);
        TreeNode* work2 = goals.firstTopLevel()->lastChild();
        goals.selectOnly(work2);
        goals.setFocused(work2);
        view->showSelection();
        auto* edit = app.find<QLineEdit>("GoalEdit");
        QTest::keyClicks(edit, "milk");
        QCOMPARE(Running::rowsOf(view), QStringList());

        QTest::mouseClick(app.find<QPushButton>("AddGoal_RbBtn"), Qt::LeftButton);
        QCOMPARE(Running::rowsOf(view), (QStringList{"Work", "milk"}));
        const QModelIndex added = view->itemModel()->indexOf(goals.firstTopLevel()->lastChild());
        QCOMPARE(view->currentIndex(), added);
        QCOMPARE(view->selectionModel()->selectedRows(), QModelIndexList{added});
        QCOMPARE(edit->text(), QString("milk"));
    }

    void typingFiltersEnterFindsAndEmptiesTheLine() {
        Running app;
        app.showPage(kContactsPage);
        ItemTree& contacts = app.tree(TreeId::ContactsTree);
        app.fill(contacts, {{"Hotels", 2}, {"People", 3}});
        contacts.root()->lastChild()->lastChild()->record<ContactRecord>().firstName = "Rosa";
        ui::ItemTreeView* view = app.view(TreeId::ContactsTree);
        QAbstractItemModelTester tester(view->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        auto* edit = app.find<QLineEdit>("ContactEdit");
        QVERIFY(edit);
        QCOMPARE(edit->placeholderText(), QString("Please enter Contact here..."));

        QTest::keyClicks(edit, "ople2");
        QCOMPARE(Running::rowsOf(view), (QStringList{"People", "People2"}));
        edit->clear();
        QTest::keyClicks(edit, "Rosa");
        QCOMPARE(Running::rowsOf(view), (QStringList{"People", "People3"}));  // the first name counts
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(Running::rowsOf(view), (QStringList{"Hotels", "People", "People1", "People2", "People3"}));
        QCOMPARE(view->itemModel()->nodeOf(view->currentIndex()), contacts.root()->lastChild()->lastChild());
    }

    void clickInAFilteredTreeShowsEverythingAgain() {
        Running app;
        app.showPage(kTasksPage);
        ItemTree& goals = app.tree(TreeId::DayGoalTree);
        app.fill(goals, {{"Work", 2}, {"Home", 2}});
        ui::ItemTreeView* view = app.view(TreeId::DayGoalTree);
        auto* edit = app.find<QLineEdit>("GoalEdit");
        QTest::keyClicks(edit, "home2");
        QCOMPARE(Running::rowsOf(view), (QStringList{"Home", "Home2"}));
        const QRect row = view->visualRect(view->model()->index(0, 0, view->model()->index(0, 0)));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(edit->text(), QString());
        QCOMPARE(Running::rowsOf(view), (QStringList{"Work", "Home", "Home1", "Home2"}));
    }

    void letterButtonsAndTheJumpFromATag() {
        Running app;
        app.showPage(kContactsPage);
        ItemTree& contacts = app.tree(TreeId::ContactsTree);
        app.fill(contacts, {{"apple", 0}, {"Bank", 1}, {"Bistro", 0}});
        *firstTextField(*contacts.root()->firstChild()->nextSibling()->firstChild()) = "Branch";
        app.find<QToolButton>("MarksTreeBtnB")->click();
        ui::ItemTreeView* tags = app.view(TreeId::ContactTagsTree);
        QCOMPARE(Running::rowsOf(tags), (QStringList{"Bank", "Branch", "Bistro"}));
        QVERIFY(tags->header()->isSortIndicatorShown());
        QCOMPARE(tags->model()->index(1, 0).data(Qt::BackgroundRole).value<QBrush>().color(),
                 ui::ItemTreeModel::tagTint());
        QVERIFY(!tags->model()->index(0, 0).data(Qt::BackgroundRole).isValid());

        const QRect branch = tags->visualRect(tags->model()->index(1, 0));
        QTest::mouseClick(tags->viewport(), Qt::LeftButton, {}, branch.center());
        QTest::mouseDClick(tags->viewport(), Qt::LeftButton, {}, branch.center());
        ui::ItemTreeView* view = app.view(TreeId::ContactsTree);
        QCOMPARE(view->itemModel()->nodeOf(view->currentIndex()),
                 contacts.root()->firstChild()->nextSibling()->firstChild());
        QVERIFY(view->hasFocus());
        QCOMPARE(Running::rowsOf(view), (QStringList{"apple", "Bank", "Branch", "Bistro"}));

        app.find<QToolButton>("ShowCompaniesBtn")->click();
        QCOMPARE(Running::rowsOf(tags), QStringList{});
    }

    void typeAheadInThePhraseTree() {
        Running app;
        app.showPage(kBlocknotePage);
        ItemTree& phrases = app.tree(TreeId::PhrasesTree);
        app.fill(phrases, {{"Alpha", 0}, {"Tab", 0}, {"Tango", 0}});
        ui::ItemTreeView* view = app.view(TreeId::PhrasesTree);
        view->setFocus();
        QTest::keyClicks(view, "tan");
        QCOMPARE(phrases.focused(), phrases.root()->lastChild());
        QCOMPARE(view->itemModel()->nodeOf(view->currentIndex()), phrases.root()->lastChild());
        // The goal trees have none: a typed letter moves nothing.
        ItemTree& goals = app.tree(TreeId::DayGoalTree);
        app.fill(goals, {{"Alpha", 0}, {"Tango", 0}});
        app.showPage(kTasksPage);
        app.view(TreeId::DayGoalTree)->setFocus();
        TreeNode* before = goals.focused();
        QTest::keyClicks(app.view(TreeId::DayGoalTree), "t");
        QCOMPARE(goals.focused(), before);
    }

    void goalColumnsShowPicturesAndAnEmptyGoalNoText() {
        Running app;
        ItemTree& goals = app.tree(TreeId::DayGoalTree);
        app.fill(goals, {{"", 0}});
        ui::ItemTreeView* view = app.view(TreeId::DayGoalTree);
        const QStringList captions{"Goal", "Typ", "Prio", "State", "Comment"};
        const int widths[] = {350, 0, 24, 24};
        for (int column = 0; column < 5; ++column) {
            QCOMPARE(view->model()->headerData(column, Qt::Horizontal).toString(), captions[column]);
            if (column < 4) QCOMPARE(view->isColumnHidden(column) ? 0 : view->columnWidth(column), widths[column]);
            QCOMPARE(view->model()->index(0, column).data().toString(), QString());
        }
        QVERIFY(view->model()->index(0, 0).data(Qt::FontRole).value<QFont>().bold());  // type 0: a group
        goals.firstTopLevel()->record<GoalRecord>().state = 6;
        QVERIFY(!view->model()->index(0, 2).data(Qt::DecorationRole).value<QIcon>().isNull());
        QCOMPARE(view->model()->index(0, 2).data(Qt::DisplayRole).toString(), QString());
    }

    void levelMenusHideAndShowRows() {
        Running app;
        ItemTree& links = app.tree(TreeId::LinksTree);
        app.fill(links, {{"News", 2}, {"Mail", 1}});
        ui::ItemTreeView* view = app.view(TreeId::LinksTree);
        QAbstractItemModelTester tester(view->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        const std::pair<const char*, const char*> items[] = {
            {"LinksLevel1", "Links Level 1"},
            {"ShowAllLinksLevels1", "Show All Links Levels"},
            {"GoalsLevel9", "Goals Level 9"},
            {"ShowAllContactsLevels1", "Contacts Show All Levels"},
            {"ExpandLinkNode1", "Expand Node"},
            {"CollapseGoalNode1", "Collapse Goal Node"},
            {"ExpandAllContacts1", "Expand All Contacts"},
            {"CollapseAllLinks1", "Collapse All Links"},
            {"ShowContactsTags1", "Show General Tags"},
            {"ContactsA", "Contacts A"},
            {"LinksZ", "Links Z"},
            {"ShowCompanies1", "Show Companies"},
            {"ShowLinksTags1", "Show Links Tags"},
            {"PrintContacts_mp", "Print Contacts"},
        };
        for (const auto& [name, caption] : items) {
            auto* action = app.find<QAction>(name);
            QVERIFY2(action, name);
            QCOMPARE(action->text(), QString(caption));
        }
        app.find<QAction>("LinksLevel1")->trigger();
        QCOMPARE(app.organizer->view().activePage, int(kLinksPage));
        QCOMPARE(Running::rowsOf(view), (QStringList{"News", "Mail"}));
        QCOMPARE(view->model()->rowCount(view->model()->index(0, 0)), 0);
        app.find<QAction>("ShowAllLinksLevels1")->trigger();
        QCOMPARE(Running::rowsOf(view), (QStringList{"News", "News1", "News2", "Mail", "Mail1"}));
        app.find<QAction>("CollapseAllLinks1")->trigger();
        QCOMPARE(Running::rowsOf(view), (QStringList{"News", "Mail"}));

        auto* last = app.find<QToolButton>("LinksTreeLastBtn");
        QCOMPARE(last->toolTip(), QString("Scroll Down Until Last Item"));
        last->click();
        QCOMPARE(view->itemModel()->nodeOf(view->currentIndex()), links.root()->lastChild());
    }

    // "Filter Goals", "Filter Links" and "Filter Contacts" show their page and pick the whole text
    // of that page's filter line, ready to be typed over.
    void filterItemsPickTheirPagesFilterLine() {
        Running app;
        const struct {
            const char* item;
            Page page;
            const char* line;
        } cases[] = {{"FilterGoals1", kTasksPage, "GoalEdit"},
                     {"FilterLinks1", kLinksPage, "LinkEdit"},
                     {"FilterContacts1", kContactsPage, "ContactEdit"}};
        for (const auto& c : cases) {
            for (const char* line : {"GoalEdit", "LinkEdit", "ContactEdit"}) {
                QLineEdit* edit = app.find<QLineEdit>(line);
                edit->clear();
                QTest::keyClicks(edit, "old");
                edit->deselect();
            }
            app.showPage(kBlocknotePage);
            app.find<QAction>(c.item)->trigger();
            QCOMPARE(app.organizer->view().activePage, int(c.page));
            for (const char* line : {"GoalEdit", "LinkEdit", "ContactEdit"})
                QCOMPARE(app.find<QLineEdit>(line)->selectedText(),
                         QString(std::string_view(line) == c.line ? "old" : ""));
        }
    }

    void goalPanelWidths() {
        const struct {
            PaneWidth width;
            int panel;
            int editLine;
        } cases[] = {{PaneWidth::Wide, 680, 590}, {PaneWidth::Normal, 512, 422}, {PaneWidth::Slim, 256, 166}};
        for (const auto& row : cases) {
            QCOMPARE(ViewCommands::goalPanelWidth(row.width, 1024), row.panel);
            QCOMPARE(GoalLook::editLineWidth(row.panel), row.editLine);
        }
        QCOMPARE(GoalLook::editLineWidth(80), 100);
    }

    // On a screen 1024 pixels wide the buttons give the panel exactly the formula's width, in any
    // order and as often as they are clicked.
    void goalPanelTakesTheButtonsWidth() {
        Running app;
        app.window->assumeScreenWidth(1024);
        app.showPage(kTasksPage);
        auto* panel = app.find<QWidget>("GoalsPanel");
        auto* edit = app.find<QLineEdit>("GoalEdit");
        const struct {
            const char* button;
            int panel;
        } clicks[] = {{"WideTaskPaneBtn", 680}, {"NormTaskPaneBtn", 512}, {"SlimTaskPaneBtn", 256},
                      {"SlimTaskPaneBtn", 256}, {"NormTaskPaneBtn", 512}, {"NormTaskPaneBtn", 512},
                      {"WideTaskPaneBtn", 680}, {"SlimTaskPaneBtn", 256}, {"WideTaskPaneBtn", 680}};
        for (const auto& click : clicks) {
            app.find<QPushButton>(click.button)->click();
            QCoreApplication::processEvents();
            QCOMPARE(panel->width(), click.panel);
            QCOMPARE(edit->width(), click.panel - 90);
        }
    }

    void printContactsWritesEveryRowWithTheHeader() {
        Running app;
        ItemTree& contacts = app.tree(TreeId::ContactsTree);
        app.fill(contacts, {{"Family", 60}, {"Work", 40}});
        testing::TempDir out;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString file = QString::fromStdString((out / "contacts.pdf").string());
        printer.setOutputFileName(file);
        QVERIFY(ui::printTree(*app.view(TreeId::ContactsTree), printer));
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        // 102 rows of 20 pixels do not fit on one page.
        QVERIFY(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") + bytes.count("/Type /Page\r") >= 2);
    }
};

QTEST_MAIN(NavigationViewTest)
#include "NavigationViewTest.moc"
