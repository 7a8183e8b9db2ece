#pragma once

#include <QObject>

#include <functional>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QSystemTrayIcon;
class QWidget;

namespace torvalet {
class HelpCommands;
class ViewCommands;
struct Services;
struct ViewState;
}  // namespace torvalet

namespace torvalet::ui {

class MainWindow;
struct WindowMenus;

// The view commands in the window: the page items and "MessagePad" of the View menu, the tips in
// the Help menu and on the tip line, the hint line, the Textboard menu, the tray icon's hide and
// show and its menu, Esc, and the mouse wheel rule (one row of the focused grid or tree per notch).
class ViewActions : public QObject {
    Q_OBJECT
public:
    struct Widgets {
        QWidget* tipPanel;
        QLabel* tipLine;
        QLabel* hintLine;
        QWidget* bottomPanel;
        QPlainTextEdit* textboard;
        QSystemTrayIcon* tray;
    };

    // The page items go into the window's View menu; the Textboard, Service and Help menus are
    // made here.
    ViewActions(ViewCommands& commands, HelpCommands& help, ViewState& view, const Services& services,
                MainWindow& window, const WindowMenus& menus, const Widgets& widgets);
    ~ViewActions() override;

    // "Textboard", for the other commands on the textboard.
    QMenu* textboardMenu() const { return textboardMenu_; }

    // The check marks, the tip line and the bottom panel as the view state has them.
    void showState();
    // The window hidden into the tray or shown from it, as the view state has it.
    void showTrayState();
    // The window was minimised: into the tray when there is one.
    void minimised();
    // A hint under the mouse, for the hint line.
    void showHint(const QString& hint);
    // "Textboard" > "Print...": the textboard to a printer (or a PDF file), titled "Textboard".
    void printTextboard();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Handler = std::function<void()>;
    QAction* add(QWidget* menuOrWindow, const char* name, const QString& caption, const Handler& handler);
    QMenu* addMenu(const char* name, const QString& caption);
    void addViewItems(QMenu* view);
    void addServiceItems();
    void addHelpItems();
    void addTextboardItems();
    void addHiddenItems();
    void addTrayMenu();
    // The command, then the view state shown.
    void run(const Handler& command);
    bool trayAvailable() const;
    bool wheel(QEvent* event);

    ViewCommands& commands_;
    HelpCommands& help_;
    ViewState& view_;
    const Services& services_;
    MainWindow& window_;
    Widgets widgets_;
    QMenu* textboardMenu_ = nullptr;
    // The check items that show the view state.
    QAction* messagePadItem_ = nullptr;
    QAction* rightPanelWideItem_ = nullptr;
    QAction* autoplayTipsItem_ = nullptr;
};

}  // namespace torvalet::ui
