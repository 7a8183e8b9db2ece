#include "ui/services/QtClipboard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace torvalet::ui {

const char* const QtClipboard::treeDataFormat = "application/x-qt-windows-mime;value=\"Virtual Tree Data\"";

void QtClipboard::setText(const std::string& text) { QApplication::clipboard()->setText(QString::fromStdString(text)); }

std::string QtClipboard::text() const { return QApplication::clipboard()->text().toStdString(); }

bool QtClipboard::hasText() const {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

void QtClipboard::setTreeData(const std::string& bytes) {
    auto* data = new QMimeData;
    data->setData(treeDataFormat, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    QApplication::clipboard()->setMimeData(data);
}

std::optional<std::string> QtClipboard::treeData() const {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(treeDataFormat)) return std::nullopt;
    return data->data(treeDataFormat).toStdString();
}

void QtClipboard::clear() { QApplication::clipboard()->clear(); }

}  // namespace torvalet::ui
