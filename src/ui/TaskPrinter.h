#pragma once

#include <QString>

class QPrinter;
class QTableView;

namespace torvalet::ui {

// The rows of the task grid as an HTML table: the shown columns in their order, the texts the
// grid shows.
QString taskListHtml(const QTableView& grid);
// Prints that table; false when the printer could not be started.
bool printTaskList(const QTableView& grid, QPrinter& printer);

}  // namespace torvalet::ui
