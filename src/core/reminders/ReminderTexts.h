#pragma once

#include <string>

namespace torvalet {

// The texts the reminder clock and the day analyses compose, by the language setting: 1 and 2
// take the Russian texts, every other value the English ones (the contact labels excepted).
namespace reminderTexts {

// " Start todo" or " Finish todo" (each begins with a blank).
std::string phase(int language, bool starts);
// The text of the hourly announcement.
std::string hourPassed(int language);

// What a reminder that rings after its minute adds to its header: " (late 25 min)".
std::string late(int language, int minutes);
// The balloon that sums up the late reminders beyond the balloons shown.
std::string moreLate(int language, int count);
// The notice above the reminders too late to ring: "3 reminders were missed while the
// computer was off".
std::string missed(int language, int count);

// What a reminder that rings again after a snooze adds to its header: " (snoozed)".
std::string snoozed(int language);
// The minutes a reminder can be put off by, and the choice that does it: "Snooze 15 min".
inline constexpr int snoozeMinutes[] = {5, 15, 60};
std::string snooze(int language, int minutes);
// The choice that closes a reminder's notification: "Dismiss".
std::string dismiss(int language);

enum class ContactDay { Birthday, NameDay, SpecialDay };
// " - BirthDay", " - NameDay", " - Special Day" in English; empty for languages other than
// English and Russian.
std::string contactLabel(int language, ContactDay day);

}  // namespace reminderTexts

}  // namespace torvalet
