#include <QAbstractItemModelTester>
#include <QAction>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include "app/Organizer.h"
#include "base/ProfileFile.h"
#include "fakes/FakeServices.h"
#include "fakes/TempDir.h"
#include "model/AppFolder.h"
#include "trees/GoalRecord.h"
#include "trees/PhraseRecord.h"
#include "ui/MainWindow.h"
#include "ui/RunningWindow.h"
#include "ui/SingleInstance.h"
#include "ui/TaskTableModel.h"
#include "ui/WindowStart.h"

using namespace torvalet;

class MainWindowTest : public QObject {
    Q_OBJECT

    using Running = testing::RunningWindow;

private slots:
    void componentsCarryTheirNames() {
        Running app;
        for (const char* name :
             {"MainPageControl", "tasksDBGrid", "GoalsPanel", "GoalPageControl", "GoalEdit", "LinksPageControl",
              "Memo1", "BottomPanel", "reminderMemo", "MonthCalendar1", "HintPanel", "TipPanel"})
            QVERIFY2(app.window->findChild<QWidget*>(name), name);
        for (const char* name : {"GoalTree", "Goal2Tree", "Goal3Tree", "Goal4Tree", "Goal5Tree", "LinksTree",
                                 "StdLinksTree", "FoldersTree", "SearchTree", "DocsTree", "ImagesTree",
                                 "MarksLinksTree", "PhrasesTree", "CalendarTree", "ContactsTree", "MarksTree"})
            QVERIFY2(app.window->findChild<QTreeView*>(name), name);
        auto* quit = app.window->findChild<QAction*>("Quit1");
        QVERIFY(quit);
        QCOMPARE(quit->text(), QString("Quit"));
        QCOMPARE(quit->shortcut(), QKeySequence("Ctrl+Q"));
    }

    void gridFollowsTheTaskList() {
        Running app;
        auto* grid = app.window->findChild<QTableView*>("tasksDBGrid");
        QAbstractItemModelTester tester(grid->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        Query& tasks = app.organizer->store().listRows;
        const int before = grid->model()->rowCount();  // the day mark of the first start
        tasks.insert();
        tasks.setText(TaskColumn::Task, "Write the report");
        tasks.setText(TaskColumn::PriorityKey, "         1");
        tasks.post();
        QCOMPARE(grid->model()->rowCount(), before + 1);
        const int row = tasks.currentIndex();
        QCOMPARE(grid->model()->index(row, ui::TaskTableModel::Task).data().toString(), QString("Write the report"));
        QCOMPARE(grid->model()->index(row, ui::TaskTableModel::Priority).data().toString(), QString("!!!"));
        QCOMPARE(grid->model()->index(row, ui::TaskTableModel::Date).data().toString(), QString("08.12.2026"));
        tasks.remove();
        QCOMPARE(grid->model()->rowCount(), before);
    }

    void secondStartOfTheDayShowsRunHeaderAndTextboard() {
        std::unique_ptr<Running> first = std::make_unique<Running>();
        first->organizer->messagePad().prepend("a notice");
        first->organizer->textboard() = "Plans";
        first->window->close();
        const testing::TempDir& dir = first->dir;
        // Start again over the same folder, later the same day.
        first->fakes.clock.set(2026, 12, 8, 11, 7);
        Organizer organizer(first->fakes.services, dir.path());
        const auto window = ui::startMainWindow(organizer, first->closeRequests);
        QCOMPARE(window->findChild<QPlainTextEdit*>("reminderMemo")->toPlainText(),
                 QString("...-> #1 [ 08.12.2026 :: 11:07 ]\na notice"));
        QCOMPARE(window->findChild<QPlainTextEdit*>("Memo1")->toPlainText(), QString("Plans"));
    }

    void quitRunsTheCloseSequenceOnce() {
        Running app;
        app.organizer->textboard() = "note";
        app.window->findChild<QAction*>("Quit1")->trigger();
        QVERIFY(!app.window->isVisible());
        const auto ini = ProfileFile::parse(testing::readText(app.dir / "torvalet.ini"));
        QCOMPARE(ini.value("General", "lastLaunchDate").value_or(""), std::string("08.12.26"));
        QVERIFY(std::filesystem::exists(app.dir / "msgpad.txt"));
        QVERIFY(!ini.hasSection("Colors"));
    }

    void languageMenuSwitchesTheLanguage() {
        Running app;
        auto* russian = app.window->findChild<QAction*>("Russian1");
        QVERIFY(app.window->findChild<QAction*>("English1")->isChecked());
        russian->trigger();
        QVERIFY(russian->isChecked());
        QCOMPARE(app.organizer->settings().language, 1);
    }

    void startWithTheSessionWritesRemovesAndReflectsTheAutostartEntry() {
        Running app;
        testing::TempDir config;
        const std::optional<QByteArray> saved =
            qEnvironmentVariableIsSet("XDG_CONFIG_HOME") ? std::optional(qgetenv("XDG_CONFIG_HOME")) : std::nullopt;
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path().string()));
        const auto entry = config / "autostart" / "org.torvalet.Torvalet.desktop";
        auto* options = app.window->findChild<QMenu*>("mOptions");
        auto* item = app.window->findChild<QAction*>("StartWithSession1");
        QCOMPARE(item->text(), QString("Start with the session"));

        item->trigger();
        QVERIFY(std::filesystem::exists(entry));
        QVERIFY(item->isChecked());
        std::filesystem::remove(entry);
        emit options->aboutToShow();
        QVERIFY(!item->isChecked());

        // A config folder that is a file: the error is shown and the item stays unchecked.
        testing::writeText(config / "file", "");
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((config / "file").string()));
        item->trigger();
        QCOMPARE(app.fakes.ui.messages.size(), std::size_t(1));
        QVERIFY(!item->isChecked());
        saved ? qputenv("XDG_CONFIG_HOME", *saved) : qunsetenv("XDG_CONFIG_HOME");
    }

    void calendarClickSelectsTheDayForNewTasks() {
        Running app;
        auto* calendar = app.window->findChild<QCalendarWidget*>("MonthCalendar1");
        QCOMPARE(calendar->selectedDate(), QDate(2026, 12, 8));
        emit calendar->clicked(QDate(2026, 12, 20));
        QCOMPARE(app.organizer->tasks().context.listState.calendar.first(), Date::fromYmd(2026, 12, 20));
    }

    void goalBarAddsGoalsAndSetsTheirState() {
        Running app;
        // The view has read its rows already: the new goal must reach it as a new row.
        QAbstractItemModel* model = app.window->findChild<QTreeView*>("GoalTree")->model();
        const int rowsBefore = model->rowCount();
        app.window->findChild<QLineEdit*>("GoalEdit")->setText("Book the flights");
        app.window->findChild<QPushButton*>("AddGoal_RbBtn")->click();
        QCOMPARE(model->rowCount(), rowsBefore + 1);
        QVERIFY(app.fakes.ui.messages.empty());
        ItemTree& goals = app.organizer->trees().get(TreeId::DayGoalTree);
        TreeNode* added = goals.firstSelected();
        QVERIFY(added);
        QCOMPARE(added->record<GoalRecord>().text, std::string("Book the flights"));
        QCOMPARE(added->record<GoalRecord>().kind, 3);

        QMenu* states = app.window->findChild<QToolButton*>("GoalStateBtn")->menu();
        for (QAction* action : states->actions())
            if (action->text() == "Done") action->trigger();
        QCOMPARE(added->record<GoalRecord>().state, 6);
    }

    void doubleClickedPhraseGoesToTheTextboard() {
        Running app;
        app.organizer->textboard() = "Dear Ann,";
        app.window->showOrganizerState();
        ItemTree& phrases = app.organizer->trees().get(TreeId::PhrasesTree);
        TreeNode* phrase = phrases.firstTopLevel();
        phrase->record<PhraseRecord>().text = "Kind regards";
        app.window->showOrganizerState();
        auto* view = app.window->findChild<QTreeView*>("PhrasesTree");
        const QModelIndex first = view->model()->index(0, 0);
        view->setCurrentIndex(first);
        emit view->doubleClicked(first);
        QCOMPARE(app.window->findChild<QPlainTextEdit*>("Memo1")->toPlainText(), QString("Dear Ann,\nKind regards"));
    }

    void secondProgramOnTheFolderActivatesTheFirst() {
        testing::TempDir dir;
        ui::SingleInstance first(dir.path());
        QVERIFY(first.acquire());
        QSignalSpy activated(&first, &ui::SingleInstance::activationRequested);
        ui::SingleInstance second(dir.path());
        QVERIFY(!second.acquire());
        QVERIFY(second.activateRunning());
        QVERIFY(activated.wait(2000));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
