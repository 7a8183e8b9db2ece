#include "ui/dialogs/ItemDialogs.h"

#include "app/TreePages.h"
#include "ui/dialogs/CalendarPropDialog.h"
#include "ui/dialogs/ContactDialog.h"
#include "ui/dialogs/GoalDialog.h"
#include "ui/dialogs/LinkPropDialog.h"
#include "ui/dialogs/PhraseDialog.h"

namespace torvalet::ui {

namespace {

template <class Dialog>
Dialog* install(FormBase& form, Dialog* dialog) {
    form.show = [dialog] { dialog->run(); };
    QObject::connect(dialog, &QObject::destroyed, [&form] { form.show = nullptr; });
    return dialog;
}

}  // namespace

ItemDialogs installItemDialogs(TreePages& pages, QWidget* parent) {
    ItemDialogs dialogs;
    dialogs.goal = install(pages.goalForm, new GoalDialog(pages.goalForm, parent));
    dialogs.link = install(pages.linkForm, new LinkPropDialog(pages.linkForm, parent));
    dialogs.contact = install(pages.contactForm, new ContactDialog(pages.contactForm, parent));
    dialogs.contact->mailContacts = [&pages] { pages.open.mailSelectedContacts(); };
    dialogs.contact->browseContacts = [&pages] { pages.open.visitContactSites(); };
    dialogs.phrase = install(pages.phraseForm, new PhraseDialog(pages.phraseForm, parent));
    dialogs.calendar = install(pages.calendarForm, new CalendarPropDialog(pages.calendarForm, parent));
    return dialogs;
}

}  // namespace torvalet::ui
