#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>

#include "app/OrganizerObserver.h"
#include "app/ViewCommands.h"
#include "trees/TreeId.h"
#include "ui/TreeViews.h"
#include "ui/WindowMenus.h"
#include "ui/dialogs/ItemDialogs.h"

class QAction;
class QCalendarWidget;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class QTabWidget;
class QToolBar;

namespace torvalet {
class ItemTreeSet;
class Navigation;
class Organizer;
class TreePages;
struct Services;
struct Settings;
struct Tasks;
struct ViewState;
}  // namespace torvalet

namespace torvalet::ui {

class FilterBarWidget;
class ItemTreeView;
class LanguageCaptions;
class NavigationMenus;
class ReminderView;
class TaskGrid;
class TaskPage;
class TaskTableModel;
class TreeMenus;
class TreePane;
class ViewActions;

// The main window: five pages over the message pad and the month calendar. It shows the
// organiser's state and calls its commands; closing it runs the close sequence once. It is the
// organiser's observer from its construction to its destruction.
class MainWindow : public QMainWindow, public OrganizerObserver {
    Q_OBJECT
public:
    explicit MainWindow(Organizer& organizer, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The item properties dialogs, which the tree commands then open; without them no dialog
    // opens.
    const ItemDialogs& installItemDialogs();

    // Shows what start-up left in the organiser: message pad, textboard, colours, calendar.
    void showOrganizerState();
    void refreshMessagePad();
    TaskTableModel* taskModel() const { return taskModel_; }
    TaskGrid* taskGrid() const { return grid_; }
    TaskPage* taskPage() const { return taskPage_; }
    ReminderView* reminderView() const { return reminderView_; }
    // The view of a tree, or nullptr.
    ItemTreeView* viewOf(const ItemTree& tree) const { return treeViews_.viewOf(tree); }
    // The goal panel's width buttons ("<<", ">>", ">>>") on the screen's width.
    void setGoalPanelWidth(PaneWidth width);
    // The width those buttons go by instead of the screen's (0: the screen's).
    void assumeScreenWidth(int pixels) { screenWidth_ = pixels; }

    // Runs a command of the core: an error it throws is shown in a message box (the command
    // stops where it was), and the pages then show the view state the command left.
    void runCommand(const std::function<void()>& command);
    // The pages and tabs as the view state has them, without running the page change handler.
    void showViewState();
    // The title says from now on that nothing is saved.
    void markReadOnly();
    const LanguageCaptions& captions() const { return *captions_; }

    // --- What the organiser tells the window ---
    void treeChanged(ItemTree& tree) override;
    void nodeChanged(TreeNode& node) override;
    void editItem(FormBase& form) override;
    void focusTree(ItemTree& tree) override { treeViews_.focusTree(tree); }
    void scrollToCentre(ItemTree& tree, const TreeNode& node) override { treeViews_.scrollToCentre(tree, node); }
    void monthCalendarChanged() override { showCalendarSelection(); }
    void focusTaskGrid() override;
    bool goalTreeHasFocus() const override;
    void showTimeMenu() override;
    void noticeShown(const Notice& notice) override;
    void languageChanged() override { showLanguage(); }
    void captionsChanged(const LanguageTable& table) override;
    void minuteChanged() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void addStartWithSession(QMenu* options);
    ItemTreeView* treeView(TreeId id);
    TreePane* treePane(TreeId id);
    void addTreeTabs(QTabWidget* tabs, Page page);
    QWidget* withToolBar(Page page, QWidget* content);
    QWidget* buildGoalPanel();
    void goalTabChanged(int tab);
    void showLanguage();
    void showTitle();
    void fitGoalEditLine(int panelWidth);
    void pageChanged(int page);
    QWidget* buildTasksPage();
    QWidget* buildLinksPage();
    QWidget* buildContactsPage();
    QWidget* buildBlocknotePage();
    QWidget* buildCalendarPage();
    QWidget* buildBottomPanel();
    void showCalendarSelection();
    void applyColors();
    void applyFont();

    // The organiser for its own sequences, and the parts the window hands to its pieces.
    Organizer& organizer_;
    Tasks& tasks_;
    ItemTreeSet& trees_;
    TreePages& treePages_;
    Navigation& navigation_;
    ViewState& view_;
    const Settings& settings_;
    const Services& services_;
    TaskPage* taskPage_ = nullptr;
    TaskTableModel* taskModel_ = nullptr;
    QTabWidget* pages_ = nullptr;
    QTabWidget* goalPages_ = nullptr;
    QTabWidget* linkPages_ = nullptr;
    QSplitter* tasksSplitter_ = nullptr;
    QWidget* goalsPanel_ = nullptr;
    FilterBarWidget* goalBar_ = nullptr;
    FilterBarWidget* linkBar_ = nullptr;
    FilterBarWidget* contactBar_ = nullptr;
    TreeMenus* treeMenus_ = nullptr;
    NavigationMenus* navigationMenus_ = nullptr;
    WindowMenus menus_;
    // English, Russian, Macedonian, Hellenic in the Language menu.
    QAction* languageItems_[4] = {};
    QToolBar* linkTools_ = nullptr;
    QToolBar* contactTools_ = nullptr;
    TreeViews treeViews_;
    bool firstShown_ = false;
    int screenWidth_ = 0;
    ItemDialogs dialogs_;
    TaskGrid* grid_ = nullptr;
    QPlainTextEdit* messagePad_ = nullptr;
    QPlainTextEdit* textboard_ = nullptr;
    QCalendarWidget* calendar_ = nullptr;
    QWidget* bottomPanel_ = nullptr;
    ReminderView* reminderView_ = nullptr;
    ViewActions* viewActions_ = nullptr;
    std::unique_ptr<LanguageCaptions> captions_;
    // The title a language file gives, and the read-only note after it.
    QString caption_;
    bool readOnly_ = false;
    bool closed_ = false;
};

}  // namespace torvalet::ui
