#pragma once

#include <QAbstractTableModel>

namespace torvalet {
class Query;
}

namespace torvalet::ui {

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

    void setColumnTitle(Column column, const QString& title);
    // Dates are shown in this short date format.
    void setDateFormat(const QString& format) { dateFormat_ = format; }

private:
    void onQueryEvent(int kind, int row);
    QString text(int row, Column column) const;

    Query& tasks_;
    int observer_;
    // The row count the views were last told of: a view never sees rows it has not heard about.
    int rows_ = 0;
    // The task list's fields for the grid's columns, resolved once per statement.
    mutable int generation_ = -1;
    mutable int fields_[ColumnCount] = {};
    QString titles_[ColumnCount];
    QString dateFormat_ = QStringLiteral("dd.MM.yyyy");
};

}  // namespace torvalet::ui
