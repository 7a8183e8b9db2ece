#include "ui/TaskTableModel.h"

#include <QDate>

#include <cstdlib>

#include "tasks/Query.h"
#include "ui/TaskCellLook.h"

namespace torvalet::ui {

namespace {

// What a grid column shows: a column of the task list, or one of its lookup fields.
struct Shown {
    TaskColumn column;
    const char* lookup = nullptr;
};

const Shown shownBy[TaskTableModel::ColumnCount] = {
    {TaskColumn::StartTime}, {{}, "typeName"},      {TaskColumn::Project}, {{}, "priorityName"},
    {{}, "typeMark"},        {TaskColumn::Task},    {{}, "stateName"},     {TaskColumn::DoerKey},
    {TaskColumn::StartDate}, {TaskColumn::Percent}, {TaskColumn::Comment},
};

}  // namespace

TaskTableModel::TaskTableModel(Query& tasks, QObject* parent)
    : QAbstractTableModel(parent),
      tasks_(tasks),
      painted_(std::make_unique<TaskCellRow>()),
      titles_{tr("Time"),           tr("Type"),          tr("Project"),       QStringLiteral("!"),
              QStringLiteral("::"), tr("Task"),          QStringLiteral("@"), QStringLiteral("Doer"),
              tr("Date"),           QStringLiteral("%"), tr("Comment")} {
    rows_ = tasks_.rowCount();
    observer_ = tasks_.addObserver([this](const QueryEvent& event) { onQueryEvent(event.kind, event.row); });
}

void TaskTableModel::onQueryEvent(int kind, int row) {
    if (kind != QueryEvent::CurrentChanged) paintedRow_ = -1;
    switch (kind) {
    case QueryEvent::RowChanged:
        if (row >= 0 && row < rows_) emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
        break;
    case QueryEvent::RowAboutToBeInserted: beginInsertRows({}, row, row); break;
    case QueryEvent::RowInserted:
        rows_ = tasks_.rowCount();
        endInsertRows();
        break;
    case QueryEvent::RowAboutToBeRemoved: beginRemoveRows({}, row, row); break;
    case QueryEvent::RowRemoved:
        rows_ = tasks_.rowCount();
        endRemoveRows();
        break;
    case QueryEvent::Reset:
        beginResetModel();
        rows_ = tasks_.rowCount();
        indicated_ = -1;
        endResetModel();
        break;
    case QueryEvent::CurrentChanged: moveIndicator(row); break;
    default: break;
    }
}

TaskTableModel::~TaskTableModel() { tasks_.removeObserver(observer_); }

int TaskTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int TaskTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

void TaskTableModel::resolveFields() const {
    if (generation_ == tasks_.generation()) return;
    for (int c = 0; c < ColumnCount; ++c)
        fields_[c] = shownBy[c].lookup ? tasks_.field(shownBy[c].lookup) : tasks_.field(shownBy[c].column);
    stateKey_ = tasks_.field(TaskColumn::StateKey);
    typeKey_ = tasks_.field(TaskColumn::TypeKey);
    generation_ = tasks_.generation();
}

std::string TaskTableModel::value(int row, Query::Field field) const {
    try {
        return tasks_.textAt(row, field);
    } catch (const std::exception&) {
        return {};  // a row the store can no longer give shows empty until the list is read again
    }
}

QString TaskTableModel::text(int row, Column column) const {
    resolveFields();
    return QString::fromStdString(value(row, fields_[column]));
}

// The grid paints a row cell by cell: its values are read once for all its cells.
const TaskCellRow& TaskTableModel::cellRow(int row) const {
    resolveFields();
    if (row == paintedRow_ && generation_ == paintedGeneration_) return *painted_;
    TaskCellRow& values = *painted_;
    values.stateKey = value(row, stateKey_);
    values.typeKey = value(row, typeKey_);
    values.priorityName = value(row, fields_[Priority]);
    values.stateName = value(row, fields_[State]);
    values.typeMark = value(row, fields_[TypeMark]);
    values.time = value(row, fields_[Time]);
    values.date = torvalet::Date::fromIso(value(row, fields_[Date]));
    const std::string procent = value(row, fields_[Percent]);
    values.procent = procent.empty() ? 0 : std::strtod(procent.c_str(), nullptr);
    paintedRow_ = row;
    paintedGeneration_ = generation_;
    return values;
}

QVariant TaskTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_) return {};
    if (role == Qt::DisplayRole) {
        const QString text = this->text(index.row(), static_cast<Column>(index.column()));
        if (index.column() == Date) return QDate::fromString(text, Qt::ISODate).toString(dateFormat_);
        if (index.column() == Percent) return text.toDouble() > 0 ? text + "%" : QString();
        return text;
    }
    if (role == Qt::TextAlignmentRole &&
        (index.column() == Time || index.column() == TypeMark || index.column() == Doer || index.column() == Date))
        return int(Qt::AlignCenter);
    return {};
}

// The row indicator points at the current row.
void TaskTableModel::moveIndicator(int row) {
    const int before = indicated_;
    indicated_ = row;
    for (int section : {before, row})
        if (section >= 0 && section < rows_) emit headerDataChanged(Qt::Vertical, section, section);
}

QVariant TaskTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section == tasks_.currentIndex() ? QStringLiteral("\u25B8") : QString();
    return section >= 0 && section < ColumnCount ? titles_[section] : QVariant();
}

void TaskTableModel::setColumnTitle(Column column, const QString& title) {
    titles_[column] = title;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

}  // namespace torvalet::ui
