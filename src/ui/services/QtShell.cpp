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

bool isOneOf(const QString& file, std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (file.compare(QLatin1String(name), Qt::CaseInsensitive) == 0) return true;
    return false;
}

// The parameters without the switch in front of the address or folder.
QString withoutPrefix(const QString& parameters, const QString& prefix) {
    QString rest = parameters.trimmed();
    const QString trimmedPrefix = prefix.trimmed();
    if (rest.startsWith(trimmedPrefix, Qt::CaseInsensitive)) rest = rest.mid(trimmedPrefix.size());
    return rest.trimmed();
}

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
    if (address.isEmpty()) return {DesktopAction::StartBrowser, {}, {}, {}, folder};
    return openUrl(QUrl::fromUserInput(address, folder));
}

DesktopAction showFolder(const QString& target, const QString& folder) {
    const QString path = target.isEmpty() ? QDir::homePath() : resolve(target, folder);
    if (!QFileInfo::exists(path)) return {};
    return openUrl(QUrl::fromLocalFile(path));
}

DesktopAction start(const QString& program, const QString& parameters, const QString& folder) {
    return {DesktopAction::StartProgram, {}, program, QProcess::splitCommand(parameters), folder};
}

}  // namespace

DesktopAction QtShell::plan(const OpenRequest& request) {
    const QString file = QString::fromStdString(request.file);
    const QString parameters = QString::fromStdString(request.parameters);
    const QString folder = request.directory.empty() ? QDir::currentPath() : QString::fromStdString(request.directory);
    if (file.trimmed().isEmpty()) return {};
    if (isOneOf(file, {ShellText::browser, "iexplore"}))
        return browse(withoutPrefix(parameters, QString::fromLatin1(ShellText::newWindow)), folder);
    if (isOneOf(file, {ShellText::fileManager, "explorer"}))
        return showFolder(withoutPrefix(parameters, QString::fromLatin1(ShellText::folderSwitches)), folder);
    if (file.startsWith(QLatin1String(ShellText::mailTo), Qt::CaseInsensitive))
        return openUrl(QUrl(file, QUrl::TolerantMode));

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
void QtShell::tellRefused(const OpenRequest& request) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    QString what = QString::fromStdString(request.file);
    if (!request.parameters.empty()) what += QLatin1Char(' ') + QString::fromStdString(request.parameters).trimmed();
    const bool russian = QLocale().language() == QLocale::Russian;
    const QString text =
        QString::fromUtf8(message(MessageId::CouldNotOpen, russian ? Language::russian : Language::english));
    auto* box =
        new QMessageBox(QMessageBox::Warning, QApplication::applicationDisplayName(), text.arg(what), QMessageBox::Ok);
    box->setObjectName(QStringLiteral("ShellRefusal"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
}

bool QtShell::open(const OpenRequest& request) {
    const bool done = carryOut(plan(request));
    if (!done) tellRefused(request);
    return done;
}

}  // namespace torvalet::ui
