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

std::string contactLabel(int language, ContactDay day) {
    static const char* const english[] = {" - BirthDay", " - NameDay", " - Special Day"};
    static const char* const russianLabels[] = {" - День Рождения", " - Именины", " - СпецДень"};
    const auto index = static_cast<int>(day);
    if (language == 0) return english[index];
    if (russian(language)) return russianLabels[index];
    return {};
}

}  // namespace torvalet::reminderTexts
