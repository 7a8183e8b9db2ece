// The item pages of the main window: the goal panel beside the task list, the Links,
// Contacts, Blocknote and Calendar pages, each tree with its tool bar, filter bar, small
// buttons and letter tags.

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/Organizer.h"
#include "trees/GoalLook.h"
#include "trees/TreeTable.h"
#include "ui/FilterBarWidget.h"
#include "ui/ItemTreeView.h"
#include "ui/KeptTreeLine.h"
#include "ui/LetterTagPanel.h"
#include "ui/MainWindow.h"
#include "ui/Named.h"
#include "ui/TaskGrid.h"
#include "ui/TaskPage.h"
#include "ui/TaskTableModel.h"
#include "ui/TreeMenus.h"
#include "ui/TreePane.h"

namespace torvalet::ui {

namespace {

QVBoxLayout* column(QWidget* parent, int spacing = 4) {
    auto* layout = new QVBoxLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    return layout;
}

// A splitter with the tags panel at its right, a little wider than its 27 buttons.
QSplitter* withTags(const char* name, QWidget* content, QWidget* tags) {
    auto* page = named(new QSplitter, name);
    page->addWidget(content);
    page->addWidget(tags);
    page->setStretchFactor(0, 1);
    page->setStretchFactor(1, 0);
    page->setSizes({900, 200});
    page->setChildrenCollapsible(false);
    return page;
}

}  // namespace

QWidget* MainWindow::buildTasksPage() {
    tasksSplitter_ = named(new QSplitter, "TabSheet1");
    grid_ = taskPage_->grid();
    taskModel_ = grid_->taskModel();
    tasksSplitter_->addWidget(taskPage_->panel());
    tasksSplitter_->addWidget(buildGoalPanel());
    tasksSplitter_->setStretchFactor(0, 3);
    tasksSplitter_->setStretchFactor(1, 1);
    return tasksSplitter_;
}

// The goal trees on their tabs under the tool bar and the goal bar: the edit line with "Add"
// and "*", then the state list and the three width buttons.
QWidget* MainWindow::buildGoalPanel() {
    goalsPanel_ = named(new QWidget, "GoalsPanel");
    goalsPanel_->installEventFilter(this);
    QVBoxLayout* layout = column(goalsPanel_);
    goalPages_ = named(new QTabWidget, "GoalPageControl");
    addTreeTabs(goalPages_, kTasksPage);
    connect(goalPages_, &QTabWidget::currentChanged, this, &MainWindow::goalTabChanged);

    GoalCommands* goals = &treePages_.goals;
    goalBar_ = new FilterBarWidget(
        NavFamily::Goals, navigation_, [this](const std::function<void()>& command) { runCommand(command); },
        [goals](const std::string& text) { goals->addGoalNamed(text); });
    auto* widths = new QHBoxLayout;
    widths->setSpacing(2);
    widths->addWidget(goalBar_->list(), 1);
    const struct {
        const char* name;
        const char* caption;
        PaneWidth width;
    } buttons[] = {{"WideTaskPaneBtn", "<<", PaneWidth::Wide},
                   {"NormTaskPaneBtn", ">>", PaneWidth::Normal},
                   {"SlimTaskPaneBtn", ">>>", PaneWidth::Slim}};
    for (const auto& button : buttons) {
        auto* widthButton = named(new QPushButton(QString::fromLatin1(button.caption)), button.name);
        widthButton->setFixedWidth(36);
        widthButton->setFocusPolicy(Qt::NoFocus);
        const PaneWidth width = button.width;
        connect(widthButton, &QPushButton::clicked, this, [this, width] { setGoalPanelWidth(width); });
        widths->addWidget(widthButton);
    }
    // The edit line follows the panel's width and never holds it: the goal bar asks for no width
    // of its own, and its small buttons share what the edit line leaves.
    goalBar_->setSizePolicy(QSizePolicy::Ignored, goalBar_->sizePolicy().verticalPolicy());
    for (QPushButton* button : goalBar_->findChildren<QPushButton*>())
        button->setSizePolicy(QSizePolicy::Preferred, button->sizePolicy().verticalPolicy());
    // Nor does the state list beside the width buttons: it takes what they leave.
    goalBar_->list()->setSizePolicy(QSizePolicy::Ignored, goalBar_->list()->sizePolicy().verticalPolicy());
    layout->addWidget(treeMenus_->toolBar(kTasksPage));
    layout->addWidget(goalBar_);
    layout->addLayout(widths);
    layout->addWidget(goalPages_, 1);
    return goalsPanel_;
}

// Before another goal tab shows, the tree being left drops its state filter.
void MainWindow::goalTabChanged(int tab) {
    runCommand([this, tab] {
        navigation_.filters().leaveGoalTab(view_.goalPage);
        view_.goalPage = tab;
    });
}

void MainWindow::setGoalPanelWidth(PaneWidth width) {
    const int screenWidth = screenWidth_ > 0 ? screenWidth_ : screen() ? screen()->geometry().width() : 1024;
    ViewCommands& views = organizer_.viewCommands();
    switch (width) {
    case PaneWidth::Wide: views.makeGoalPanelWide(screenWidth); break;
    case PaneWidth::Normal: views.makeGoalPanelNormal(screenWidth); break;
    case PaneWidth::Slim: views.makeGoalPanelSlim(screenWidth); break;
    }
    const int panel = view_.goalPanelWidth;
    // The edit line of the old width would hold the panel wider than asked.
    fitGoalEditLine(panel);
    // The sizes are of the two sides; the handle between them takes the rest of the splitter.
    const int total =
        (tasksSplitter_->width() > 0 ? tasksSplitter_->width() : screenWidth) - tasksSplitter_->handleWidth();
    tasksSplitter_->setSizes({std::max(0, total - panel), panel});
}

// The goal edit line is as wide as the goal panel less 90 pixels (100 on a narrow panel).
void MainWindow::fitGoalEditLine(int panelWidth) {
    goalBar_->edit()->setFixedWidth(GoalLook::editLineWidth(panelWidth));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == goalsPanel_ && event->type() == QEvent::Resize) fitGoalEditLine(goalsPanel_->width());
    return QMainWindow::eventFilter(watched, event);
}

QWidget* MainWindow::buildLinksPage() {
    auto* links = new QWidget;
    QVBoxLayout* layout = column(links);
    linkPages_ = named(new QTabWidget, "LinksPageControl");
    addTreeTabs(linkPages_, kLinksPage);
    connect(linkPages_, &QTabWidget::currentChanged, this, [this](int tab) { view_.linksPage = tab; });
    TreeCommands* commands = &treePages_.commands;
    linkBar_ = new FilterBarWidget(
        NavFamily::Links, navigation_, [this](const std::function<void()>& command) { runCommand(command); },
        [commands](const std::string&) { commands->run(kLinksPage, TreeOperation::NewChild); });
    linkTools_ = treeMenus_->toolBar(kLinksPage);
    layout->addWidget(linkTools_);
    layout->addWidget(linkBar_);
    layout->addWidget(linkPages_, 1);
    auto* tags = new LetterTagPanel(treeView(TreeId::LinkTagsTree), navigation_,
                                    [this](const std::function<void()>& command) { runCommand(command); });
    return withTags("TabSheet2", links, tags);
}

QWidget* MainWindow::buildContactsPage() {
    auto* contacts = new QWidget;
    QVBoxLayout* layout = column(contacts);
    Navigation* navigation = &navigation_;
    contactBar_ = new FilterBarWidget(
        NavFamily::Contacts, *navigation, [this](const std::function<void()>& command) { runCommand(command); },
        [navigation](const std::string&) { navigation->filters().addContactFromBar(); });
    contactTools_ = treeMenus_->toolBar(kContactsPage);
    layout->addWidget(contactTools_);
    layout->addWidget(contactBar_);
    layout->addWidget(withKeptLine(trees_.get(TreeId::ContactsTree), treePages_.guard, treePane(TreeId::ContactsTree)),
                      1);
    auto* tags = new LetterTagPanel(treeView(TreeId::ContactTagsTree), *navigation,
                                    [this](const std::function<void()>& command) { runCommand(command); });
    return withTags("TabSheet3", contacts, tags);
}

QWidget* MainWindow::buildBlocknotePage() {
    auto* page = named(new QSplitter, "TabSheet4");
    textboard_ = named(new QPlainTextEdit, "Memo1");
    connect(textboard_, &QPlainTextEdit::textChanged, this,
            [this] { organizer_.textboard() = textboard_->toPlainText().toStdString(); });
    page->addWidget(textboard_);
    ItemTreeView* phrases = treeView(TreeId::PhrasesTree);
    // A double click adds the phrase to the textboard.
    connect(phrases, &QTreeView::doubleClicked, this, [this] {
        std::string text = organizer_.textboard();
        treePages_.phrases.appendFirstSelectedPhrase(text);
        textboard_->setPlainText(QString::fromStdString(text));
    });
    page->addWidget(
        withToolBar(kBlocknotePage, withKeptLine(trees_.get(TreeId::PhrasesTree), treePages_.guard, phrases)));
    page->setSizes({450, 650});
    return page;
}

QWidget* MainWindow::buildCalendarPage() {
    auto* page = named(new QWidget, "TabSheet5");
    QVBoxLayout* layout = column(page);
    ItemTreeView* events = treeView(TreeId::CalendarTree);
    connect(events, &QTreeView::doubleClicked, this, [this] {
        runCommand([this] { treePages_.commands.editFirstSelected(trees_.get(TreeId::CalendarTree)); });
    });
    layout->addWidget(
        withToolBar(kCalendarPage, withKeptLine(trees_.get(TreeId::CalendarTree), treePages_.guard, events)));
    return page;
}

ItemTreeView* MainWindow::treeView(TreeId id) {
    auto* view = new ItemTreeView(trees_.get(id), trees_, treePages_.commands, navigation_,
                                  [this](const std::function<void()>& command) { runCommand(command); });
    treeViews_.add(view);
    return view;
}

TreePane* MainWindow::treePane(TreeId id) {
    return new TreePane(treeView(id), navigation_,
                        [this](const std::function<void()>& command) { runCommand(command); });
}

// The trees of the page's tabs, in the order of their tabs.
void MainWindow::addTreeTabs(QTabWidget* tabs, Page page) {
    for (int tab = 0;; ++tab) {
        const std::optional<TreeId> id = treeOnTab(page, tab);
        if (!id) return;
        const std::string_view caption = treeInfo(*id).tabCaption;
        tabs->addTab(withKeptLine(trees_.get(*id), treePages_.guard, treePane(*id)),
                     QString::fromUtf8(caption.data(), qsizetype(caption.size())));
    }
}

QWidget* MainWindow::withToolBar(Page page, QWidget* content) {
    auto* box = new QWidget;
    QVBoxLayout* layout = column(box, 0);
    layout->addWidget(treeMenus_->toolBar(page));
    layout->addWidget(content, 1);
    return box;
}

}  // namespace torvalet::ui
