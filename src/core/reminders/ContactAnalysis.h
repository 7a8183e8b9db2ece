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
    // goes on, and the skipped dates are reported at its end as a ConversionError. A run of its
    // own that stored its tasks counts as today's contact step of the start of the day.
    void analyzeContacts();

    // Called before the tree is walked; throws when the tree cannot be analysed (its file could
    // not be read whole), and nothing is stored.
    void setSourceCheck(std::function<void()> check) { sourceCheck_ = std::move(check); }

private:
    const ItemTree& contacts_;
    ReminderClock& clock_;
    NoticeBoard& notices_;
    TaskStore& store_;
    const Settings& settings_;
    std::function<DayTextContext()> dates_;
    std::function<void()> sourceCheck_;
};

}  // namespace torvalet
