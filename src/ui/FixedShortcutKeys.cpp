#include "ui/FixedShortcutKeys.h"

#include <QAction>
#include <QHash>
#include <QKeySequence>
#include <QWidget>

#include "model/FixedShortcuts.h"
#include "tasks/TaskCommandTable.h"
#include "trees/TreeCommandTable.h"

namespace torvalet::ui {

namespace {

// Every command that has keys, by its name in lower case.
QHash<QString, QList<QKeySequence>> keysByName() {
    QHash<QString, QList<QKeySequence>> keys;
    const auto add = [&keys](const char* name, const std::vector<std::string>& texts) {
        for (const std::string& text : texts)
            keys[QString::fromLatin1(name).toLower()]
                << QKeySequence(QString::fromStdString(text), QKeySequence::PortableText);
    };
    for (const TaskCommandInfo& command : taskCommands()) add(command.name, command.shortcuts());
    for (const TreeCommandInfo& command : treeCommands()) add(command.name, command.shortcuts());
    for (const FixedShortcut& shortcut : fixedShortcuts()) add(shortcut.command, keyList(shortcut.keys));
    return keys;
}

}  // namespace

void applyFixedShortcuts(QWidget& window) {
    const QHash<QString, QList<QKeySequence>> keys = keysByName();
    for (QAction* action : window.findChildren<QAction*>()) {
        const auto found = keys.find(action->objectName().toLower());
        if (found != keys.end()) action->setShortcuts(*found);
    }
}

}  // namespace torvalet::ui
