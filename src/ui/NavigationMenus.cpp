#include "ui/NavigationMenus.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

#include "model/ViewState.h"
#include "navigation/Navigation.h"
#include "platform/UserInterface.h"
#include "ui/ItemTreeView.h"
#include "ui/PrintWithDialog.h"
#include "ui/TreePrinter.h"
#include "ui/TreeViews.h"

namespace torvalet::ui {

NavigationMenus::NavigationMenus(Navigation& navigation, ViewState& view, const ItemTree& contacts, UserInterface& ui,
                                 CommandRunner run, TreeViews& views, QWidget* window)
    : QObject(window),
      navigation_(navigation),
      view_(view),
      contacts_(contacts),
      ui_(ui),
      run_(std::move(run)),
      views_(views),
      window_(window) {}

void NavigationMenus::addMenus(QMenu* goals, QMenu* links, QMenu* contacts) {
    if (goals) addLevels(goals, NavFamily::Goals, "Goals", "Goal");
    if (links) {
        addLevels(links, NavFamily::Links, "Links", "Link");
        addLinkTags(links);
    }
    if (contacts) {
        addLevels(contacts, NavFamily::Contacts, "Contacts", "Contact");
        addContactTags(contacts);
        contacts->addSeparator();
        QAction* print = contacts->addAction(tr("Print Contacts"));
        print->setObjectName(QStringLiteral("PrintContacts_mp"));
        connect(print, &QAction::triggered, this, &NavigationMenus::printContacts);
    }
}

// "Goals Level 1" ... "Goals Level 9", "Show All Goals Levels"; "Expand Node",
// "Collapse Goal Node", "Expand All Goals", "Collapse All Goals"; the contact menu says
// "Contacts Level n" and "Contacts Show All Levels".
void NavigationMenus::addLevels(QMenu* menu, NavFamily family, const char* plural, const char* singular) {
    TreeLevels* levels = &navigation_.levels();
    const QString many = QString::fromLatin1(plural);
    const QString one = QString::fromLatin1(singular);
    std::vector<Entry> levelItems;
    for (int level = 1; level <= 9; ++level) {
        levelItems.push_back({many + QStringLiteral("Level%1").arg(level), tr("%1 Level %2").arg(many).arg(level),
                              [levels, family, level] { levels->showLevelOf(family, level - 1); }});
    }
    const QString showAll =
        family == NavFamily::Contacts ? tr("Contacts Show All Levels") : tr("Show All %1 Levels").arg(many);
    levelItems.push_back(
        {QStringLiteral("ShowAll%1Levels1").arg(many), showAll, [levels, family] { levels->showAllLevelsOf(family); }});
    menu->addSeparator();
    submenu(menu, many + QStringLiteral("ShowLevels1"), tr("%1 Levels").arg(many), levelItems);
    submenu(menu, QStringLiteral("ShowSub") + many + QStringLiteral("1"), tr("Expand / Collapse"),
            {{QStringLiteral("Expand%1Node1").arg(one), tr("Expand Node"),
              [levels, family] { levels->expandNodeOf(family); }},
             {QStringLiteral("Collapse%1Node1").arg(one), tr("Collapse %1 Node").arg(one),
              [levels, family] { levels->collapseNodeOf(family); }},
             {QStringLiteral("ExpandAll") + many + QStringLiteral("1"), tr("Expand All %1").arg(many),
              [levels, family] { levels->expandAllOf(family); }},
             {QStringLiteral("CollapseAll") + many + QStringLiteral("1"), tr("Collapse All %1").arg(many),
              [levels, family] { levels->collapseAllOf(family); }}});
    addFilterItem(menu, family, plural);
}

void NavigationMenus::setFilterLines(QLineEdit* goals, QLineEdit* links, QLineEdit* contacts) {
    goalLine_ = goals;
    linkLine_ = links;
    contactLine_ = contacts;
}

void NavigationMenus::addFilterItem(QMenu* menu, NavFamily family, const char* plural) {
    const int page = family == NavFamily::Goals ? kTasksPage : family == NavFamily::Links ? kLinksPage : kContactsPage;
    QAction* filter = menu->addAction(tr("Filter %1").arg(QString::fromLatin1(plural)));
    filter->setObjectName(QStringLiteral("Filter") + QString::fromLatin1(plural) + QStringLiteral("1"));
    connect(filter, &QAction::triggered, this, [this, page, family] {
        run_([this, page] { view_.activePage = page; });
        QLineEdit* edit = family == NavFamily::Goals   ? goalLine_
                          : family == NavFamily::Links ? linkLine_
                                                       : contactLine_;
        if (edit) {
            edit->setFocus();
            edit->selectAll();
        }
    });
}

void NavigationMenus::addLinkTags(QMenu* menu) {
    LetterTags* tags = &navigation_.tags();
    QMenu* linkTags =
        submenu(menu, QStringLiteral("LinksTags1"), tr("Links Tags"),
                {{QStringLiteral("ShowLinksTags1"), tr("Show Links Tags"), [tags] { tags->showGeneralLinkTags(); }}});
    QMenu* byLetter = submenu(linkTags, QStringLiteral("ShowByLetter2"), tr("Show By Letter"), {});
    addLetters(byLetter, QStringLiteral("Links"),
               [tags](const std::string& letter) { tags->buildLetterLinkTags(letter); });
}

void NavigationMenus::addContactTags(QMenu* menu) {
    LetterTags* tags = &navigation_.tags();
    QMenu* contactTags = submenu(
        menu, QStringLiteral("ContactsTags1"), tr("Contacts Tags"),
        {{QStringLiteral("ShowContactsTags1"), tr("Show General Tags"), [tags] { tags->showGeneralContactTags(); }}});
    QMenu* byLetter = submenu(contactTags, QStringLiteral("ShowByLetter1"), tr("Show Tags By Letter"), {});
    addLetters(byLetter, QStringLiteral("Contacts"),
               [tags](const std::string& letter) { tags->buildLetterContactTags(letter); });
    submenu(contactTags, QStringLiteral("ShowTagsByType1"), tr("Show Tags By Type"),
            {{QStringLiteral("ShowManOnly1"), tr("Show Men"), [tags] { tags->showContactsOfKind(1); }},
             {QStringLiteral("ShowWomen1"), tr("Show Women"), [tags] { tags->showContactsOfKind(2); }},
             {QStringLiteral("ShowCompanies1"), tr("Show Companies"), [tags] { tags->showContactsOfKind(3); }}});
}

void NavigationMenus::addLetters(QMenu* parent, const QString& prefix,
                                 const std::function<void(const std::string&)>& build) {
    for (const auto& [first, last] : {std::pair{'A', 'M'}, std::pair{'N', 'Z'}}) {
        std::vector<Entry> letters;
        for (char letter = first; letter <= last; ++letter) {
            const std::string text(1, letter);
            letters.push_back(
                {prefix + QChar(letter), prefix + QLatin1Char(' ') + QChar(letter), [build, text] { build(text); }});
        }
        submenu(parent, prefix + QChar(first) + QChar(last) + QStringLiteral("1"),
                prefix + QLatin1Char(' ') + QChar(first) + QLatin1Char('-') + QChar(last), letters);
    }
}

QMenu* NavigationMenus::submenu(QMenu* parent, const QString& name, const QString& caption,
                                const std::vector<Entry>& entries) {
    QMenu* sub = parent->addMenu(caption);
    sub->setObjectName(name);
    for (const Entry& entry : entries) {
        QAction* action = sub->addAction(entry.caption);
        action->setObjectName(entry.name);
        const Handler handler = entry.handler;
        connect(action, &QAction::triggered, this, [this, handler] { run_(handler); });
    }
    return sub;
}

void NavigationMenus::printContacts() {
    run_([this] { view_.activePage = kContactsPage; });
    ItemTreeView* contacts = views_.viewOf(contacts_);
    if (!contacts) return;
    printWithDialog(
        window_, tr("Print Contacts"), tr("Contacts"),
        [contacts](QPrinter& printer) { return printTree(*contacts, printer); }, ui_);
}

}  // namespace torvalet::ui
