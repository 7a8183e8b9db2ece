#include "ui/TaskGridDelegate.h"

#include <QPainter>

#include "ui/TaskTableModel.h"

namespace torvalet::ui {

namespace {

constexpr int kPicture = 16;
constexpr int kPadding = 3;

void drawPicture(QPainter* painter, const QRect& cell, int left, Pictures::Set set, int index) {
    const QIcon icon = Pictures::icon(set, index);
    if (icon.isNull()) return;
    const int top = cell.top() + std::max(0, (cell.height() - kPicture) / 2);
    icon.paint(painter, QRect(left, top, kPicture, kPicture));
}

}  // namespace

TaskGridDelegate::TaskGridDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QFont TaskGridDelegate::cellFont(bool dateColumn) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(dateColumn ? 11 : 12);
    return font;
}

void TaskGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const auto* model = qobject_cast<const TaskTableModel*>(index.model());
    if (!model) return QStyledItemDelegate::paint(painter, option, index);
    const auto column = static_cast<TaskTableModel::Column>(index.column());
    const bool selected = option.state & QStyle::State_Selected;
    const TaskCellLook look =
        taskCellLook(model->cellRow(index.row()), column, index.row() == model->currentRow(), context_);

    const QColor background = look.background.isValid() ? look.background
                              : selected                ? option.palette.color(QPalette::Highlight)
                                                        : context_.grid;
    const QColor foreground = look.foreground.isValid() ? look.foreground
                              : selected                ? option.palette.color(QPalette::HighlightedText)
                                                        : context_.text;
    painter->save();
    painter->fillRect(option.rect, background);
    int left = option.rect.left() + 4;
    for (const auto& [set, picture] : look.pictures) {
        drawPicture(painter, option.rect, left, set, picture);
        left += kPicture + 2;
    }
    if (look.progress >= 0) drawPicture(painter, option.rect, left, Pictures::Progress, look.progress);
    if (look.drawsText) {
        QFont font = cellFont(column == TaskTableModel::Date);
        font.setBold(look.bold);
        font.setItalic(look.italic);
        font.setUnderline(look.underline);
        font.setStrikeOut(look.strikeOut);
        painter->setFont(font);
        painter->setPen(foreground);
        const QRect text = option.rect.adjusted(kPadding, 0, -kPadding, 0);
        const auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
        const QString value = painter->fontMetrics().elidedText(index.data().toString(), Qt::ElideRight, text.width());
        painter->drawText(text, int((alignment ? alignment : Qt::AlignLeft) | Qt::AlignVCenter), value);
    }
    painter->restore();
}

QSize TaskGridDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight};
}

}  // namespace torvalet::ui
