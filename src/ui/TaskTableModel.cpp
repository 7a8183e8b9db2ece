#include "ui/TaskTableModel.h"

#include <QDate>

#include "tasks/Query.h"

namespace torvalet::ui {

namespace {

const char* const fieldOf[TaskTableModel::ColumnCount] = {
    "Time", "typeName", "Project", "priorityName", "typeMark", "Task", "stateName", "DoerKey", "Date", "Procent",
    "Comment"};

}  // namespace

TaskTableModel::TaskTableModel(Query& tasks, QObject* parent)
    : QAbstractTableModel(parent),
      tasks_(tasks),
      titles_{tr("Time"), tr("Type"), tr("Project"), QStringLiteral("!"), QStringLiteral("::"), tr("Task"),
              QStringLiteral("@"), QStringLiteral("Doer"), tr("Date"), QStringLiteral("%"), tr("Comment")} {
    observer_ = tasks_.addObserver([this](const QueryEvent& event) {
        switch (event.kind) {
            case QueryEvent::RowChanged:
                if (event.row >= 0 && event.row < rowCount())
                    emit dataChanged(index(event.row, 0), index(event.row, ColumnCount - 1));
                break;
            case QueryEvent::CurrentChanged:
                break;
            default:
                beginResetModel();
                endResetModel();
        }
    });
}

TaskTableModel::~TaskTableModel() { tasks_.removeObserver(observer_); }

int TaskTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : tasks_.rowCount(); }

int TaskTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant TaskTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const QString text = QString::fromStdString(tasks_.textAt(index.row(), fieldOf[index.column()]));
    if (role == Qt::DisplayRole) {
        if (index.column() == Date) return QDate::fromString(text, Qt::ISODate).toString(dateFormat_);
        if (index.column() == Percent) return text.toDouble() > 0 ? text + "%" : QString();
        return text;
    }
    if (role == Qt::TextAlignmentRole && (index.column() == Time || index.column() == TypeMark ||
                                          index.column() == Doer || index.column() == Date))
        return int(Qt::AlignCenter);
    return {};
}

QVariant TaskTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return {};
    return section >= 0 && section < ColumnCount ? titles_[section] : QVariant();
}

void TaskTableModel::setColumnTitle(Column column, const QString& title) {
    titles_[column] = title;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

}  // namespace torvalet::ui
