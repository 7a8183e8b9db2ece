#include "reminders/Reminders.h"

#include "platform/Services.h"
#include "trees/ItemTreeSet.h"

namespace torvalet {

Reminders::Reminders(const Services& services, TaskStore& store, TaskListState& listState, const Settings& settings,
                     const ViewState& view, SoundCues& cues, MessagePad& pad, ItemTreeSet& trees,
                     const std::function<DayTextContext()>& dates)
    : notices(pad, services.notices),
      clock(services, store, listState, settings, view, cues, notices),
      calendar(trees.get(TreeId::CalendarTree), clock, store, dates),
      contacts(trees.get(TreeId::ContactsTree), clock, notices, store, settings, dates) {}

}  // namespace torvalet
