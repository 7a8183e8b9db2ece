#pragma once

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace torvalet {
class Organizer;
}

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
    OpenActions(Organizer& organizer, MainWindow& window);

private:
    using Handler = std::function<void()>;

    QAction* addTo(QWidget* menuOrWindow, const char* name, const char* caption, Handler handler);
    QMenu* menuNamed(const char* name) const;
    void addMenuItems();
    void addHiddenItems();
    void addExecuteButtons();
    void connectLinkDoubleClicks();

    Organizer& organizer_;
    MainWindow& window_;
};

}  // namespace torvalet::ui
