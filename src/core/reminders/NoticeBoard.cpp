#include "reminders/NoticeBoard.h"

#include "model/MessagePad.h"
#include "platform/Notices.h"
#include "reminders/ReminderObserver.h"
#include "reminders/ReminderTexts.h"

namespace torvalet {

void NoticeBoard::showNotice(const std::string& header, const std::string& text, bool withBalloon, bool toMessagePad) {
    const Notice notice{header, text, withBalloon, toMessagePad};
    if (toMessagePad) pad_.prepend(notice.line());
    hint_ = notice.line();
    if (withBalloon) balloon();
    observer_.noticeShown(notice);
}

void NoticeBoard::showReminder(const std::string& header, const std::string& text, Bookmark taskRow, bool withBalloon,
                               int language) {
    Notice notice{header, text, withBalloon, true, taskRow};
    pad_.prepend(notice.line(), taskRow);
    hint_ = notice.line();
    lastReminder_ = taskRow;
    if (withBalloon) {
        ReminderNotice reminder{lastNoticeHeader, lastNoticeText, taskRow, {}, reminderTexts::dismiss(language)};
        for (const int minutes : reminderTexts::snoozeMinutes)
            reminder.snoozes.push_back({minutes, reminderTexts::snooze(language, minutes)});
        notices_.showReminder(reminder, kBalloonSeconds);
        hint_ = lastNoticeHeader + " " + lastNoticeText;
    }
    observer_.noticeShown(notice);
}

Bookmark NoticeBoard::taskOfLine(std::size_t line) const { return pad_.taskRowAt(line); }

void NoticeBoard::showLastNotice() {
    balloon();
    observer_.noticeShown({lastNoticeHeader, lastNoticeText, true, false});
}

void NoticeBoard::balloon() {
    notices_.showBalloon(lastNoticeHeader, lastNoticeText, kBalloonSeconds);
    hint_ = lastNoticeHeader + " " + lastNoticeText;
}

}  // namespace torvalet
