#pragma once

#include <QProxyStyle>
#include <QStyledItemDelegate>

namespace torvalet::ui {

// The look every item tree view shares: the view paints row colours and the selection itself
// (ItemTreeView::drawRow), so the style draws no item panels; the drop mark is a bold line
// between items or a frame around the item dropped on; texts sit 8 pixels from the cell edges.
class ItemTreeStyle : public QProxyStyle {
    Q_OBJECT
public:
    // The one instance, owned by the application.
    static ItemTreeStyle* instance();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    ItemTreeStyle() = default;
};

// Draws a cell: picture, then the text on one line, elided at its end, never in the
// selection's colours (the view blends the selection over the row).
class ItemTreeDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 20;

    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace torvalet::ui
