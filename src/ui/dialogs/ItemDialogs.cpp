#include "ui/dialogs/ItemDialogs.h"

#include "app/TreePages.h"
#include "ui/dialogs/CalendarPropDialog.h"
#include "ui/dialogs/ContactDialog.h"
#include "ui/dialogs/GoalDialog.h"
#include "ui/dialogs/LinkPropDialog.h"
#include "ui/dialogs/PhraseDialog.h"

namespace torvalet::ui {

bool ItemDialogs::run(const FormBase& form) const {
    for (const auto& [of, dialog] : byForm) {
        if (of != &form) continue;
        if (!dialog) return false;
        dialog->run();
        return true;
    }
    return false;
}

ItemDialogs createItemDialogs(TreePages& pages, QWidget* parent) {
    ItemDialogs dialogs;
    dialogs.goal = new GoalDialog(pages.goalForm, parent);
    dialogs.link = new LinkPropDialog(pages.linkForm, parent);
    dialogs.contact = new ContactDialog(pages.contactForm, parent);
    dialogs.contact->mailContacts = [&pages] { pages.open.mailSelectedContacts(); };
    dialogs.contact->browseContacts = [&pages] { pages.open.visitContactSites(); };
    dialogs.phrase = new PhraseDialog(pages.phraseForm, parent);
    dialogs.calendar = new CalendarPropDialog(pages.calendarForm, parent);
    dialogs.byForm = {{&pages.goalForm, dialogs.goal},
                      {&pages.linkForm, dialogs.link},
                      {&pages.contactForm, dialogs.contact},
                      {&pages.phraseForm, dialogs.phrase},
                      {&pages.calendarForm, dialogs.calendar}};
    return dialogs;
}

}  // namespace torvalet::ui
