#pragma once

#include <QAbstractTableModel>

#include <memory>

#include "tasks/Query.h"

namespace torvalet::ui {

struct TaskCellRow;

// The task list's rows for the task grid, in the grid's column order. Only the rows a view asks
// for (the visible ones) are read from the task list.
class TaskTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Time, TypeName, Project, Priority, TypeMark, Task, State, Doer, Date, Percent, Comment, ColumnCount };

    explicit TaskTableModel(Query& tasks, QObject* parent = nullptr);
    ~TaskTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The values that decide how the row's cells are painted.
    const TaskCellRow& cellRow(int row) const;
    // The task list's current row.
    int currentRow() const { return tasks_.currentIndex(); }
    Query& tasks() const { return tasks_; }

    void setColumnTitle(Column column, const QString& title);
    // Dates are shown in this short date format.
    void setDateFormat(const QString& format) { dateFormat_ = format; }

private:
    void onQueryEvent(int kind, int row);
    QString text(int row, Column column) const;
    std::string value(int row, Query::Field field) const;
    void resolveFields() const;
    void moveIndicator(int row);

    Query& tasks_;
    int observer_;
    // The row count the views were last told of: a view never sees rows it has not heard about.
    int rows_ = 0;
    int indicated_ = -1;
    // The values of the row painted last.
    std::unique_ptr<TaskCellRow> painted_;
    mutable int paintedRow_ = -1, paintedGeneration_ = -1;
    // The task list's fields for the grid's columns, resolved once per statement.
    mutable int generation_ = -1;
    mutable Query::Field fields_[ColumnCount] = {};
    mutable Query::Field stateKey_ = -1, typeKey_ = -1;
    QString titles_[ColumnCount];
    QString dateFormat_ = QStringLiteral("dd.MM.yyyy");
};

}  // namespace torvalet::ui
