#pragma once

#include <QObject>

#include <functional>
#include <string>

class QAction;
class QMenu;
class QToolBar;
class QWidget;

namespace torvalet {
class ItemTreeSet;
class OpenCommands;
}  // namespace torvalet

namespace torvalet::ui {

class MainWindow;

// The window's commands that hand links, mail and the desktop to the shell: "Open Link",
// "Email To Contact/s", "Visit Contacts Web Sites" and "Generate Email From Phrases" in the page
// menus, "Generate Email From Textboard" in the "Textboard" menu, the "Execute Item(s)" buttons
// of the link and contact pages, a double click on a link, and the hidden commands that only
// their keys reach: "Google Search", "Internet Explorer", "Windows Explorer" and "Open Link In
// Internal Browser".
class OpenActions : public QObject {
    Q_OBJECT
public:
    // The menus and tool bars the commands go into; a missing one gets none of them.
    struct Places {
        QMenu* links = nullptr;
        QMenu* contacts = nullptr;
        QMenu* phrases = nullptr;
        QMenu* textboard = nullptr;
        QToolBar* linkTools = nullptr;
        QToolBar* contactTools = nullptr;
    };

    // The commands of `open`; the link trees' views double-click, the textboard's text is mailed.
    OpenActions(OpenCommands& open, const ItemTreeSet& trees, const std::string& textboard, MainWindow& window,
                const Places& places);

private:
    using Handler = std::function<void()>;

    QAction* addTo(QWidget* menuOrWindow, const char* name, const char* caption, Handler handler);
    void addMenuItems();
    void addHiddenItems();
    void addExecuteButtons();
    void connectLinkDoubleClicks();

    OpenCommands& open_;
    const ItemTreeSet& trees_;
    const std::string& textboard_;
    MainWindow& window_;
    Places places_;
};

}  // namespace torvalet::ui
