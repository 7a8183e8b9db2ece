#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace torvalet {

// A reminder of one task as a notification: its title and text, the task it belongs to, and the
// choices it offers to put the reminder off.
struct ReminderNotice {
    struct Snooze {
        int minutes = 0;
        std::string label;  // "Snooze 15 min"
    };
    std::string title;
    std::string text;
    std::int64_t taskRow = 0;
    std::vector<Snooze> snoozes;
    std::string dismissLabel;  // "Dismiss"
};

// The tray icon's balloon, and the reminders of tasks.
class Notices {
public:
    // What the user chose on a reminder: the task's row and the minutes to put it off by.
    using SnoozeHandler = std::function<void(std::int64_t taskRow, int minutes)>;

    virtual ~Notices() = default;
    virtual void showBalloon(const std::string& title, const std::string& text, int timeoutSeconds) = 0;
    // A reminder: where the desktop's notifications take actions, it offers the snoozes and the
    // one chosen goes to the snooze handler; elsewhere it is a balloon like any other.
    virtual void showReminder(const ReminderNotice& notice, int timeoutSeconds) {
        showBalloon(notice.title, notice.text, timeoutSeconds);
    }
    // Where a snooze chosen on a reminder goes; none (the default) forgets them.
    virtual void setSnoozeHandler(SnoozeHandler handler) { (void)handler; }
};

}  // namespace torvalet
