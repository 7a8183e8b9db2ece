#include "reminders/ContactAnalysis.h"

#include "base/Errors.h"
#include "base/Text.h"
#include "model/Settings.h"
#include "reminders/GroupedPosts.h"
#include "reminders/NoticeBoard.h"
#include "reminders/ReminderClock.h"
#include "reminders/ReminderTexts.h"
#include "reminders/SkippedItems.h"
#include "tasks/DayBook.h"
#include "tasks/TaskStore.h"
#include "trees/ContactRecord.h"
#include "trees/ItemTree.h"

namespace torvalet {

namespace {

using reminderTexts::ContactDay;

// The stored day text with the locale's date separator: characters 1-2, 4-5 and 7-8.
std::string shownDayText(const std::string& field, char separator) {
    const std::u32string characters = toCodePoints(field);
    std::string shown;
    for (std::size_t first : {0, 3, 6}) {
        if (first) shown += separator;
        for (std::size_t i = first; i < first + 2 && i < characters.size(); ++i) appendUtf8(shown, characters[i]);
    }
    return shown;
}

const char* fieldName(ContactDay day) {
    static const char* const names[] = {"Birthday", "NameDay", "SpecialDay"};
    return names[static_cast<int>(day)];
}

}  // namespace

ContactAnalysis::ContactAnalysis(const ItemTree& contacts, ReminderClock& clock, NoticeBoard& notices, TaskStore& store,
                                 const Settings& settings, std::function<DayTextContext()> dates)
    : contacts_(contacts),
      clock_(clock),
      notices_(notices),
      store_(store),
      settings_(settings),
      dates_(std::move(dates)) {}

void ContactAnalysis::analyzeContacts() {
    if (sourceCheck_) sourceCheck_();
    const DayTextContext context = dates_();
    const DayText days(context);
    const DayWindow around = days.window("dd/mm", 4);
    const std::string now = clock_.getTime();
    SkippedItems skipped;
    GroupedPosts posts(store_);
    contacts_.forEach([&](const TreeNode* node) {
        const ContactRecord& contact = node->record<ContactRecord>();
        const std::pair<const RecordText*, ContactDay> fields[] = {{&contact.birthday, ContactDay::Birthday},
                                                                   {&contact.nameDay, ContactDay::NameDay},
                                                                   {&contact.specialDay, ContactDay::SpecialDay}};
        for (const auto& [field, day] : fields) {
            if (field->empty()) continue;
            try {
                if (!around.matches(days.dateOfDayText(*field))) continue;
            } catch (const ConversionError& error) {
                skipped.add(error.what(),
                            "contact \"" + contact.official + "\", " + fieldName(day) + " \"" + *field + "\"");
                continue;
            }
            const std::string label = reminderTexts::contactLabel(settings_.language, day);
            notices_.lastNoticeHeader = "[ " + shownDayText(*field, context.dateSeparator) + label + " ] ";
            notices_.lastNoticeText = contact.official;
            clock_.addReminderTask(notices_.lastNoticeHeader + contact.official, now, true, context.today);
            notices_.showNotice(notices_.lastNoticeHeader, notices_.lastNoticeText, false, true);
        }
    });
    // A run of its own is today's contact step of the start of the day, stored with its tasks.
    if (Database* db = store_.database(); db && posts.ownsTransaction())
        DayBook(*db).addSteps(context.today, DayBook::Contacts);
    posts.commit();
    skipped.raise();
}

}  // namespace torvalet
