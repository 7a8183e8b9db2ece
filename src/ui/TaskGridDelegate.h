#pragma once

#include <QFont>
#include <QStyledItemDelegate>

#include "ui/TaskCellLook.h"

namespace torvalet::ui {

// Paints the cells of the task grid by the painting rule: colours and font styles from the row's
// state, type and time, the priority, state and type pictures and the progress pictures.
class TaskGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 18;

    explicit TaskGridDelegate(QObject* parent = nullptr);

    // Colours and the present moment, set once before each paint of the grid.
    void setContext(const TaskPaintContext& context) { context_ = context; }
    const TaskPaintContext& context() const { return context_; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The grid's font: Tahoma, 12 pixels high (the date column 11 pixels).
    static QFont cellFont(bool dateColumn);

private:
    TaskPaintContext context_;
};

}  // namespace torvalet::ui
