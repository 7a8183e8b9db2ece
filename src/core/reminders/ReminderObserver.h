#pragma once

namespace torvalet {

struct Notice;

// What the reminders tell the window (or the companion, which prints them). Nothing by default.
class ReminderObserver {
public:
    virtual ~ReminderObserver() = default;

    // Every notice after it went out (the window puts the pad line on top and sets the hint line);
    // NoticeBoard::showLastNotice tells of one with the balloon only.
    virtual void noticeShown(const Notice&) {}

protected:
    ReminderObserver() = default;
    ReminderObserver(const ReminderObserver&) = default;
    ReminderObserver& operator=(const ReminderObserver&) = default;
};

}  // namespace torvalet
