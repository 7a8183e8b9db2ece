#pragma once

#include <QObject>

class QAction;
class QKeyEvent;
class QWidget;

namespace torvalet::ui {

// Keeps the main window's keys out of the windows that sit over it. Qt lets a window's shortcuts
// fire while a tool window of it is active, and the shortcut map asks the main window also while
// a pop-up of such a tool window (the list of a drop-down) or a modal dialog has the keyboard.
// A key of the main window pressed there goes to the widget that has the focus instead, as any
// other key:
// - while a pop-up is open (Esc closes the list, not the program);
// - while a modal dialog other than the main window is up;
// - Esc pressed in a dialog, which closes that dialog.
// A key that the window under the focus has a command for itself is left to it. In a modeless
// tool window the main window's other keys still work, as Qt has them.
class WindowKeyGate : public QObject {
    Q_OBJECT
public:
    // Watches every key of the program from now on, for `window`'s commands; ends with `window`.
    explicit WindowKeyGate(QWidget& window);
    ~WindowKeyGate() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool belongsElsewhere(const QWidget& focus, const QKeyEvent& key) const;

    QWidget& window_;
};

}  // namespace torvalet::ui
