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
        {"GoalForm", "ComboBox1", pages.goalForm.kind},     {"GoalForm", "ComboBox2", pages.goalForm.state},
        {"GoalForm", "ComboBox3", pages.goalForm.priority}, {"ContactForm", "ComboBox1", pages.contactForm.kind},
        {"PhraseForm", "ComboBox1", pages.phraseForm.kind}, {"CalendarPropForm", "ComboBox1", pages.calendarForm.kind},
        {"LinkPropForm", "ComboBox1", pages.linkForm.kind},
    };
    for (const auto& list : lists) list.target.setItems(table.list(list.dialog, list.list));
}

}  // namespace torvalet
