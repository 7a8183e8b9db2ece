#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <fstream>

#include "tasks/LookupKey.h"
#include "tasks/TaskCommandTable.h"
#include "ui/RunningWindow.h"
#include "ui/TaskCellLook.h"
#include "ui/TaskGrid.h"
#include "ui/TaskMenus.h"
#include "ui/TaskPage.h"
#include "ui/TaskPrinter.h"
#include "ui/TaskTableModel.h"
#include "ui/dialogs/TaskPropsDialog.h"

using namespace torvalet;
using namespace torvalet::ui;

namespace {

using Column = TaskTableModel::Column;

const Date kToday = Date::fromYmd(2026, 12, 8);

TaskPaintContext paintContext() {
    TaskPaintContext context;
    context.text = QColor(10, 10, 10);
    context.grid = QColor(250, 250, 240);
    context.muteState = QColor(200, 200, 255);
    context.dateMarkFore = QColor(0, 0, 128);
    context.reminderBack = QColor(255, 255, 200);
    context.highlightedText = QColor(255, 255, 254);
    context.today = kToday;
    context.nowMinutes = 10 * 60;
    return context;
}

// A row of today at 09:00 with the keys given by number (0 for none).
TaskCellRow row(int state, int type, const char* priority = "", double procent = 0) {
    TaskCellRow values;
    values.stateKey = state ? makeLookupKey(state) : "";
    values.typeKey = type ? makeLookupKey(type) : "";
    values.priorityName = priority;
    values.time = "09:00";
    values.date = kToday;
    values.procent = procent;
    return values;
}

TaskCellRow withTime(TaskCellRow values, const char* time, Date date = kToday) {
    values.time = time;
    values.date = date;
    return values;
}

TaskCellRow shown(TaskCellRow values, const char* priority, const char* state, const char* mark) {
    values.priorityName = priority;
    values.stateName = state;
    values.typeMark = mark;
    return values;
}

enum Style { Plain = 0, Bold = 1, Italic = 2, Underline = 4, Strike = 8 };

int styleOf(const TaskCellLook& look) {
    return (look.bold ? Bold : 0) | (look.italic ? Italic : 0) | (look.underline ? Underline : 0) |
           (look.strikeOut ? Strike : 0);
}

using Pictured = std::vector<std::pair<Pictures::Set, int>>;

}  // namespace

Q_DECLARE_METATYPE(TaskCellRow)
Q_DECLARE_METATYPE(Pictured)

class TaskPageTest : public QObject {
    Q_OBJECT

    using Running = testing::RunningWindow;

    static Query& tasksOf(Running& app) { return app.organizer->store().listRows; }

    // Rows "a", "b", "c" ... of today at 09:00, the current row on the last.
    static void addTasks(Running& app, std::initializer_list<const char*> texts) {
        Query& tasks = tasksOf(app);
        for (const char* text : texts) {
            tasks.append();
            tasks.setText(TaskColumn::Task, text);
            tasks.setText(TaskColumn::Percent, "30");
            tasks.setText(TaskColumn::DoerKey, "Boris");
            tasks.setText(TaskColumn::TypeKey, makeLookupKey(2));
            tasks.post();
        }
        tasks.refresh();
        tasks.last();
    }

    // The stored values of the row of that text.
    static std::string stored(Running& app, const std::string& text, TaskColumn column) {
        Query& tasks = tasksOf(app);
        tasks.refresh();
        const int row = tasks.findRow(TaskColumn::Task, text);
        return row < 0 ? "(no row)" : tasks.textAt(row, column);
    }

    static TaskPropsDialog* openProperties(Running& app) {
        app.window->taskPage()->showTaskProperties(false);
        auto* dialog = app.window->findChild<TaskPropsDialog*>("taskPropsForm");
        return dialog && dialog->isVisible() ? dialog : nullptr;
    }

    template <class Widget>
    static Widget* control(TaskPropsDialog* dialog, const char* name) {
        return dialog->findChild<Widget*>(QString::fromLatin1(name));
    }

private slots:
    // The painting rule, cell by cell: colours (invalid = the grid's own) and font style.
    void cellLooks_data() {
        QTest::addColumn<TaskCellRow>("values");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("current");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("foreground");
        QTest::addColumn<int>("style");
        const QColor none, text(10, 10, 10), grey(128, 128, 128), dateMark(0, 0, 128);
        const QColor selection(44, 60, 25), highlighted(255, 255, 254);
        QTest::newRow("plain task") << row(0, 0) << int(Column::Task) << false << none << text << int(Plain);
        QTest::newRow("done: task struck through in grey")
            << row(1, 0) << int(Column::Task) << false << none << grey << int(Strike);
        QTest::newRow("undone: state column too")
            << row(3, 0) << int(Column::State) << false << none << grey << int(Strike);
        QTest::newRow("done: other columns keep theirs")
            << row(1, 0) << int(Column::Project) << false << none << none << int(Plain);
        QTest::newRow("mute") << row(2, 0) << int(Column::Task) << false << QColor(200, 200, 255) << text << int(Plain);
        QTest::newRow("at work") << row(4, 0) << int(Column::Task) << false << QColor(255, 240, 240)
                                 << QColor(Qt::black) << int(Bold | Underline);
        QTest::newRow("prepare") << row(6, 0) << int(Column::State) << false << QColor(255, 221, 187) << text
                                 << int(Plain);
        QTest::newRow("delayed") << row(5, 0) << int(Column::Task) << false << none << text << int(Plain);
        QTest::newRow("priority #1 is bold")
            << row(0, 0, "#1") << int(Column::Task) << false << none << text << int(Bold);
        QTest::newRow("priority !!! is bold and underlined")
            << row(7, 0, "!!!") << int(Column::Task) << false << none << text << int(Bold | Underline);
        QTest::newRow("done keeps its grey over priority !!!")
            << row(1, 0, "!!!") << int(Column::Task) << false << none << grey << int(Strike);
        QTest::newRow("past time of today")
            << row(0, 0) << int(Column::Time) << false << QColor(221, 238, 221) << QColor(Qt::black) << int(Plain);
        QTest::newRow("past time of another day") << withTime(row(0, 0), "09:00", kToday.addDays(-1))
                                                  << int(Column::Time) << false << none << none << int(Plain);
        QTest::newRow("time still to come")
            << withTime(row(0, 0), "10:00") << int(Column::Time) << false << none << none << int(Plain);
        QTest::newRow("time that is no time")
            << withTime(row(0, 0), "9.30") << int(Column::Time) << false << none << none << int(Plain);
        QTest::newRow("day mark, any column")
            << row(1, 5) << int(Column::Doer) << false << QColor(225, 215, 238) << dateMark << int(Plain);
        QTest::newRow("day mark in a done task column")
            << row(1, 5) << int(Column::Task) << false << QColor(225, 215, 238) << dateMark << int(Strike);
        QTest::newRow("tip") << row(0, 18) << int(Column::Task) << false << none << QColor(51, 51, 51)
                             << int(Bold | Italic);
        QTest::newRow("type 43 mark") << row(0, 43) << int(Column::TypeMark) << false << QColor(255, 255, 0) << dateMark
                                      << int(Plain);
        QTest::newRow("type 42 mark") << row(0, 42) << int(Column::TypeMark) << false << QColor(231, 241, 238)
                                      << dateMark << int(Plain);
        QTest::newRow("type 42 elsewhere") << row(0, 42) << int(Column::Task) << false << none << text << int(Plain);
        QTest::newRow("log") << row(0, 44) << int(Column::Task) << false << none << QColor(146, 135, 49) << int(Plain);
        QTest::newRow("time mark") << row(1, 6) << int(Column::Task) << false << QColor(250, 250, 240) << text
                                   << int(Bold);
        QTest::newRow("comment") << row(0, 27) << int(Column::Task) << false << none << QColor(170, 170, 238)
                                 << int(Bold);
        QTest::newRow("reminder") << row(0, 1) << int(Column::Task) << false << QColor(255, 255, 200)
                                  << QColor(Qt::black) << int(Plain);
        QTest::newRow("reminder at work: reminder background")
            << row(4, 1) << int(Column::Task) << false << QColor(255, 255, 200) << QColor(Qt::black)
            << int(Bold | Underline);
        QTest::newRow("done reminder") << row(1, 1) << int(Column::Task) << false << none << QColor(153, 153, 153)
                                       << int(Strike);
        QTest::newRow("current row, picture column")
            << row(4, 5) << int(Column::State) << true << selection << highlighted << int(Bold | Underline);
        QTest::newRow("current row, time column")
            << row(0, 1) << int(Column::Time) << true << selection << highlighted << int(Plain);
        QTest::newRow("current day mark, comment column")
            << row(0, 5) << int(Column::Comment) << true << selection << highlighted << int(Plain);
    }

    void cellLooks() {
        QFETCH(TaskCellRow, values);
        QFETCH(int, column);
        QFETCH(bool, current);
        const TaskCellLook look = taskCellLook(values, Column(column), current, paintContext());
        QFETCH(QColor, background);
        QFETCH(QColor, foreground);
        QFETCH(int, style);
        QCOMPARE(look.background, background);
        QCOMPARE(look.foreground, foreground);
        QCOMPARE(styleOf(look), style);
    }

    // The picture columns draw the pictures their value selects and no text; the percent column
    // draws one progress step.
    void cellPictures_data() {
        QTest::addColumn<TaskCellRow>("values");
        QTest::addColumn<int>("column");
        QTest::addColumn<Pictured>("pictures");
        QTest::addColumn<int>("progress");
        const TaskCellRow plain = row(0, 0);
        QTest::newRow("priority !!!") << shown(plain, "!!!", "", "") << int(Column::Priority)
                                      << Pictured{{Pictures::TaskPriorities, 5}} << -1;
        QTest::newRow("priority ?") << shown(plain, "?", "", "") << int(Column::Priority)
                                    << Pictured{{Pictures::TaskPriorities, 4}} << -1;
        QTest::newRow("unknown priority name")
            << shown(plain, "#9", "", "") << int(Column::Priority) << Pictured{} << -1;
        QTest::newRow("state in Russian")
            << shown(plain, "", "В работе", "") << int(Column::State) << Pictured{{Pictures::TaskStates, 15}} << -1;
        QTest::newRow("state Delegated") << shown(plain, "", "Delegated", "") << int(Column::State)
                                         << Pictured{{Pictures::TaskStates, 21}} << -1;
        QTest::newRow("mark with blanks")
            << shown(plain, "", "", "  ^") << int(Column::TypeMark) << Pictured{{Pictures::TaskTypes, 12}} << -1;
        QTest::newRow("mark with a bar") << shown(plain, "", "", "||>") << int(Column::TypeMark)
                                         << Pictured{{Pictures::TaskTypes, 14}} << -1;
        QTest::newRow("rwd shares obs's picture")
            << shown(plain, "", "", "rwd") << int(Column::TypeMark) << Pictured{{Pictures::TaskTypes, 45}} << -1;
        QTest::newRow("unknown mark") << shown(plain, "", "", "zzz") << int(Column::TypeMark) << Pictured{} << -1;
        QTest::newRow("empty mark") << shown(plain, "", "", "") << int(Column::TypeMark) << Pictured{} << -1;
        QTest::newRow("100 percent") << row(0, 1, "", 100) << int(Column::Percent) << Pictured{} << 9;
        QTest::newRow("5 percent") << row(0, 1, "", 5) << int(Column::Percent) << Pictured{} << 0;
        QTest::newRow("10 percent") << row(0, 1, "", 10) << int(Column::Percent) << Pictured{} << 0;
        QTest::newRow("10.5 percent") << row(0, 1, "", 10.5) << int(Column::Percent) << Pictured{} << 1;
        QTest::newRow("0 percent") << row(0, 1, "", 0) << int(Column::Percent) << Pictured{} << -1;
        QTest::newRow("over 100 percent") << row(0, 1, "", 101) << int(Column::Percent) << Pictured{} << -1;
    }

    void cellPictures() {
        QFETCH(TaskCellRow, values);
        QFETCH(int, column);
        const TaskCellLook look = taskCellLook(values, Column(column), false, paintContext());
        QFETCH(Pictured, pictures);
        QFETCH(int, progress);
        QVERIFY(!look.drawsText);
        QCOMPARE(look.pictures, pictures);
        QCOMPARE(look.progress, progress);
        for (const auto& [set, index] : look.pictures) QVERIFY(!Pictures::icon(set, index).isNull());
        if (progress >= 0) QVERIFY(!Pictures::icon(Pictures::Progress, progress).isNull());
    }

    // Closing the dialog in any way saves what was typed into the row it shows.
    void everyCloseSavesTheRow_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("close box") << 0;
        QTest::newRow("Esc in the task text") << 1;
        QTest::newRow("Ok") << 2;
        QTest::newRow("Esc in another box") << 3;
    }

    void everyCloseSavesTheRow() {
        QFETCH(int, how);
        Running app;
        addTasks(app, {"Call the bank"});
        TaskPropsDialog* dialog = openProperties(app);
        QVERIFY(dialog);
        QVERIFY(!dialog->isModal());
        auto* memo = control<QPlainTextEdit>(dialog, "TaskMemo");
        QCOMPARE(memo->toPlainText(), QString("Call the bank"));
        memo->selectAll();
        QTest::keyClicks(memo, "Call Maria");
        QVERIFY(tasksOf(app).isEditing());
        // Keys reach the dialog as the user's active window, past the main window's shortcuts.
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        if (how == 0) dialog->close();
        if (how == 1) QTest::keyClick(memo, Qt::Key_Escape);
        if (how == 2) QTest::mouseClick(control<QPushButton>(dialog, "OkBtn"), Qt::LeftButton);
        if (how == 3) QTest::keyClick(control<QLineEdit>(dialog, "ProjectEdit"), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QVERIFY(!tasksOf(app).isEditing());
        QCOMPARE(stored(app, "Call Maria", TaskColumn::DoerKey), std::string("Boris"));
        QVERIFY(!app.window->isMinimized());
    }

    // Keys pressed over the dialog or an open drop-down list of it belong to them: the main window's
    // keys reach through the modeless dialog only, never through a pop-up or a modal dialog.
    void windowKeysStayOutOfPopupsAndModalDialogs_data() {
        QTest::addColumn<bool>("modal");
        QTest::addColumn<bool>("listOpen");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("pageAfter");
        QTest::newRow("Esc on an open list, modeless") << false << true << int(Qt::Key_Escape) << int(kTasksPage);
        QTest::newRow("Esc on an open list, modal") << true << true << int(Qt::Key_Escape) << int(kTasksPage);
        QTest::newRow("Ctrl+2 on an open list") << false << true << int(Qt::Key_2) << int(kTasksPage);
        QTest::newRow("Ctrl+2 in the modal dialog") << true << false << int(Qt::Key_2) << int(kTasksPage);
        QTest::newRow("Ctrl+2 in the modeless dialog") << false << false << int(Qt::Key_2) << int(kLinksPage);
    }

    void windowKeysStayOutOfPopupsAndModalDialogs() {
        QFETCH(bool, modal);
        QFETCH(bool, listOpen);
        QFETCH(int, key);
        QFETCH(int, pageAfter);
        Running app;
        addTasks(app, {"Call the bank"});
        auto* dialog = app.window->findChild<TaskPropsDialog*>("taskPropsForm");
        auto* list = control<QComboBox>(dialog, "TypeCombo");
        bool dialogStayed = false;
        bool listClosed = false;
        const auto press = [&] {
            dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QWidget* target = control<QPlainTextEdit>(dialog, "TaskMemo");
            if (listOpen) {
                list->setFocus();
                list->showPopup();
                QVERIFY(QTest::qWaitForWindowExposed(list->view()->window()));
                target = QApplication::activePopupWidget();
                QVERIFY(target);
                if (target->focusWidget()) target = target->focusWidget();
            }
            const Qt::KeyboardModifiers modifiers = key == Qt::Key_Escape ? Qt::NoModifier : Qt::ControlModifier;
            QTest::keyClick(target, Qt::Key(key), modifiers);
            listClosed = !list->view()->isVisible();
            dialogStayed = dialog->isVisible();
            if (listOpen) list->hidePopup();
        };
        if (modal) {
            QTimer::singleShot(0, [&] {
                press();
                dialog->close();
            });
            app.window->taskPage()->showTaskProperties(true);
        } else {
            app.window->taskPage()->showTaskProperties(false);
            press();
        }
        if (listOpen) {
            QVERIFY(dialogStayed);
            QCOMPARE(listClosed, key == Qt::Key_Escape);
        }
        QVERIFY(!app.window->isMinimized());
        QVERIFY(!app.organizer->view().hiddenInTray);
        QCOMPARE(app.organizer->view().activePage, pageAfter);
    }

    // The colour of a time that has passed comes with the reminder clock's new minute, with no
    // other event that would paint the row again: what is on the screen is read, not painted anew.
    void passedTimeShowsAtTheNewMinute() {
        Running app;
        app.fakes.clock.set(2026, 12, 8, 10, 29, 50);
        Query& tasks = tasksOf(app);
        tasks.append();
        tasks.setText(TaskColumn::Task, "Dentist");
        tasks.setDate(TaskColumn::StartDate, app.organizer->today());
        tasks.setText(TaskColumn::StartTime, "10:30");
        tasks.post();
        // Not armed: a reminder that rang would read the list again, and so paint it.
        app.organizer->store().database()->execute("update tasks set Remindflag = '' where Task = 'Dentist'");
        addTasks(app, {"later"});
        tasks.moveTo(tasks.findRow(TaskColumn::Task, "later"));
        TaskGrid* grid = app.window->taskGrid();
        grid->showListState();
        QVERIFY(QTest::qWaitForWindowExposed(app.window.get()));
        app.organizer->reminders().clock.tick();
        QCoreApplication::processEvents();
        const auto cellColour = [&] {
            const QRect cell = grid->visualRect(
                grid->model()->index(tasks.findRow(TaskColumn::Task, "Dentist"), TaskTableModel::Time));
            const QPoint at = grid->viewport()->mapTo(app.window.get(), QPoint(cell.left() + 2, cell.top() + 2));
            const QImage shown = app.window->screen()->grabWindow(app.window->winId(), at.x(), at.y(), 1, 1).toImage();
            return shown.pixelColor(0, 0);
        };
        const QColor passed(221, 238, 221);
        QVERIFY(cellColour() != passed);
        app.fakes.clock.set(2026, 12, 8, 10, 31, 0);
        app.organizer->reminders().clock.tick();
        QCoreApplication::processEvents();
        QCOMPARE(cellColour(), passed);
    }

    // With a store that could not be opened the dialog shows no row and takes no typing.
    void dialogWithoutARowTakesNoTyping() {
        Running app([](Running& running) {
            std::ofstream(running.dir.path() / "Data" / "tasks.db", std::ios::binary | std::ios::trunc)
                << std::string(4096, 'x');
        });
        QVERIFY(!app.fakes.ui.messages.empty());
        app.window->taskPage()->showTaskProperties(false);
        auto* dialog = app.window->findChild<TaskPropsDialog*>("taskPropsForm");
        QVERIFY(dialog->isVisible());
        QVERIFY(!control<QPlainTextEdit>(dialog, "TaskMemo")->isEnabled());
        QVERIFY(!control<QComboBox>(dialog, "StateCombo")->isEnabled());
        dialog->close();
        QVERIFY(!dialog->isVisible());
    }

    // A name chosen in a list sets the key only: no cue, the percent stays. The clear buttons of
    // Type and Doer empty the column and save.
    void listsSetKeysAndClearButtonsSave() {
        Running app;
        addTasks(app, {"Pay the rent"});
        TaskPropsDialog* dialog = openProperties(app);
        auto* states = control<QComboBox>(dialog, "StateCombo");
        QCOMPARE(states->maxVisibleItems(), 16);
        const int done = states->findText("Done");
        QVERIFY(done >= 0);
        states->setCurrentIndex(done);
        emit states->activated(done);
        dialog->close();
        QCOMPARE(stored(app, "Pay the rent", TaskColumn::StateKey), makeLookupKey(1));
        QCOMPARE(stored(app, "Pay the rent", TaskColumn::Percent), std::string("30"));
        QVERIFY(app.fakes.sound.played.empty());

        dialog = openProperties(app);
        QCOMPARE(control<QComboBox>(dialog, "TypeCombo")->currentText(), QString("Call"));
        QTest::mouseClick(control<QToolButton>(dialog, "ClearTypeBtn"), Qt::LeftButton);
        QTest::mouseClick(control<QToolButton>(dialog, "ClearDoerBtn"), Qt::LeftButton);
        QVERIFY(!tasksOf(app).isEditing());
        QCOMPARE(stored(app, "Pay the rent", TaskColumn::TypeKey), std::string());
        QCOMPARE(stored(app, "Pay the rent", TaskColumn::DoerKey), std::string());
        QCOMPARE(control<QComboBox>(dialog, "TypeCombo")->currentIndex(), -1);
        QCOMPARE(control<QLineEdit>(dialog, "DoerEdit")->text(), QString());
    }

    // The time boxes take no typing: a click pops up the time menu for their field.
    void timeBoxesAreSetOnlyThroughTheTimeMenu() {
        Running app;
        addTasks(app, {"Dentist"});
        TaskPropsDialog* dialog = openProperties(app);
        auto* start = control<QLineEdit>(dialog, "TimeEdit");
        auto* final = control<QLineEdit>(dialog, "Time2Edit");
        QVERIFY(start->isReadOnly() && final->isReadOnly());
        QTest::keyClicks(start, "10:00");
        QCOMPARE(start->text(), QString("09:05"));
        QMenu* menu = app.window->taskPage()->menus()->timeMenu();
        const auto pick = [menu](int hour, int time) {
            QTimer::singleShot(0, [menu, hour, time] {
                menu->actions()[hour]->menu()->actions()[time]->trigger();
                menu->close();
            });
        };
        pick(3, 0);
        QTest::mouseClick(start, Qt::LeftButton);
        pick(4, 1);
        QTest::mouseClick(final, Qt::LeftButton);
        QCOMPARE(stored(app, "Dentist", TaskColumn::StartTime), std::string("10:00"));
        QCOMPARE(stored(app, "Dentist", TaskColumn::FinalTime), std::string("11:05"));
        QVERIFY(!tasksOf(app).isEditing());
    }

    // Moving the grid's current row moves the dialog along, saving the row it leaves.
    // The dates show in the desktop's short format, as in the grid, but with the whole year, so
    // that a typed date cannot fall into the wrong century.
    void dialogDatesFollowTheDesktopFormat() {
        Running app([](Running& running) { running.fakes.locale.format = "d/M/yy"; });
        addTasks(app, {"first"});
        TaskPropsDialog* dialog = openProperties(app);
        for (const char* name : {"DateEdit", "Date2Edit"})
            QCOMPARE(control<QDateEdit>(dialog, name)->displayFormat(), QString("d/M/yyyy"));
    }

    void dialogFollowsTheGridsCurrentRow() {
        Running app;
        addTasks(app, {"first", "second"});
        TaskPropsDialog* dialog = openProperties(app);
        auto* project = control<QLineEdit>(dialog, "ProjectEdit");
        QTest::keyClicks(project, "Atlas");
        TaskGrid* grid = app.window->taskGrid();
        grid->setCurrentIndex(
            grid->model()->index(tasksOf(app).findRow(TaskColumn::Task, "first"), TaskTableModel::Task));
        QCOMPARE(control<QPlainTextEdit>(dialog, "TaskMemo")->toPlainText(), QString("first"));
        QCOMPARE(project->text(), QString());
        QCOMPARE(stored(app, "second", TaskColumn::Project), std::string("Atlas"));
    }

    void gridKeysOpenTheDialogWithoutModality() {
        Running app;
        addTasks(app, {"one"});
        TaskGrid* grid = app.window->taskGrid();
        auto* dialog = app.window->findChild<TaskPropsDialog*>("taskPropsForm");
        QTest::keyClick(grid, Qt::Key_F2);
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());
        dialog->close();
        const QRect cell = grid->visualRect(grid->model()->index(0, TaskTableModel::Task));
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(dialog->isVisible());
    }

    // Rows picked in the grid are the task list's selection, and the list's selection and current
    // row show in the grid.
    void gridSelectionIsTheListsSelection() {
        Running app;
        addTasks(app, {"a", "b", "c", "d"});
        Query& tasks = tasksOf(app);
        TaskGrid* grid = app.window->taskGrid();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(1, TaskTableModel::Task)).center());
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          grid->visualRect(grid->model()->index(3, TaskTableModel::Task)).center());
        QCOMPARE(tasks.currentIndex(), 3);
        QCOMPARE(app.organizer->tasks().context.listState.selection,
                 (Bookmarks{tasks.bookmarkAt(1), tasks.bookmarkAt(3)}));

        // The list moving by itself brings its selection along.
        app.organizer->tasks().context.listState.selection = {tasks.bookmarkAt(0)};
        tasks.moveTo(2);
        const QModelIndexList rows = grid->selectionModel()->selectedRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.front().row(), 0);
        QCOMPARE(grid->currentIndex().row(), 2);
        QCOMPARE(grid->model()->headerData(2, Qt::Vertical).toString(), QString("\u25B8"));
    }

    // Every task command of the core's table is an action of the window with its component name,
    // caption and fixed keys.
    void everyTaskCommandIsReachable() {
        Running app;
        for (const TaskCommandInfo& command : taskCommands()) {
            auto* action = app.window->findChild<QAction*>(command.name);
            QVERIFY2(action, command.name);
            QCOMPARE(action->text(), QString::fromUtf8(command.caption));
            QCOMPARE(action->isCheckable(), command.checked != nullptr);
            QList<QKeySequence> keys;
            for (const std::string& text : command.shortcuts())
                keys << QKeySequence(QString::fromStdString(text), QKeySequence::PortableText);
            QCOMPARE(action->shortcuts(), keys);
        }
        auto* tasksMenu = app.window->findChild<QMenu*>("Task1");
        QVERIFY(tasksMenu);
        QCOMPARE(tasksMenu->title(), QString("Tasks"));
        const auto* view = app.window->findChild<QMenu*>("mView");
        for (const char* sub : {"mOrderBy", "mFilter", "FilterByType1"})
            QVERIFY2(view->actions().contains(app.window->findChild<QMenu*>(sub)->menuAction()), sub);
    }

    // The Filter menu's groups stand under their headings; items without a command stay hidden.
    void filterHeadingsAndHiddenLabels() {
        Running app;
        const QList<QAction*> filter = app.window->findChild<QMenu*>("mFilter")->actions();
        const auto at = [&](const char* name) { return filter.indexOf(app.window->findChild<QAction*>(name)); };
        QVERIFY(at("HideByState1") >= 0 && at("HideByState1") + 1 == at("HideDone1"));
        QVERIFY(at("HideByPriority1") + 1 == at("HideLow1"));
        QVERIFY(at("HideByType1") + 1 == at("HideTabs1"));
        for (const char* hidden : {"Complex1", "DeleteAllDayTasks1", "SetFinalDate1"})
            QVERIFY2(!app.window->findChild<QAction*>(hidden)->isVisible(), hidden);
    }

    // File > Print prints the rows as the grid shows them, texts escaped.
    void printedListIsTheGrid() {
        Running app;
        addTasks(app, {"Pay <rent> & gas", "Call Ann"});
        const QString html = taskListHtml(*app.window->taskPage()->grid());
        QVERIFY(html.contains("<th>Task</th>"));
        QVERIFY(html.contains("<td>Pay &lt;rent&gt; &amp; gas</td>"));
        QVERIFY(html.indexOf("Pay &lt;rent") < html.indexOf("Call Ann"));
        QVERIFY(app.window->findChild<QAction*>("Print1"));
    }

    // Keys of the window reach the commands: F8 ends the current task, Alt+9 takes its priority.
    void keysRunTheCommands() {
        Running app;
        addTasks(app, {"Call the bank"});
        Query& tasks = tasksOf(app);
        tasks.edit();
        tasks.setText(TaskColumn::PriorityKey, makeLookupKey(1));
        tasks.post();
        app.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.window.get()));
        QTest::keyClick(app.window->taskGrid(), Qt::Key_F8);
        QTest::keyClick(app.window->taskGrid(), Qt::Key_9, Qt::AltModifier);
        QCOMPARE(stored(app, "Call the bank", TaskColumn::StateKey), makeLookupKey(1));
        QCOMPARE(stored(app, "Call the bank", TaskColumn::Percent), std::string("100"));
        QCOMPARE(stored(app, "Call the bank", TaskColumn::PriorityKey), std::string());
        QCOMPARE(app.fakes.sound.played.size(), std::size_t(1));
    }

    // The order items are one radio group; a hide item toggles its check with its flag.
    void viewItemsCarryTheListsChecks() {
        Running app;
        auto* dateProject = app.window->findChild<QAction*>("DateProject1");
        auto* dateTime = app.window->findChild<QAction*>("mDateTimeProject");
        dateProject->trigger();
        QVERIFY(dateProject->isChecked());
        QVERIFY(!dateTime->isChecked());
        QCOMPARE(app.organizer->tasks().list.currentOrder(), std::string("Date, Project, Time"));
        auto* hideTabs = app.window->findChild<QAction*>("HideTabs1");
        const bool before = hideTabs->isChecked();
        hideTabs->trigger();
        QCOMPARE(hideTabs->isChecked(), !before);
        QCOMPARE(app.organizer->tasks().context.list.flag(TaskList::HideTabs), !before);
    }

    // Sixteen hours of twelve times, a separator after every third; a time picked sets the row.
    void timeMenuSetsTheTime() {
        Running app;
        addTasks(app, {"Dentist"});
        QMenu* menu = app.window->taskPage()->menus()->timeMenu();
        const QList<QAction*> hours = menu->actions();
        QCOMPARE(hours.size(), 16);
        QCOMPARE(hours.front()->text(), QString("07:00"));
        QCOMPARE(hours.back()->text(), QString("22:00"));
        const QList<QAction*> times = hours[2]->menu()->actions();
        QStringList captions;
        for (QAction* time : times) captions << (time->isSeparator() ? QString("|") : time->text());
        QCOMPARE(captions.join(' '), QString("09:00 09:05 09:10 | 09:15 09:20 09:25 | 09:30 09:35 09:40 | "
                                             "09:45 09:50 09:55"));
        QTimer::singleShot(0, [menu, &times] {
            times[9]->trigger();
            menu->close();
        });
        app.window->findChild<QAction*>("SetFinalTime1")->trigger();
        QCOMPARE(stored(app, "Dentist", TaskColumn::FinalTime), std::string("09:35"));
        QCOMPARE(stored(app, "Dentist", TaskColumn::StartTime), std::string("09:05"));
    }

    // The session ends while the dialog holds a row the store refuses: the refusal is said once,
    // and the window closes instead of asking the dialog again and again.
    void aCloseRequestGetsPastARowThatCannotBeSaved() {
        Running app;
        addTasks(app, {"Pay the rent"});
        auto* dialog = app.window->findChild<TaskPropsDialog*>("taskPropsForm");
        QTimer::singleShot(0, [&] {
            QTest::keyClicks(control<QPlainTextEdit>(dialog, "TaskMemo"), " today");
            app.organizer->store().database()->execute("PRAGMA query_only=1");
            app.closeRequests.request();
        });
        app.window->taskPage()->showTaskProperties(true);
        QTRY_VERIFY(!app.window->isVisible());
        QCOMPARE(app.fakes.ui.messages.size(), std::size_t(1));
        QVERIFY2(app.fakes.ui.messages.front().find("readonly") != std::string::npos,
                 app.fakes.ui.messages.front().c_str());
    }

    // "Insert" opens the dialog modally on the new row; what is typed there is saved at its close.
    void insertOpensTheDialogModally() {
        Running app;
        addTasks(app, {"a", "b"});
        TaskGrid* grid = app.window->taskGrid();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(0, TaskTableModel::Task)).center());
        auto* dialog = app.window->findChild<TaskPropsDialog*>("taskPropsForm");
        bool modal = false;
        bool rowsPicked = true;
        QTimer::singleShot(0, [&] {
            modal = dialog->isVisible() && dialog->isModal();
            // The insert left no row picked: the grid shows none while the dialog is up.
            rowsPicked = !grid->selectionModel()->selectedRows().isEmpty();
            QTest::keyClicks(control<QPlainTextEdit>(dialog, "TaskMemo"), "Buy milk");
            dialog->close();
        });
        app.window->findChild<QAction*>("Insert1")->trigger();
        QVERIFY(modal);
        QVERIFY(!rowsPicked);
        QCOMPARE(stored(app, "Buy milk", TaskColumn::StartDate), app.organizer->today().toIso());
    }

    // The tool bar: the new-task drop-down of 25 types, the priority and state drop-downs.
    void toolBarDropDowns() {
        Running app;
        const struct {
            const char* button;
            int items;
            const char* first;
            const char* last;
        } buttons[] = {{"NewTaskBtn", 25, "Document", "Comment"},
                       {"PriorityBtn", 6, "None", "Uncertain"},
                       {"StateBtn", 8, "None", "Delayed"}};
        for (const auto& b : buttons) {
            auto* button = app.window->findChild<QToolButton*>(b.button);
            QVERIFY2(button && button->menu(), b.button);
            const QList<QAction*> items = button->menu()->actions();
            QCOMPARE(items.size(), b.items);
            QCOMPARE(items.front()->text(), QString(b.first));
            QCOMPARE(items.back()->text(), QString(b.last));
        }
        auto* dialog = app.window->findChild<TaskPropsDialog*>("taskPropsForm");
        QTimer::singleShot(0, [&] {
            QTest::keyClicks(control<QPlainTextEdit>(dialog, "TaskMemo"), "Call Anna");
            dialog->close();
        });
        app.window->findChild<QToolButton*>("NewTaskBtn")->menu()->actions()[1]->trigger();
        QCOMPARE(stored(app, "Call Anna", TaskColumn::TypeKey), makeLookupKey(2));
    }

    // F5 clones the rows picked in the grid; Ctrl+Delete deletes them with the recycle cue.
    void gridKeysCloneAndDelete() {
        Running app;
        addTasks(app, {"keep", "twice"});
        TaskGrid* grid = app.window->taskGrid();
        const int twice = tasksOf(app).findRow(TaskColumn::Task, "twice");
        grid->selectRow(twice);
        QTest::keyClick(grid, Qt::Key_F5);
        tasksOf(app).refresh();
        int copies = 0;
        for (int row = 0; row < tasksOf(app).rowCount(); ++row)
            copies += tasksOf(app).textAt(row, TaskColumn::Task) == "twice";
        QCOMPARE(copies, 2);
        grid->selectRow(tasksOf(app).findRow(TaskColumn::Task, "keep"));
        QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(stored(app, "keep", TaskColumn::Task), std::string("(no row)"));
        QVERIFY(!app.fakes.sound.played.empty());
        QVERIFY(QString::fromStdString(app.fakes.sound.played.back()).endsWith("recycle.wav"));
    }

    // The Prio clear button acts on every row picked in the grid, not only the one shown.
    void prioClearActsOnTheGridsSelection() {
        Running app;
        addTasks(app, {"a", "b", "c"});
        Query& tasks = tasksOf(app);
        for (const char* text : {"a", "b", "c"}) {
            tasks.moveTo(tasks.findRow(TaskColumn::Task, text));
            tasks.edit();
            tasks.setText(TaskColumn::PriorityKey, makeLookupKey(3));
            tasks.post();
        }
        TaskGrid* grid = app.window->taskGrid();
        grid->selectionModel()->clearSelection();
        for (const char* text : {"a", "b", "c"})
            grid->selectionModel()->select(grid->model()->index(tasks.findRow(TaskColumn::Task, text), 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        TaskPropsDialog* dialog = openProperties(app);
        QTest::mouseClick(control<QToolButton>(dialog, "ClearPrioBtn"), Qt::LeftButton);
        for (const char* text : {"a", "b", "c"}) QCOMPARE(stored(app, text, TaskColumn::PriorityKey), std::string());
    }
};

QTEST_MAIN(TaskPageTest)
#include "TaskPageTest.moc"
