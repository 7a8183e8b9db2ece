#include "ui/services/DefaultBrowser.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace torvalet::ui {

namespace {

QString defaultBrowserEntry() {
    QProcess settings;
    settings.start(QStringLiteral("xdg-settings"), {QStringLiteral("get"), QStringLiteral("default-web-browser")});
    if (!settings.waitForFinished(3000) || settings.exitCode() != 0) return {};
    const QString id = QString::fromUtf8(settings.readAllStandardOutput()).trimmed();
    return id.isEmpty() ? QString() : QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
}

}  // namespace

std::optional<Command> commandOfDesktopEntry(const QString& entry) {
    bool inMainGroup = false;
    for (const QString& rawLine : entry.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(QLatin1Char('['))) inMainGroup = line == QLatin1String("[Desktop Entry]");
        if (!inMainGroup || !line.startsWith(QLatin1String("Exec="))) continue;
        QStringList words = QProcess::splitCommand(line.mid(5));
        words.removeIf(
            [](const QString& word) { return word.size() == 2 && word[0] == QLatin1Char('%') && word != "%%"; });
        for (QString& word : words) word.replace(QLatin1String("%%"), QLatin1String("%"));
        if (words.isEmpty()) return std::nullopt;
        return Command{words.takeFirst(), words};
    }
    return std::nullopt;
}

std::optional<Command> defaultBrowserCommand() {
    const QString entryFile = defaultBrowserEntry();
    QFile file(entryFile);
    if (!entryFile.isEmpty() && file.open(QIODevice::ReadOnly)) {
        if (auto command = commandOfDesktopEntry(QString::fromUtf8(file.readAll()))) return command;
    }
    const QString fallback = QStandardPaths::findExecutable(QStringLiteral("x-www-browser"));
    if (fallback.isEmpty()) return std::nullopt;
    return Command{fallback, {}};
}

}  // namespace torvalet::ui
