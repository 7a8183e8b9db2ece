#pragma once

#include <string>

#include "tasks/Bookmark.h"

namespace torvalet {

class MessagePad;
class Notices;
class ReminderObserver;

// One notice: a header and a text, and where it went.
struct Notice {
    std::string header;
    std::string text;
    bool withBalloon = false;
    bool toMessagePad = false;
    // The row of the task a reminder rang for; 0 for other notices.
    Bookmark taskRow = 0;

    // The line of the message pad and of the hint line: the header, a blank and the text.
    std::string line() const { return header + " " + text; }
};

// Where the reminder clock and the day analyses tell the user something: a line at the top of
// the message pad, the hint line, and the tray balloon, which always shows the last notice.
class NoticeBoard {
public:
    // Seconds a balloon stays.
    static constexpr int kBalloonSeconds = 10;

    // Every notice is told to `observer` after it went out (the window adds the pad line and sets
    // the hint line); showLastNotice tells of one with the balloon only.
    NoticeBoard(MessagePad& pad, Notices& notices, ReminderObserver& observer)
        : pad_(pad), notices_(notices), observer_(observer) {}

    void showNotice(const std::string& header, const std::string& text, bool withBalloon, bool toMessagePad);
    // The reminder of the task at `taskRow`: a message pad line that knows its task, and with
    // `withBalloon` a notification that offers to snooze it (texts in `language`). It becomes the
    // last reminder. The caller sets lastNoticeHeader and lastNoticeText first, as for a balloon.
    void showReminder(const std::string& header, const std::string& text, Bookmark taskRow, bool withBalloon,
                      int language);
    // The task of the last reminder shown; 0 before the first.
    Bookmark lastReminder() const { return lastReminder_; }
    // The task a line of the message pad (0 is the top) reminds of; 0 for none.
    Bookmark taskOfLine(std::size_t line) const;
    // The last notice again, as a balloon and on the hint line.
    void showLastNotice();

    // The text of the hint line.
    const std::string& hint() const { return hint_; }

    // Callers that want a balloon set these before showNotice: the balloon shows them.
    std::string lastNoticeHeader;
    std::string lastNoticeText;

private:
    // The balloon with the last notice, which the hint line then shows too.
    void balloon();

    MessagePad& pad_;
    Notices& notices_;
    ReminderObserver& observer_;
    std::string hint_;
    Bookmark lastReminder_ = 0;
};

}  // namespace torvalet
