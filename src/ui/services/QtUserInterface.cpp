#include "ui/services/QtUserInterface.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace torvalet::ui {

void QtUserInterface::showMessage(const std::string& text) {
    if (messageHook) return messageHook(text);
    QMessageBox::information(parent_, QApplication::applicationDisplayName(), QString::fromStdString(text));
}

void QtUserInterface::showWarning(const std::string& text) {
    if (messageHook) return messageHook(text);
    QMessageBox::warning(parent_, QApplication::applicationDisplayName(), QString::fromStdString(text));
}

bool QtUserInterface::askYesNo(const std::string& question) {
    if (questionHook) return questionHook(question);
    // Every question the program asks deletes something: a stray Enter must answer No.
    return QMessageBox::question(parent_, QApplication::applicationDisplayName(), QString::fromStdString(question),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> QtUserInterface::chooseFileToOpen(const std::string& title, const std::string& filter) {
    const QString file =
        QFileDialog::getOpenFileName(parent_, QString::fromStdString(title), {}, QString::fromStdString(filter));
    if (file.isEmpty()) return std::nullopt;
    return file.toStdString();
}

std::optional<std::string> QtUserInterface::chooseFileToSave(const std::string& title, const std::string& filter) {
    const QString file =
        QFileDialog::getSaveFileName(parent_, QString::fromStdString(title), {}, QString::fromStdString(filter));
    if (file.isEmpty()) return std::nullopt;
    return file.toStdString();
}

void QtUserInterface::showTaskProperties(bool modal) {
    if (taskPropertiesHandler) taskPropertiesHandler(modal);
}

}  // namespace torvalet::ui
