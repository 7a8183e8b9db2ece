#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace torvalet {
class UserInterface;
}

namespace torvalet::ui {

// Asks for a printer in the print dialog titled `title`, then prints the document `docName`
// through `print` (false: the printer could not be started, which the user is told).
void printWithDialog(QWidget* parent, const QString& title, const QString& docName,
                     const std::function<bool(QPrinter&)>& print, UserInterface& ui);

}  // namespace torvalet::ui
