#include "ui/TaskPrinter.h"

#include <QHeaderView>
#include <QPrinter>
#include <QTableView>
#include <QTextDocument>

#include <vector>

namespace torvalet::ui {

QString taskListHtml(const QTableView& grid) {
    const QAbstractItemModel* model = grid.model();
    const QHeaderView* header = grid.horizontalHeader();
    std::vector<int> columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (!header->isSectionHidden(logical)) columns.push_back(logical);
    }
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><tr>");
    for (int column : columns)
        html += QStringLiteral("<th>%1</th>").arg(model->headerData(column, Qt::Horizontal).toString().toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (int row = 0; row < model->rowCount(); ++row) {
        html += QStringLiteral("<tr>");
        for (int column : columns)
            html += QStringLiteral("<td>%1</td>").arg(model->index(row, column).data().toString().toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

bool printTaskList(const QTableView& grid, QPrinter& printer) {
    QTextDocument document;
    document.setHtml(taskListHtml(grid));
    document.print(&printer);
    return printer.printerState() != QPrinter::Error;
}

}  // namespace torvalet::ui
