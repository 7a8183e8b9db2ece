#include "reminders/ReminderTexts.h"

namespace torvalet::reminderTexts {

namespace {

bool russian(int language) { return language == 1 || language == 2; }

}  // namespace

std::string phase(int language, bool starts) {
    if (russian(language)) return starts ? " Время начать задачу" : " Время закончить задачу";
    return starts ? " Start todo" : " Finish todo";
}

std::string hourPassed(int language) {
    return russian(language) ? "Внимание! Начинается новый час!" : "Attention! Yet another hour passed!";
}

std::string late(int language, int minutes) {
    const std::string count = std::to_string(minutes);
    return russian(language) ? " (опоздание " + count + " мин)" : " (late " + count + " min)";
}

std::string moreLate(int language, int count) {
    const std::string n = std::to_string(count);
    if (russian(language)) return "Ещё напоминаний с опозданием: " + n + " (см. блокнот сообщений)";
    return n + " more reminders rang late (see the message pad)";
}

std::string missed(int language, int count) {
    const std::string n = std::to_string(count);
    if (russian(language)) return "Пропущено напоминаний, пока компьютер был выключен: " + n;
    return n + (count == 1 ? " reminder was" : " reminders were") + " missed while the computer was off";
}

std::string contactLabel(int language, ContactDay day) {
    static const char* const english[] = {" - BirthDay", " - NameDay", " - Special Day"};
    static const char* const russianLabels[] = {" - День Рождения", " - Именины", " - СпецДень"};
    const auto index = static_cast<int>(day);
    if (language == 0) return english[index];
    if (russian(language)) return russianLabels[index];
    return {};
}

}  // namespace torvalet::reminderTexts
