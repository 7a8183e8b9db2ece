#pragma once

#include <functional>

#include "model/DayText.h"

namespace torvalet {

class ItemTree;
class NoticeBoard;
class ReminderClock;
class TaskStore;
struct Settings;

// Turns the birthdays, name days and special days of the contact tree whose day and month fall
// from yesterday to three days ahead into reminder tasks of today and message pad lines.
class ContactAnalysis {
public:
    ContactAnalysis(const ItemTree& contacts, ReminderClock& clock, NoticeBoard& notices, TaskStore& store,
                    const Settings& settings, std::function<DayTextContext()> dates);

    // Walks the whole tree in tree order. A date that cannot be read is skipped; the analysis
    // goes on, and the skipped dates are reported at its end as a ConversionError.
    void analyzeContacts();

private:
    const ItemTree& contacts_;
    ReminderClock& clock_;
    NoticeBoard& notices_;
    TaskStore& store_;
    const Settings& settings_;
    std::function<DayTextContext()> dates_;
};

}  // namespace torvalet
