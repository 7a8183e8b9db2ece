#include "ui/PrintWithDialog.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/UserInterface.h"

namespace torvalet::ui {

void printWithDialog(QWidget* parent, const QString& title, const QString& docName,
                     const std::function<bool(QPrinter&)>& print, UserInterface& ui) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(docName);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!print(printer) || printer.printerState() == QPrinter::Error)
        ui.showMessage(QCoreApplication::translate("Printing", "The printer could not be started.").toStdString());
}

}  // namespace torvalet::ui
