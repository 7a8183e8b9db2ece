#include "reminders/ReminderTexts.h"

#include "model/Messages.h"

namespace torvalet::reminderTexts {

std::string phase(int language, bool starts) {
    return std::string(message(starts ? MessageId::TaskStarts : MessageId::TaskEnds, Language(language)));
}

std::string hourPassed(int language) { return std::string(message(MessageId::HourPassed, Language(language))); }

std::string contactLabel(int language, ContactDay day) {
    static constexpr MessageId labels[] = {MessageId::BirthdayLabel, MessageId::NameDayLabel,
                                           MessageId::SpecialDayLabel};
    return std::string(message(labels[static_cast<int>(day)], Language(language)));
}

}  // namespace torvalet::reminderTexts
