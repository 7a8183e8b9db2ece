#pragma once

#include <QObject>

#include <functional>

#include "ui/ItemTreeView.h"

class QLabel;
class QMenu;
class QPlainTextEdit;
class QPoint;
class QSystemTrayIcon;
class QTimer;

namespace torvalet {
struct Notice;
struct Reminders;
}  // namespace torvalet

namespace torvalet::ui {

// The reminder clock in the window: the timer "Timer1" that drives its ticks every two seconds,
// the tray icon "CoolTrayIcon1" its balloons stand at, the message pad and hint line its notices
// reach, and its menu commands.
class ReminderView : public QObject {
    Q_OBJECT
public:
    ReminderView(Reminders& reminders, QPlainTextEdit* messagePad, QLabel* hintPanel, CommandRunner run,
                 QWidget* window);

    // "Show Last Message" in the view menu; the hidden "AnCalend" and "AnContacts" in the options menu.
    void addMenuItems(QMenu* view, QMenu* options);
    // The timer runs from the end of the first show until close begins.
    void startClock();
    void stopClock();

    QSystemTrayIcon* trayIcon() const { return tray_; }
    QTimer* timer() const { return timer_; }

    // A notice went out: its line goes on top of the message pad, and the hint line shows it.
    void noticeShown(const Notice& notice);
    // "Snooze last reminder" with its three snoozes, in the tray icon's menu.
    void addTrayItems(QMenu* tray);
    // The message pad's context menu at `position` (in the pad's viewport): the standard one, with
    // the three snoozes above it on a reminder's line. The caller owns it.
    QMenu* messagePadMenu(const QPoint& position);

private:
    // The three snoozes of the task at `taskRow` into `menu`, their object names `prefix` and the
    // minutes.
    void addSnoozes(QMenu* menu, const char* prefix, const std::function<long long()>& taskRow);

    Reminders& reminders_;
    QPlainTextEdit* messagePad_;
    QLabel* hintPanel_;
    CommandRunner run_;
    QTimer* timer_;
    QSystemTrayIcon* tray_;
};

}  // namespace torvalet::ui
