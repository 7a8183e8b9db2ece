#include "reminders/ReminderTexts.h"

#include "model/Language.h"

namespace torvalet::reminderTexts {

std::string phase(int language, bool starts) {
    if (Language(language).takesRussianMessages()) return starts ? " Время начать задачу" : " Время закончить задачу";
    return starts ? " Start todo" : " Finish todo";
}

std::string hourPassed(int language) {
    return Language(language).takesRussianMessages() ? "Внимание! Начинается новый час!"
                                                     : "Attention! Yet another hour passed!";
}

std::string contactLabel(int language, ContactDay day) {
    static const char* const english[] = {" - BirthDay", " - NameDay", " - Special Day"};
    static const char* const russianLabels[] = {" - День Рождения", " - Именины", " - СпецДень"};
    const auto index = static_cast<int>(day);
    if (language == 0) return english[index];
    if (Language(language).takesRussianMessages()) return russianLabels[index];
    return {};
}

}  // namespace torvalet::reminderTexts
