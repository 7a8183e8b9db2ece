#include "ui/services/QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace torvalet::ui {

namespace {

bool openUrl(const QString& text) {
    const QUrl url = QUrl::fromUserInput(text.trimmed());
    return url.isValid() && QDesktopServices::openUrl(url);
}

}  // namespace

bool QtShell::open(const OpenRequest& request) {
    const QString file = QString::fromStdString(request.file);
    const QString parameters = QString::fromStdString(request.parameters);
    // The browser and file manager requests of the organiser name Windows programs: the address
    // or folder in their parameters goes to the desktop's own handler instead.
    if (file.compare("IEXPLORE.EXE", Qt::CaseInsensitive) == 0)
        return openUrl(QString(parameters).remove(QStringLiteral("-new")).trimmed());
    if (file.compare("explorer.exe", Qt::CaseInsensitive) == 0)
        return QDesktopServices::openUrl(QUrl::fromLocalFile(QString(parameters).remove(QStringLiteral("/n, /e,")).trimmed()));
    if (file.startsWith("mailto:", Qt::CaseInsensitive) || file.contains("://")) return openUrl(file);
    const QFileInfo info(file);
    if (info.isDir()) return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    if (info.isExecutable() && info.isFile())
        return QProcess::startDetached(file, QProcess::splitCommand(parameters), QString::fromStdString(request.directory));
    if (info.exists()) return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    return openUrl(file);
}

}  // namespace torvalet::ui
