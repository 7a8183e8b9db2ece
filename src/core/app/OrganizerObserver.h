#pragma once

#include "navigation/TreeDisplay.h"
#include "reminders/ReminderObserver.h"
#include "tasks/TaskObserver.h"

namespace torvalet {

struct LanguageTable;

// Everything the organiser tells whoever shows it: the window implements it once and registers
// with Organizer::setObserver; the companion implements the little it needs. Each layer's part
// is declared where its calls start (the trees, the navigation, the tasks, the reminders); the
// organiser hands each component its part. Every call does nothing by default.
class OrganizerObserver : public TreeDisplay, public TaskObserver, public ReminderObserver {
public:
    // After a language change, so that the window checks the language's menu item.
    virtual void languageChanged() {}
    // The captions of a language file, for the window to put on its components.
    virtual void captionsChanged(const LanguageTable&) {}
    // The reminder clock saw a new minute: what depends on the time of day shows it again (the
    // task grid's colour of a time that has passed).
    virtual void minuteChanged() {}
};

}  // namespace torvalet
