#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace torvalet::ui {

struct Command {
    QString program;
    QStringList arguments;
};

// The command that starts the desktop's default web browser without a page: the Exec line of
// the desktop entry that xdg-settings names, else x-www-browser; nothing when neither is found.
std::optional<Command> defaultBrowserCommand();

// The command of a desktop entry's text: its Exec line without the field codes (%u, %F, ...).
std::optional<Command> commandOfDesktopEntry(const QString& entry);

}  // namespace torvalet::ui
