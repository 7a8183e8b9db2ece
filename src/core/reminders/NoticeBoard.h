#pragma once

#include <string>

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
};

}  // namespace torvalet
