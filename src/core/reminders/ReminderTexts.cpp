#include "reminders/ReminderTexts.h"

#include "model/Messages.h"

namespace torvalet::reminderTexts {

std::string phase(int language, bool starts) {
    return std::string(message(starts ? MessageId::TaskStarts : MessageId::TaskEnds, Language(language)));
}

std::string hourPassed(int language) { return std::string(message(MessageId::HourPassed, Language(language))); }

std::string late(int language, int minutes) {
    return message(MessageId::RangLate, Language(language), std::to_string(minutes));
}

std::string moreLate(int language, int count) {
    return message(MessageId::MoreRangLate, Language(language), std::to_string(count));
}

std::string missed(int language, int count) {
    if (count == 1) return std::string(message(MessageId::OneReminderMissed, Language(language)));
    return message(MessageId::RemindersMissed, Language(language), std::to_string(count));
}

std::string snoozed(int language) { return std::string(message(MessageId::SnoozedMark, Language(language))); }

std::string snooze(int language, int minutes) {
    const MessageId id = minutes == 5    ? MessageId::SnoozeFiveMinutes
                         : minutes == 15 ? MessageId::SnoozeQuarterHour
                                         : MessageId::SnoozeOneHour;
    return std::string(message(id, Language(language)));
}

std::string dismiss(int language) { return std::string(message(MessageId::DismissReminder, Language(language))); }

std::string contactLabel(int language, ContactDay day) {
    static constexpr MessageId labels[] = {MessageId::BirthdayLabel, MessageId::NameDayLabel,
                                           MessageId::SpecialDayLabel};
    return std::string(message(labels[static_cast<int>(day)], Language(language)));
}

}  // namespace torvalet::reminderTexts
