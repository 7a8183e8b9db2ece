#include "reminders/Reminders.h"

#include "platform/Notices.h"
#include "platform/Services.h"
#include "trees/ItemTreeSet.h"

namespace torvalet {

Reminders::Reminders(const Services& services, TaskStore& store, TaskListState& listState, const Settings& settings,
                     const ViewState& view, SoundCues& cues, MessagePad& pad, ItemTreeSet& trees,
                     const std::function<DayTextContext()>& dates, ReminderObserver& observer, TaskExecution& execution,
                     ReminderClock::Duties& duties)
    : notices(pad, services.notices, observer),
      clock(services, store, listState, settings, view, cues, notices, execution, duties),
      calendar(trees.get(TreeId::CalendarTree), clock, store, dates),
      contacts(trees.get(TreeId::ContactsTree), clock, notices, store, settings, dates),
      desktopNotices_(services.notices) {
    desktopNotices_.setSnoozeHandler(
        [this](std::int64_t taskRow, int minutes) { clock.snoozeChosen(taskRow, minutes); });
}

Reminders::~Reminders() { desktopNotices_.setSnoozeHandler(nullptr); }

}  // namespace torvalet
