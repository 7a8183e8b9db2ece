#pragma once

#include <QObject>

#include <functional>
#include <vector>

#include "navigation/FilterBars.h"
#include "ui/ItemTreeView.h"

class QLineEdit;
class QMenu;

namespace torvalet {
class ItemTree;
class Navigation;
class UserInterface;
struct ViewState;
}  // namespace torvalet

namespace torvalet::ui {

class TreeViews;

// The navigation commands in the menus Goals, Links and Contacts: the level and the expand
// submenus, the letter tags of links and contacts, and "Print Contacts". Every action carries
// its component name as its object name and runs through the window's command runner.
class NavigationMenus : public QObject {
    Q_OBJECT
public:
    // The commands of `navigation`; "Print Contacts" prints `contacts` as its view shows it.
    NavigationMenus(Navigation& navigation, ViewState& view, const ItemTree& contacts, UserInterface& ui,
                    CommandRunner run, TreeViews& views, QWidget* window);

    // Adds the items to the Goals, Links and Contacts menus; a missing one gets none.
    void addMenus(QMenu* goals, QMenu* links, QMenu* contacts);
    // The filter lines that "Filter Goals", "Filter Links" and "Filter Contacts" put the
    // keyboard in; until they are given, those items only show the page.
    void setFilterLines(QLineEdit* goals, QLineEdit* links, QLineEdit* contacts);
    // "Print Contacts": the Contacts page, then the print dialog (a printer or a PDF file).
    void printContacts();

private:
    using Handler = std::function<void()>;
    struct Entry {
        QString name;
        QString caption;
        Handler handler;
    };

    void addLevels(QMenu* menu, NavFamily family, const char* plural, const char* singular);
    // "Filter Goals", "Filter Links", "Filter Contacts": the page, with the keyboard in its filter line.
    void addFilterItem(QMenu* menu, NavFamily family, const char* plural);
    void addLinkTags(QMenu* menu);
    void addContactTags(QMenu* menu);
    QMenu* submenu(QMenu* parent, const QString& name, const QString& caption, const std::vector<Entry>& entries);
    // "<Prefix> A-M" and "<Prefix> N-Z", each with one item per letter.
    void addLetters(QMenu* parent, const QString& prefix, const std::function<void(const std::string&)>& build);

    Navigation& navigation_;
    ViewState& view_;
    const ItemTree& contacts_;
    UserInterface& ui_;
    CommandRunner run_;
    TreeViews& views_;
    QWidget* window_;
    QLineEdit* goalLine_ = nullptr;
    QLineEdit* linkLine_ = nullptr;
    QLineEdit* contactLine_ = nullptr;
};

}  // namespace torvalet::ui
