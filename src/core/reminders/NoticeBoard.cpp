#include "reminders/NoticeBoard.h"

#include "model/MessagePad.h"
#include "platform/Notices.h"
#include "reminders/ReminderObserver.h"

namespace torvalet {

void NoticeBoard::showNotice(const std::string& header, const std::string& text, bool withBalloon, bool toMessagePad) {
    const Notice notice{header, text, withBalloon, toMessagePad};
    if (toMessagePad) pad_.prepend(notice.line());
    hint_ = notice.line();
    if (withBalloon) balloon();
    observer_.noticeShown(notice);
}

void NoticeBoard::showLastNotice() {
    balloon();
    observer_.noticeShown({lastNoticeHeader, lastNoticeText, true, false});
}

void NoticeBoard::balloon() {
    notices_.showBalloon(lastNoticeHeader, lastNoticeText, kBalloonSeconds);
    hint_ = lastNoticeHeader + " " + lastNoticeText;
}

}  // namespace torvalet
