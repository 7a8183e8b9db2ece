#include "ui/FixedShortcutKeys.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

#include "model/FixedShortcuts.h"

namespace torvalet::ui {

void applyFixedShortcuts(QWidget& window) {
    const QList<QAction*> actions = window.findChildren<QAction*>();
    for (QAction* action : actions) {
        QList<QKeySequence> keys;
        for (const FixedShortcut& shortcut : fixedShortcuts())
            if (action->objectName().compare(QLatin1String(shortcut.command), Qt::CaseInsensitive) == 0)
                keys << QKeySequence(QString::fromLatin1(shortcut.keys), QKeySequence::PortableText);
        if (!keys.isEmpty()) action->setShortcuts(keys);
    }
}

}  // namespace torvalet::ui
