#include "ui/services/QtShell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include "model/Messages.h"
#include "ui/services/DefaultBrowser.h"

namespace torvalet::ui {

namespace {

QString expandHome(const QString& path) {
    if (path == QLatin1String("~")) return QDir::homePath();
    if (path.startsWith(QLatin1String("~/"))) return QDir::homePath() + path.mid(1);
    return path;
}

QString resolve(const QString& path, const QString& folder) { return QDir(folder).absoluteFilePath(expandHome(path)); }

bool looksLikeAddress(const QString& text) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(text).hasMatch() || text.startsWith(QLatin1String("www."), Qt::CaseInsensitive);
}

DesktopAction openUrl(const QUrl& url) {
    if (!url.isValid() || url.isEmpty()) return {};
    return {DesktopAction::OpenUrl, url, {}, {}, {}};
}

DesktopAction browse(const QString& address, const QString& folder) {
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty()) return {DesktopAction::StartBrowser, {}, {}, {}, folder};
    return openUrl(QUrl::fromUserInput(trimmed, folder));
}

DesktopAction showFolder(const QString& target, const QString& folder) {
    const QString trimmed = target.trimmed();
    const QString path = trimmed.isEmpty() ? QDir::homePath() : resolve(trimmed, folder);
    if (!QFileInfo::exists(path)) return {};
    return openUrl(QUrl::fromLocalFile(path));
}

DesktopAction start(const QString& program, const QString& parameters, const QString& folder) {
    return {DesktopAction::StartProgram, {}, program, QProcess::splitCommand(parameters), folder};
}

// A document, folder, program or address, by what it is.
DesktopAction openItem(const QString& file, const QString& parameters, const QString& folder) {
    if (file.trimmed().isEmpty()) return {};
    const QFileInfo local(resolve(file, folder));
    if (local.isDir()) return openUrl(QUrl::fromLocalFile(local.absoluteFilePath()));
    if (local.isFile() && local.isExecutable()) return start(local.absoluteFilePath(), parameters, folder);
    if (local.isFile()) return openUrl(QUrl::fromLocalFile(local.absoluteFilePath()));
    if (looksLikeAddress(file)) return openUrl(QUrl::fromUserInput(file));
    if (!file.contains(QLatin1Char('/'))) {
        const QString program = QStandardPaths::findExecutable(file);
        if (!program.isEmpty()) return start(program, parameters, folder);
    }
    return {};
}

}  // namespace

DesktopAction QtShell::plan(const DesktopRequest& request) {
    const QString target = QString::fromStdString(request.target);
    const QString folder = request.folder.empty() ? QDir::currentPath() : QString::fromStdString(request.folder);
    switch (request.kind) {
    case DesktopRequest::Kind::Browse: return browse(target, folder);
    case DesktopRequest::Kind::ShowFolder: return showFolder(target, folder);
    case DesktopRequest::Kind::Mail: return openUrl(QUrl(target, QUrl::TolerantMode));
    case DesktopRequest::Kind::Open: return openItem(target, QString::fromStdString(request.arguments), folder);
    case DesktopRequest::Kind::CopyDiskette: return {};
    }
    return {};
}

bool QtShell::carryOut(const DesktopAction& action) {
    switch (action.kind) {
    case DesktopAction::OpenUrl: return QDesktopServices::openUrl(action.url);
    case DesktopAction::StartProgram: return QProcess::startDetached(action.program, action.arguments, action.folder);
    case DesktopAction::StartBrowser: {
        const auto browser = defaultBrowserCommand();
        return browser && QProcess::startDetached(browser->program, browser->arguments, action.folder);
    }
    case DesktopAction::Refuse: return false;
    }
    return false;
}

// The desktop's own word that it could not open something, in the system's language; the box
// does not wait, so the command that asked goes on.
void QtShell::tellRefused(const DesktopRequest& request) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    const bool russian = QLocale().language() == QLocale::Russian;
    QString what = QString::fromStdString(request.target).trimmed();
    if (!request.arguments.empty()) what += QLatin1Char(' ') + QString::fromStdString(request.arguments).trimmed();
    if (what.isEmpty()) {
        switch (request.kind) {
        case DesktopRequest::Kind::Browse:
            what = russian ? QStringLiteral("веб-браузер") : QStringLiteral("the web browser");
            break;
        case DesktopRequest::Kind::ShowFolder:
            what = russian ? QStringLiteral("файловый менеджер") : QStringLiteral("the file manager");
            break;
        case DesktopRequest::Kind::CopyDiskette:
            what = russian ? QStringLiteral("копирование дискет") : QStringLiteral("the diskette copy");
            break;
        case DesktopRequest::Kind::Mail:
        case DesktopRequest::Kind::Open: break;
        }
    }
    const QString text =
        QString::fromUtf8(message(MessageId::CouldNotOpen, russian ? Language::russian : Language::english));
    auto* box =
        new QMessageBox(QMessageBox::Warning, QApplication::applicationDisplayName(), text.arg(what), QMessageBox::Ok);
    box->setObjectName(QStringLiteral("ShellRefusal"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
}

bool QtShell::open(const DesktopRequest& request) {
    const bool done = carryOut(plan(request));
    if (!done) tellRefused(request);
    return done;
}

}  // namespace torvalet::ui
