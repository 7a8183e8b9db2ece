#include "ui/OpenActions.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

#include "trees/ItemTreeSet.h"
#include "trees/OpenCommands.h"
#include "trees/TreeTable.h"
#include "ui/ItemTreeView.h"
#include "ui/MainWindow.h"

namespace torvalet::ui {

OpenActions::OpenActions(OpenCommands& open, const ItemTreeSet& trees, const std::string& textboard, MainWindow& window,
                         const Places& places)
    : QObject(&window), open_(open), trees_(trees), textboard_(textboard), window_(window), places_(places) {
    addMenuItems();
    addHiddenItems();
    addExecuteButtons();
    connectLinkDoubleClicks();
}

QAction* OpenActions::addTo(QWidget* menuOrWindow, const char* name, const char* caption, Handler handler) {
    auto* action = new QAction(QString::fromLatin1(caption), menuOrWindow);
    action->setObjectName(QString::fromLatin1(name));
    menuOrWindow->addAction(action);
    connect(action, &QAction::triggered, this, [this, handler] { window_.runCommand(handler); });
    return action;
}

void OpenActions::addMenuItems() {
    OpenCommands* open = &open_;
    if (QMenu* links = places_.links) {
        links->addSeparator();
        addTo(links, "OpenLink_mp", "Open Link", [open] { open->openLinks(); });
    }
    if (QMenu* contacts = places_.contacts) {
        contacts->addSeparator();
        addTo(contacts, "EmailToContacts_mp", "Email To Contact/s", [open] { open->emailToContacts(); });
        addTo(contacts, "ExploreContacts_mp", "Visit Contacts Web Sites", [open] { open->exploreContacts(); });
    }
    if (QMenu* phrases = places_.phrases)
        addTo(phrases, "GenerateEmailFromPhrases_mp", "Generate Email From Phrases",
              [open] { open->generateEmailFromPhrases(); });
    const std::string* text = &textboard_;
    if (QMenu* textboard = places_.textboard)
        addTo(textboard, "GenerateEmailFromTextboard_mp", "Generate Email From Textboard",
              [open, text] { open->generateEmailFromTextboard(*text); });
}

void OpenActions::addHiddenItems() {
    OpenCommands* open = &open_;
    addTo(&window_, "OpenLinkInInternalBrowser_mp", "Open Link In Internal Browser",
          [open] { open->openLinkInInternalBrowser(); });
    addTo(&window_, "GoogleSearch1", "Google Search", [open] { open->openSearchPage(); });
    addTo(&window_, "InternetExplorer1", "Internet Explorer", [open] { open->openBrowser(); });
    addTo(&window_, "WindowsExplorer1", "Windows Explorer", [open] { open->openFileManager(); });
}

void OpenActions::addExecuteButtons() {
    OpenCommands* open = &open_;
    if (QToolBar* links = places_.linkTools)
        addTo(links, "SpeedButton9", "Execute Item(s)", [open] { open->openSelectedLinks(); });
    if (QToolBar* contacts = places_.contactTools)
        addTo(contacts, "ContactsRunBtn", "Execute Item(s)", [open] { open->executeContact(); });
}

void OpenActions::connectLinkDoubleClicks() {
    OpenCommands* open = &open_;
    for (const TreeInfo& info : treeTable()) {
        if (info.family != RecordFamily::Links) continue;
        const ItemTree* tree = &trees_.get(info.id);
        if (ItemTreeView* view = window_.viewOf(*tree))
            connect(view, &QTreeView::doubleClicked, this,
                    [this, open, tree] { window_.runCommand([open, tree] { open->openOnDoubleClick(*tree); }); });
    }
}

}  // namespace torvalet::ui
