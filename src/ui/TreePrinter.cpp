#include "ui/TreePrinter.h"

#include <QHeaderView>
#include <QPainter>
#include <QPrinter>

#include <vector>

#include "ui/ItemTreeLook.h"
#include "ui/ItemTreeModel.h"
#include "ui/ItemTreeView.h"

namespace torvalet::ui {

namespace {

constexpr int kScreenDpi = 96;
constexpr int kHeaderHeight = 21;
const QColor kHeaderColour(183, 206, 255);

struct PrintColumn {
    int logical;
    int width;
};

std::vector<PrintColumn> shownColumns(const ItemTreeView& view) {
    std::vector<PrintColumn> columns;
    const QHeaderView* header = view.header();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (!header->isSectionHidden(logical)) columns.push_back({logical, header->sectionSize(logical)});
    }
    return columns;
}

int depthOf(QModelIndex index) {
    int depth = 0;
    for (index = index.parent(); index.isValid(); index = index.parent()) ++depth;
    return depth;
}

void drawHeader(QPainter& painter, const ItemTreeView& view, const std::vector<PrintColumn>& columns) {
    // In the page's scaled screen pixels: a point size would be taken at the printer's resolution.
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    int x = 0;
    for (const PrintColumn& column : columns) {
        const QRect cell(x, 0, column.width, kHeaderHeight);
        painter.fillRect(cell, kHeaderColour);
        painter.setPen(QColor(150, 178, 235));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        painter.setPen(Qt::black);
        const QString caption = view.model()->headerData(column.logical, Qt::Horizontal).toString();
        painter.drawText(cell.adjusted(6, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, caption);
        x += column.width;
    }
}

void drawRow(QPainter& painter, const ItemTreeView& view, const QModelIndex& index, int y,
             const std::vector<PrintColumn>& columns) {
    const int indent = view.indentation() * (depthOf(index) + (view.rootIsDecorated() ? 1 : 0));
    int x = 0;
    for (const PrintColumn& column : columns) {
        const QModelIndex cell = index.siblingAtColumn(column.logical);
        QRect rect(x, y, column.width, ItemTreeDelegate::kRowHeight);
        const QVariant background = cell.data(Qt::BackgroundRole);
        if (background.canConvert<QBrush>()) painter.fillRect(rect, background.value<QBrush>());
        if (column.logical == 0) rect.setLeft(rect.left() + indent);
        QStyleOptionViewItem option;
        option.initFrom(&view);
        option.state = QStyle::State_Enabled;
        option.rect = rect;
        option.decorationSize = view.iconSize();
        option.textElideMode = Qt::ElideRight;
        view.itemDelegate()->paint(&painter, option, cell);
        x += column.width;
    }
}

}  // namespace

bool printTree(const ItemTreeView& view, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const std::vector<PrintColumn> columns = shownColumns(view);
    int totalWidth = 0;
    for (const PrintColumn& column : columns) totalWidth += column.width;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    double scale = double(printer.resolution()) / kScreenDpi;
    if (totalWidth * scale > page.width()) scale = double(page.width()) / totalWidth;
    painter.scale(scale, scale);
    const int pageHeight = int(page.height() / scale);

    int y = kHeaderHeight;
    drawHeader(painter, view, columns);
    for (QModelIndex index = view.model()->index(0, 0); index.isValid(); index = view.indexBelow(index)) {
        if (y + ItemTreeDelegate::kRowHeight > pageHeight) {
            printer.newPage();
            drawHeader(painter, view, columns);
            y = kHeaderHeight;
        }
        drawRow(painter, view, index, y, columns);
        y += ItemTreeDelegate::kRowHeight;
    }
    return painter.end();
}

}  // namespace torvalet::ui
