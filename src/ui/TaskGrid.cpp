#include "ui/TaskGrid.h"

#include <QDate>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

#include "model/Settings.h"
#include "platform/Clock.h"
#include "platform/Locale.h"
#include "platform/Services.h"
#include "platform/UserInterface.h"
#include "tasks/TaskContext.h"
#include "tasks/TaskListState.h"
#include "tasks/TaskStore.h"
#include "ui/SettingsColor.h"
#include "ui/TaskCellLook.h"
#include "ui/TaskGridDelegate.h"
#include "ui/TaskTableModel.h"

namespace torvalet::ui {

namespace {

// Widths in pixels, or in characters of the grid's font when negative.
constexpr int kWidths[TaskTableModel::ColumnCount] = {-5, -10, 100, 64, 64, 64, 64, 80, 72, 64, 180};

constexpr int kIndicatorWidth = 12;
// The task text is what the grid is for: it never starts narrower than this.
constexpr int kLeastTaskWidth = 240;

}  // namespace

TaskGrid::TaskGrid(const TaskContext& tasks, QWidget* parent)
    : QTableView(parent),
      tasks_(tasks),
      model_(new TaskTableModel(tasks.store.listRows, this)),
      delegate_(new TaskGridDelegate(this)) {
    setObjectName(QStringLiteral("tasksDBGrid"));
    setModel(model_);
    setItemDelegate(delegate_);
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setShowGrid(true);
    setWordWrap(false);
    setEditTriggers(NoEditTriggers);
    setVerticalScrollMode(ScrollPerItem);
    setUpColumns();

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { selectionToList(); });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { currentToList(current); });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
        if (column == TaskTableModel::Task && !sizingTaskColumn_) userSizedTaskColumn_ = true;
    });
    connect(model_, &QAbstractItemModel::headerDataChanged, this,
            [this](Qt::Orientation orientation, int first, int last) {
                if (orientation != Qt::Horizontal) return;
                for (int c = first; c <= last; ++c) fitTitle(c);
                if (!userSizedTaskColumn_) fillTaskColumn();
            });
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] { syncing_ = true; });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        syncing_ = false;
        showListState();
    });
    observer_ = tasks_.store.listRows.addObserver([this](const QueryEvent& event) {
        // A row the list moves to by itself (an insert, a command) comes with the list's selection.
        if (event.kind == QueryEvent::CurrentChanged) movingFromGrid_ ? showCurrent() : showListState();
    });
}

TaskGrid::~TaskGrid() { tasks_.store.listRows.removeObserver(observer_); }

void TaskGrid::setUpColumns() {
    const QFontMetrics metrics(TaskGridDelegate::cellFont(false));
    for (int c = 0; c < TaskTableModel::ColumnCount; ++c)
        setColumnWidth(c, kWidths[c] < 0 ? -kWidths[c] * metrics.horizontalAdvance(QLatin1Char('0')) + 8 : kWidths[c]);
    setColumnHidden(TaskTableModel::TypeName, true);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(TaskGridDelegate::kRowHeight);
    verticalHeader()->setMinimumSectionSize(TaskGridDelegate::kRowHeight);
    verticalHeader()->setFixedWidth(kIndicatorWidth);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(16);
    // Titles and the row indicator: Tahoma 13 pixels bold on the fixed cells' colour.
    setStyleSheet(QStringLiteral(
        "QHeaderView::section { background: rgb(248, 248, 255); color: black; border: none;"
        " border-right: 1px solid rgb(208, 208, 220); border-bottom: 1px solid rgb(208, 208, 220); padding: 0 2px; }"
        "QHeaderView::section:horizontal { font: bold 13px \"Tahoma\"; min-height: 20px; }"
        "QHeaderView::section:vertical { font: 9px; padding: 0; }"
        "QTableCornerButton::section { background: rgb(248, 248, 255); border: none; }"));
}

void TaskGrid::applySettings() {
    const Settings& settings = tasks_.settings;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, fromSettingsColor(settings.tasksGridColour));
    palette.setColor(QPalette::Text, fromSettingsColor(settings.tasksTextColour));
    // The picked rows stay as visible when the grid loses the focus.
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    setPalette(palette);
    const QString dateFormat = QString::fromStdString(tasks_.services.locale.shortDateFormat());
    model_->setDateFormat(dateFormat);
    // A long date format widens its column so that dates show whole.
    const QFontMetrics dates(TaskGridDelegate::cellFont(true));
    const int dateWidth = dates.horizontalAdvance(QDate(2026, 12, 28).toString(dateFormat)) + 10;
    setColumnWidth(TaskTableModel::Date, std::max(kWidths[TaskTableModel::Date], dateWidth));
    fitTitle(TaskTableModel::Date);
    viewport()->update();
}

void TaskGrid::showMinute() { viewport()->update(); }

void TaskGrid::paintEvent(QPaintEvent* event) {
    const Settings& settings = tasks_.settings;
    TaskPaintContext context;
    context.text = fromSettingsColor(settings.tasksTextColour);
    context.grid = fromSettingsColor(settings.tasksGridColour);
    context.muteState = fromSettingsColor(settings.muteStateColour);
    context.dateMarkFore = fromSettingsColor(settings.dateMarkTextColour);
    context.reminderBack = fromSettingsColor(settings.reminderBackColour);
    context.highlightedText = palette().color(QPalette::HighlightedText);
    const DateTime now = tasks_.services.clock.now();
    context.today = now.date;
    context.nowMinutes = now.hour * 60 + now.minute;
    delegate_->setContext(context);
    QTableView::paintEvent(event);
}

void TaskGrid::showListState() {
    if (syncing_) return;
    syncing_ = true;
    const Query& tasks = tasks_.store.listRows;
    QItemSelection selection;
    for (int row : tasks.rowsOf(tasks_.listState.selection)) {
        if (!selection.isEmpty() && selection.last().bottom() == row - 1) {
            const QItemSelectionRange last = selection.takeLast();
            selection.append(QItemSelectionRange(last.topLeft(), model_->index(row, TaskTableModel::ColumnCount - 1)));
        } else {
            selection.select(model_->index(row, 0), model_->index(row, TaskTableModel::ColumnCount - 1));
        }
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    syncing_ = false;
    showCurrent();
}

void TaskGrid::showCurrent() {
    if (syncing_) return;
    syncing_ = true;
    const int current = tasks_.store.listRows.currentIndex();
    if (current >= 0 && current < model_->rowCount()) {
        const QModelIndex index = model_->index(current, currentIndex().isValid() ? currentIndex().column() : 0);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        scrollTo(index);
    }
    viewport()->update();
    syncing_ = false;
}

void TaskGrid::selectionToList() {
    if (syncing_) return;
    const Query& tasks = tasks_.store.listRows;
    Bookmarks bookmarks;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row) bookmarks.insert(tasks.bookmarkAt(row));
    tasks_.listState.selection = std::move(bookmarks);
}

// Leaving a row posts what was typed into it, as the list does when its current row moves.
void TaskGrid::currentToList(const QModelIndex& current) {
    if (syncing_ || !current.isValid()) return;
    Query& tasks = tasks_.store.listRows;
    if (current.row() == tasks.currentIndex()) return;
    movingFromGrid_ = true;
    try {
        tasks.moveTo(current.row());
        movingFromGrid_ = false;
    } catch (const std::exception& error) {
        movingFromGrid_ = false;
        tasks_.services.ui.showMessage(error.what());
        showListState();
    }
    viewport()->update();
}

void TaskGrid::keyPressEvent(QKeyEvent* event) {
    const auto run = [event](const std::function<void()>& command) {
        if (command) command();
        event->accept();
    };
    if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) return run(openProperties);
    if (event->key() == Qt::Key_F5 && event->modifiers() == Qt::NoModifier) return run(clone);
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::ControlModifier) return run(deleteRows);
    QTableView::keyPressEvent(event);
}

void TaskGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    if (openProperties) openProperties();
}

// Until the user drags its edge, the task text takes the width the other columns leave.
void TaskGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    if (!userSizedTaskColumn_) fillTaskColumn();
}

// A column never starts narrower than its title: a longer title of another language widens it.
void TaskGrid::fitTitle(int column) {
    if (column == TaskTableModel::Task) return;
    const int titleWidth = horizontalHeader()->sectionSizeHint(column);
    if (titleWidth > columnWidth(column)) setColumnWidth(column, titleWidth);
}

void TaskGrid::fillTaskColumn() {
    int others = 0;
    for (int c = 0; c < TaskTableModel::ColumnCount; ++c)
        if (c != TaskTableModel::Task && !isColumnHidden(c)) others += columnWidth(c);
    sizingTaskColumn_ = true;
    setColumnWidth(TaskTableModel::Task, std::max(kLeastTaskWidth, viewport()->width() - others));
    sizingTaskColumn_ = false;
}

}  // namespace torvalet::ui
