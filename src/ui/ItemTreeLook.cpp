#include "ui/ItemTreeLook.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

namespace torvalet::ui {

namespace {

const QColor kDropMark(0, 102, 204);

void drawDropMark(const QStyleOption* option, QPainter* painter) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QRect rect = option->rect;
    if (rect.height() == 0) {
        // Between two items: a line with a dot at its start.
        painter->setPen(QPen(kDropMark, 2));
        painter->drawLine(rect.left() + 6, rect.top(), rect.right(), rect.top());
        painter->setBrush(kDropMark);
        painter->drawEllipse(QPointF(rect.left() + 4, rect.top()), 3, 3);
    } else {
        // On an item: a frame around it.
        painter->setPen(QPen(kDropMark, 2));
        QColor fill = kDropMark;
        fill.setAlpha(40);
        painter->setBrush(fill);
        painter->drawRoundedRect(QRectF(rect).adjusted(1, 1, -1, -1), 3, 3);
    }
    painter->restore();
}

}  // namespace

ItemTreeStyle* ItemTreeStyle::instance() {
    static ItemTreeStyle* style = [] {
        auto* created = new ItemTreeStyle;
        created->setParent(qApp);
        return created;
    }();
    return style;
}

void ItemTreeStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const {
    switch (element) {
    case PE_PanelItemViewRow:
    case PE_PanelItemViewItem:
    case PE_FrameFocusRect: return;
    case PE_IndicatorItemViewItemDrop: drawDropMark(option, painter); return;
    default: QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

int ItemTreeStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    if (metric == PM_FocusFrameHMargin) return 7;  // text margin: this plus one
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void ItemTreeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    cell.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
    QStyledItemDelegate::paint(painter, cell, index);
}

QSize ItemTreeDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight};
}

}  // namespace torvalet::ui
