#include "model/Messages.h"

#include <stdexcept>

namespace torvalet {

namespace {

using enum MessageId;

// Russian and Macedonian mostly take the Russian text, English and Hellenic the English one; the
// rows where that is not so are the ones to read twice.
// clang-format off
constexpr MessageRow rows[] = {
    {NoSelectedNodes,
     "There are no selected nodes!",
     "Не выбраны узлы дерева!",
     "Не выбраны узлы дерева!",
     "There are no selected nodes!"},
    // Russian only: Macedonian asks in English.
    {ClearMessagePadQuestion,
     "Are you sure to clear MessagePad?",
     "Вы действительно хотите очистить MessagePad?",
     "Are you sure to clear MessagePad?",
     "Are you sure to clear MessagePad?"},
    // Russian only, and with two spaces after "Удалить".
    {DeleteDayTasksQuestion,
     "Are you sure to delete %1 day tasks?",
     "Удалить  задачи за %1?",
     "Are you sure to delete %1 day tasks?",
     "Are you sure to delete %1 day tasks?"},
    {DeleteDoneDayTasksQuestion,
     "Are you sure to delete %1 day tasks?",
     "Удалить задачи за %1?",
     "Удалить задачи за %1?",
     "Are you sure to delete %1 day tasks?"},
    {DeleteDayRemindersQuestion,
     "Are you sure to delete %1 day tasks?",
     "Вы действительно хотите удалить  задачи за %1?",
     "Вы действительно хотите удалить  задачи за %1?",
     "Are you sure to delete %1 day tasks?"},
    {DeleteDoneBeforeQuestion,
     "Are you sure to delete tasks before %1?",
     "Удалить выполненные задачи перед %1?",
     "Удалить выполненные задачи перед %1?",
     "Are you sure to delete tasks before %1?"},
    // Russian only: Macedonian asks in English.
    {DeleteDoneTasksQuestion,
     "Are you sure to delete done tasks?",
     "Вы действительно хотите удалить выполненные задачи?",
     "Are you sure to delete done tasks?",
     "Are you sure to delete done tasks?"},
    {TaskStarts, " Start todo", " Время начать задачу", " Время начать задачу", " Start todo"},
    {TaskEnds, " Finish todo", " Время закончить задачу", " Время закончить задачу", " Finish todo"},
    {HourPassed,
     "Attention! Yet another hour passed!",
     "Внимание! Начинается новый час!",
     "Внимание! Начинается новый час!",
     "Attention! Yet another hour passed!"},
    // The contact days and the day names have no Hellenic text: Hellenic shows none.
    {BirthdayLabel, " - BirthDay", " - День Рождения", " - День Рождения", ""},
    {NameDayLabel, " - NameDay", " - Именины", " - Именины", ""},
    {SpecialDayLabel, " - Special Day", " - СпецДень", " - СпецДень", ""},
    {Sunday, "Su", "Вс", "Вс", ""},
    {Monday, "Mo", "Пн", "Пн", ""},
    {Tuesday, "Tu", "Вт", "Вт", ""},
    {Wednesday, "We", "Ср", "Ср", ""},
    {Thursday, "Th", "Чт", "Чт", ""},
    {Friday, "Fr", "Пт", "Пт", ""},
    {Saturday, "Sa", "Сб", "Сб", ""},
    {HotKeysUnavailable,
     "System-wide hot keys are not available on this desktop (they need X11): the hot keys of links, "
     "contacts and phrases do not work in this session.",
     "Глобальные горячие клавиши на этом рабочем столе недоступны (нужен X11): горячие клавиши ссылок, "
     "контактов и фраз в этом сеансе не работают.",
     "Глобальные горячие клавиши на этом рабочем столе недоступны (нужен X11): горячие клавиши ссылок, "
     "контактов и фраз в этом сеансе не работают.",
     "System-wide hot keys are not available on this desktop (they need X11): the hot keys of links, "
     "contacts and phrases do not work in this session."},
    {TreeFileKept,
     "%1 could not be read and is kept as it is; changes here are not saved.",
     "Файл %1 не удалось прочитать, он оставлен как есть; изменения здесь не сохраняются.",
     "Файл %1 не удалось прочитать, он оставлен как есть; изменения здесь не сохраняются.",
     "%1 could not be read and is kept as it is; changes here are not saved."},
    {CodePageUnknown,
     "torvalet.ini: CodePage: %1; UTF-8 is used.",
     "torvalet.ini: CodePage: %1; используется UTF-8.",
     "torvalet.ini: CodePage: %1; используется UTF-8.",
     "torvalet.ini: CodePage: %1; UTF-8 is used."},
    {LaunchDateInvalid,
     "torvalet.ini: lastLaunchDate \"%1\" is not a valid date and is ignored.",
     "torvalet.ini: lastLaunchDate \"%1\" — неверная дата, значение пропущено.",
     "torvalet.ini: lastLaunchDate \"%1\" — неверная дата, значение пропущено.",
     "torvalet.ini: lastLaunchDate \"%1\" is not a valid date and is ignored."},
    // Said by the desktop, in the desktop's language: only English and Russian are asked for.
    {CouldNotOpen,
     "Could not open \"%1\".",
     "Не удалось открыть \"%1\".",
     "Не удалось открыть \"%1\".",
     "Could not open \"%1\"."},
    // The catch-up of reminders missed while the computer slept or the program was closed.
    {RangLate,
     " (late %1 min)",
     " (опоздание %1 мин)",
     " (опоздание %1 мин)",
     " (late %1 min)"},
    {MoreRangLate,
     "%1 more reminders rang late (see the message pad)",
     "Ещё напоминаний с опозданием: %1 (см. блокнот сообщений)",
     "Ещё напоминаний с опозданием: %1 (см. блокнот сообщений)",
     "%1 more reminders rang late (see the message pad)"},
    {OneReminderMissed,
     "1 reminder was missed while the computer was off",
     "Пропущено напоминаний, пока компьютер был выключен: 1",
     "Пропущено напоминаний, пока компьютер был выключен: 1",
     "1 reminder was missed while the computer was off"},
    {RemindersMissed,
     "%1 reminders were missed while the computer was off",
     "Пропущено напоминаний, пока компьютер был выключен: %1",
     "Пропущено напоминаний, пока компьютер был выключен: %1",
     "%1 reminders were missed while the computer was off"},
    // Putting a reminder off, and the reminder when it rings again.
    {SnoozedMark,
     " (snoozed)",
     " (отложено)",
     " (отложено)",
     " (snoozed)"},
    {SnoozeFiveMinutes,
     "Snooze 5 min",
     "Отложить на 5 мин",
     "Отложить на 5 мин",
     "Snooze 5 min"},
    {SnoozeQuarterHour,
     "Snooze 15 min",
     "Отложить на 15 мин",
     "Отложить на 15 мин",
     "Snooze 15 min"},
    {SnoozeOneHour,
     "Snooze 1 hour",
     "Отложить на 1 час",
     "Отложить на 1 час",
     "Snooze 1 hour"},
    {DismissReminder,
     "Dismiss",
     "Закрыть",
     "Закрыть",
     "Dismiss"},
};
// clang-format on

constexpr bool inIdOrder() {
    for (std::size_t i = 0; i < std::size(rows); ++i)
        if (static_cast<std::size_t>(rows[i].id) != i) return false;
    return true;
}
static_assert(std::size(rows) == messageCount && inIdOrder(),
              "the message table holds every id once, in the order of MessageId");

}  // namespace

std::span<const MessageRow> messageTable() { return rows; }

std::string_view message(MessageId id, Language language) {
    const auto index = static_cast<std::size_t>(id);
    if (index >= std::size(rows)) throw std::out_of_range("message: unknown id");
    const MessageRow& row = rows[index];
    switch (language.index()) {
    case Language::english.index(): return row.english;
    case Language::russian.index(): return row.russian;
    case Language::macedonian.index(): return row.macedonian;
    case Language::hellenic.index(): return row.hellenic;
    }
    // An index that names no language shows what Hellenic shows.
    return row.hellenic;
}

std::string message(MessageId id, Language language, std::string_view argument) {
    std::string text(message(id, language));
    const std::size_t place = text.find("%1");
    if (place != std::string::npos) text.replace(place, 2, argument);
    return text;
}

}  // namespace torvalet
