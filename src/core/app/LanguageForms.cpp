#include "app/LanguageForms.h"

#include "app/LanguageFile.h"
#include "app/TreePages.h"

namespace torvalet {

void applyLanguageLists(const LanguageTable& table, TreePages& pages) {
    const struct {
        const char* dialog;
        const char* list;
        FormList& target;
    } lists[] = {
        {"GoalForm", "ComboBox1", pages.goalForm.ComboBox1},
        {"GoalForm", "ComboBox2", pages.goalForm.ComboBox2},
        {"GoalForm", "ComboBox3", pages.goalForm.ComboBox3},
        {"ContactForm", "ComboBox1", pages.contactForm.ComboBox1},
        {"PhraseForm", "ComboBox1", pages.phraseForm.ComboBox1},
        {"CalendarPropForm", "ComboBox1", pages.calendarForm.ComboBox1},
        {"LinkPropForm", "ComboBox1", pages.linkForm.ComboBox1},
    };
    for (const auto& list : lists) list.target.setItems(table.list(list.dialog, list.list));
}

}  // namespace torvalet
