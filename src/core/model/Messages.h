#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "model/Language.h"

namespace torvalet {

// The program's own messages: the texts it shows that no language file gives. Each has one row
// in the message table (Messages.cpp) with its text for every language, so what each language
// shows, and where two languages differ, is read in one place.
enum class MessageId {
    NoSelectedNodes,
    ClearMessagePadQuestion,
    DeleteDayTasksQuestion,
    DeleteDoneDayTasksQuestion,
    DeleteDayRemindersQuestion,
    DeleteDoneBeforeQuestion,
    DeleteDoneTasksQuestion,
    TaskStarts,
    TaskEnds,
    HourPassed,
    BirthdayLabel,
    NameDayLabel,
    SpecialDayLabel,
    Sunday,
    Monday,
    Tuesday,
    Wednesday,
    Thursday,
    Friday,
    Saturday,
    HotKeysUnavailable,
    TreeFileKept,
    CodePageUnknown,
    LaunchDateInvalid,
    CouldNotOpen,
    RangLate,
    MoreRangLate,
    OneReminderMissed,
    RemindersMissed,
    SnoozedMark,
    SnoozeFiveMinutes,
    SnoozeQuarterHour,
    SnoozeOneHour,
    DismissReminder,
};

// The number of ids: one more than the last.
inline constexpr std::size_t messageCount = static_cast<std::size_t>(MessageId::DismissReminder) + 1;

// One row of the message table. A text may hold "%1", where message() puts its argument.
struct MessageRow {
    MessageId id;
    const char* english;
    const char* russian;
    const char* macedonian;
    const char* hellenic;
};

// Every row, in the order of MessageId.
std::span<const MessageRow> messageTable();

// The text of a message in a language. An index that names no language (a file written by a
// later version) shows what Hellenic shows: the texts that are not Russian.
std::string_view message(MessageId id, Language language);

// The same with "%1" replaced by the argument, which is taken as it is.
std::string message(MessageId id, Language language, std::string_view argument);

}  // namespace torvalet
