#include "ui/WindowKeyGate.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>

namespace torvalet::ui {

namespace {

// The window whose command an action is: a menu's action belongs to the window of its menu bar or
// of the widget that holds the menu.
const QWidget* commandWindow(const QAction& action) {
    for (const QObject* owner = action.parent(); owner; owner = owner->parent()) {
        const auto* widget = qobject_cast<const QWidget*>(owner);
        if (widget && widget->isWindow() && !qobject_cast<const QMenu*>(widget)) return widget;
    }
    return nullptr;
}

bool hasCommandFor(const QWidget& window, const QKeySequence& keys) {
    const QList<QAction*> actions = window.findChildren<QAction*>();
    for (const QAction* action : actions) {
        if (commandWindow(*action) != &window) continue;
        for (const QKeySequence& shortcut : action->shortcuts())
            if (shortcut == keys) return true;
    }
    return false;
}

}  // namespace

WindowKeyGate::WindowKeyGate(QWidget& window) : QObject(&window), window_(window) { qApp->installEventFilter(this); }

WindowKeyGate::~WindowKeyGate() { qApp->removeEventFilter(this); }

// The shortcut map first offers the key to the focus widget as an override; accepting it there
// keeps every shortcut out and hands the key to that widget as a key press.
bool WindowKeyGate::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) return false;
    const auto* focus = qobject_cast<const QWidget*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (focus && belongsElsewhere(*focus, *key)) event->accept();
    return false;
}

bool WindowKeyGate::belongsElsewhere(const QWidget& focus, const QKeyEvent& key) const {
    const QWidget* pressedIn = focus.window();
    // A menu takes its own keys, and Qt lets the shortcuts of its items fire as they are.
    if (qobject_cast<const QMenu*>(pressedIn)) return false;
    const QWidget* modal = QApplication::activeModalWidget();
    const bool overWindow = QApplication::activePopupWidget() || (modal && modal != &window_);
    const bool escInDialog = qobject_cast<const QDialog*>(pressedIn) && key.matches(QKeySequence::Cancel);
    if (!overWindow && !escInDialog) return false;
    const QKeySequence keys(QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key())));
    if (pressedIn != &window_ && hasCommandFor(*pressedIn, keys)) return false;
    return hasCommandFor(window_, keys);
}

}  // namespace torvalet::ui
