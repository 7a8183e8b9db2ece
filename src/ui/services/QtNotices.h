#pragma once

#include <QObject>

#include <map>

#include "platform/Notices.h"

class QSystemTrayIcon;

namespace torvalet::ui {

// Balloons at the tray icon, with the information icon. Where the desktop has no notification
// area, the desktop's notification service shows them instead; without either they are not shown.
// A reminder goes to the notification service whenever it takes actions (it says so when asked
// for its capabilities), with a button for each snooze and one that dismisses it; the snooze chosen
// goes to the snooze handler with the reminder's task.
class QtNotices : public QObject, public Notices {
    Q_OBJECT
public:
    QtNotices();

    void setTrayIcon(QSystemTrayIcon* icon) { icon_ = icon; }
    void showBalloon(const std::string& title, const std::string& text, int timeoutSeconds) override;
    void showReminder(const ReminderNotice& notice, int timeoutSeconds) override;
    void setSnoozeHandler(SnoozeHandler handler) override { snoozeHandler_ = std::move(handler); }

    // Whether the notification service said that it takes actions; asked in the background at
    // start, and again at a reminder while no answer came.
    bool serviceTakesActions() const { return actions_ == Actions::Yes; }

private slots:
    void actionInvoked(uint id, const QString& key);
    void notificationClosed(uint id, uint reason);

private:
    enum class Actions { Unknown, Asking, Yes, No };
    void askCapabilities();

    QSystemTrayIcon* icon_ = nullptr;
    SnoozeHandler snoozeHandler_;
    Actions actions_ = Actions::Unknown;
    // The reminders on the desktop: notification id to task row.
    std::map<uint, std::int64_t> shown_;
};

}  // namespace torvalet::ui
