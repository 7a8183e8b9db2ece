#include "ui/MainWindow.h"

#include <QActionGroup>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

#include "platform/Locale.h"
#include "platform/UserInterface.h"
#include "shell/Organizer.h"
#include "ui/ItemTreeModel.h"
#include "ui/ItemTreeView.h"
#include "ui/ReminderView.h"
#include "ui/SettingsColor.h"
#include "ui/TaskTableModel.h"
#include "ui/TreeMenus.h"

namespace torvalet::ui {

namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

TreeNode* rootOf(TreeNode* node) {
    while (node->parent()) node = node->parent();
    return node;
}

QDate toQDate(Date date) { return date.isNull() ? QDate() : QDate(date.year(), date.month(), date.day()); }

}  // namespace

MainWindow::MainWindow(Organizer& organizer, QWidget* parent) : QMainWindow(parent), organizer_(organizer) {
    setObjectName(QStringLiteral("Form1"));
    treeMenus_ = new TreeMenus(organizer_, [this](const std::function<void()>& command) { runCommand(command); }, this);
    buildMenus();
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* tipPanel = named(new QWidget, "TipPanel");
    auto* tipLayout = new QHBoxLayout(tipPanel);
    tipLayout->addWidget(named(new QLabel, "TipPanel2"));
    tipPanel->setFixedHeight(28);
    tipPanel->hide();
    layout->addWidget(tipPanel);

    pages_ = named(new QTabWidget, "MainPageControl");
    pages_->addTab(buildTasksPage(), tr("Tasks"));
    pages_->addTab(buildLinksPage(), tr("Links"));
    pages_->addTab(buildContactsPage(), tr("Contacts"));
    pages_->addTab(buildBlocknotePage(), tr("Blocknote"));
    pages_->addTab(buildCalendarPage(), tr("Calendar"));
    layout->addWidget(pages_, 1);

    auto* hintPanel = named(new QLabel(tr("Welcome to Torvalet!")), "HintPanel");
    hintPanel->setFixedHeight(28);
    hintPanel->hide();
    layout->addWidget(hintPanel);
    layout->addWidget(buildBottomPanel());
    setCentralWidget(central);
    const CommandRunner run = [this](const std::function<void()>& command) { runCommand(command); };
    reminderView_ = new ReminderView(organizer_, messagePad_, hintPanel, run, this);
    reminderView_->addMenuItems(menuBar()->findChild<QMenu*>(QStringLiteral("mView")),
                                menuBar()->findChild<QMenu*>(QStringLiteral("mOptions")));
    connect(pages_, &QTabWidget::currentChanged, this, [this](int page) {
        organizer_.view().activePage = page;
        MainPageControlChange(page);
    });

    organizer_.listState().calendar.changed = [this] { showCalendarSelection(); };
    installTreeHooks();
}

MainWindow::~MainWindow() {
    organizer_.listState().calendar.changed = nullptr;
    removeTreeHooks();
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mFile"));
    QAction* quit = file->addAction(tr("Quit"), this, &QWidget::close);
    quit->setObjectName(QStringLiteral("Quit1"));
    quit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    menuBar()->addMenu(tr("&View"))->setObjectName(QStringLiteral("mView"));

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("mOptions"));
    QMenu* language = options->addMenu(tr("Language"));
    language->setObjectName(QStringLiteral("Language1"));
    auto* group = new QActionGroup(this);
    const char* names[] = {"English1", "Russian1", "Macedonian1", "Hellenic1"};
    const QString captions[] = {tr("English"), tr("Russian"), tr("Macedonian"), tr("Hellenic")};
    for (int i = 0; i < 4; ++i) {
        QAction* action = language->addAction(captions[i]);
        action->setObjectName(QString::fromLatin1(names[i]));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { organizer_.setLanguage(i); });
    }
    treeMenus_->addMenus(menuBar());
}

QWidget* MainWindow::buildTasksPage() {
    auto* splitter = named(new QSplitter, "TabSheet1");
    grid_ = named(new QTableView, "tasksDBGrid");
    taskModel_ = new TaskTableModel(organizer_.store().tasksQ, this);
    grid_->setModel(taskModel_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setColumnHidden(TaskTableModel::TypeName, true);
    grid_->verticalHeader()->setDefaultSectionSize(20);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setColumnWidth(TaskTableModel::Task, 320);
    splitter->addWidget(grid_);

    auto* goals = named(new QWidget, "GoalsPanel");
    auto* goalLayout = new QVBoxLayout(goals);
    goalPages_ = named(new QTabWidget, "GoalPageControl");
    const char* trees[] = {"GoalTree", "Goal2Tree", "Goal3Tree", "Goal4Tree", "Goal5Tree"};
    const QString titles[] = {tr("Day"), tr("Week"), tr("Month"), tr("Year"), tr("Global")};
    for (int i = 0; i < 5; ++i) goalPages_->addTab(treeView(trees[i]), titles[i]);
    connect(goalPages_, &QTabWidget::currentChanged, this, [this](int tab) { organizer_.view().goalPage = tab; });
    goalLayout->addWidget(treeMenus_->toolBar(0));
    goalLayout->addWidget(goalPages_, 1);
    auto* bar = new QHBoxLayout;
    auto* goalEdit = named(new QLineEdit, "GoalEdit");
    goalEdit->setPlaceholderText(tr("Please enter Goal name here..."));
    auto* addGoal = named(new QPushButton(tr("Add")), "AddGoal_RbBtn");
    connect(addGoal, &QPushButton::clicked, this, [this, goalEdit] { treeMenus_->addGoalFromEditLine(goalEdit->text()); });
    bar->addWidget(goalEdit, 1);
    bar->addWidget(addGoal);
    bar->addWidget(named(new QPushButton(QStringLiteral("<<")), "WideTaskPaneBtn"));
    bar->addWidget(named(new QPushButton(QStringLiteral(">>")), "NormTaskPaneBtn"));
    bar->addWidget(named(new QPushButton(QStringLiteral(">>>")), "SlimTaskPaneBtn"));
    goalLayout->addLayout(bar);
    splitter->addWidget(goals);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    return splitter;
}

QWidget* MainWindow::buildLinksPage() {
    auto* page = named(new QSplitter, "TabSheet2");
    linkPages_ = named(new QTabWidget, "LinksPageControl");
    const char* trees[] = {"LinksTree", "StdLinksTree", "FoldersTree", "SearchTree", "DocsTree", "ImagesTree"};
    const QString titles[] = {tr("Personal"), tr("Tools"), tr("Folders"), tr("Search"), tr("Docs"), tr("Images")};
    for (int i = 0; i < 6; ++i) linkPages_->addTab(treeView(trees[i]), titles[i]);
    connect(linkPages_, &QTabWidget::currentChanged, this, [this](int tab) { organizer_.view().linksPage = tab; });
    page->addWidget(withToolBar(1, linkPages_));
    page->addWidget(treeView("MarksLinksTree"));
    page->setStretchFactor(0, 4);
    return page;
}

QWidget* MainWindow::buildContactsPage() {
    auto* page = named(new QSplitter, "TabSheet3");
    page->addWidget(withToolBar(2, treeView("ContactsTree")));
    page->addWidget(treeView("MarksTree"));
    page->setStretchFactor(0, 4);
    return page;
}

QWidget* MainWindow::buildBlocknotePage() {
    auto* page = named(new QSplitter, "TabSheet4");
    textboard_ = named(new QPlainTextEdit, "Memo1");
    connect(textboard_, &QPlainTextEdit::textChanged, this,
            [this] { organizer_.textboard() = textboard_->toPlainText().toStdString(); });
    page->addWidget(textboard_);
    ItemTreeView* phrases = treeView("PhrasesTree");
    // A double click adds the phrase to the textboard.
    connect(phrases, &QTreeView::doubleClicked, this, [this] {
        std::string text = organizer_.textboard();
        organizer_.treePages().phrases.PhrasesTreeDblClick(text);
        textboard_->setPlainText(QString::fromStdString(text));
    });
    page->addWidget(withToolBar(3, phrases));
    return page;
}

QWidget* MainWindow::buildCalendarPage() {
    auto* page = named(new QWidget, "TabSheet5");
    auto* layout = new QVBoxLayout(page);
    ItemTreeView* events = treeView("CalendarTree");
    connect(events, &QTreeView::doubleClicked, this, [this] {
        runCommand([this] { organizer_.treePages().calendarForm.CalendarTreeDblClick(organizer_.trees().get("CalendarTree")); });
    });
    layout->addWidget(withToolBar(4, events));
    return page;
}

QWidget* MainWindow::buildBottomPanel() {
    bottomPanel_ = named(new QWidget, "BottomPanel");
    bottomPanel_->setFixedHeight(180);
    auto* layout = new QHBoxLayout(bottomPanel_);
    layout->setContentsMargins(0, 0, 0, 0);
    messagePad_ = named(new QPlainTextEdit, "reminderMemo");
    messagePad_->setReadOnly(true);
    layout->addWidget(messagePad_, 1);
    calendar_ = named(new QCalendarWidget, "MonthCalendar1");
    calendar_->setGridVisible(false);
    connect(calendar_, &QCalendarWidget::clicked, this, [this](QDate day) {
        const Date picked = Date::fromYmd(day.year(), day.month(), day.day());
        organizer_.listState().calendar.select(picked, picked);
    });
    layout->addWidget(calendar_);
    return bottomPanel_;
}

void MainWindow::showOrganizerState() {
    refreshMessagePad();
    const QSignalBlocker block(textboard_);
    textboard_->setPlainText(QString::fromStdString(organizer_.textboard()));
    taskModel_->setDateFormat(QString::fromStdString(organizer_.services().locale.shortDateFormat()));
    const int language = organizer_.settings().iLanguage;
    const char* names[] = {"English1", "Russian1", "Macedonian1", "Hellenic1"};
    if (auto* action = findChild<QAction*>(QString::fromLatin1(names[language >= 0 && language <= 3 ? language : 0])))
        action->setChecked(true);
    applyColors();
    applyFont();
    showCalendarSelection();
    for (ItemTreeView* view : treeViews_) {
        view->itemModel()->setMuteStateColour(organizer_.settings().MuteStateCol);
        view->refresh();
    }
    showViewState();
    if (organizer_.store().tasksQ.rowCount() > 0) grid_->selectRow(organizer_.store().tasksQ.currentIndex());
}

// The settings' font face for the window, the bottom panel and the message pad; a face the
// machine lacks falls back to the nearest one it has.
void MainWindow::applyFont() {
    const QString face = QString::fromStdString(organizer_.settings().fontName);
    if (face.isEmpty()) return;
    for (QWidget* widget : {static_cast<QWidget*>(this), bottomPanel_, static_cast<QWidget*>(messagePad_)}) {
        QFont font = widget->font();
        font.setFamily(face);
        widget->setFont(font);
    }
}

void MainWindow::refreshMessagePad() {
    QStringList lines;
    for (const std::string& line : organizer_.messagePad().lines()) lines << QString::fromStdString(line);
    messagePad_->setPlainText(lines.join('\n'));
    messagePad_->moveCursor(QTextCursor::Start);
}

void MainWindow::applyColors() {
    const Settings& settings = organizer_.settings();
    QPalette palette = grid_->palette();
    palette.setColor(QPalette::Base, fromSettingsColor(settings.clTasksGrid));
    palette.setColor(QPalette::Text, fromSettingsColor(settings.clTasksFore));
    grid_->setPalette(palette);
    calendar_->setStyleSheet(QStringLiteral("QCalendarWidget QAbstractItemView { background: %1; }")
                                 .arg(fromSettingsColor(settings.clMessagePad).name()));
}

void MainWindow::showCalendarSelection() {
    const QDate first = toQDate(organizer_.listState().calendar.first());
    if (first.isValid() && calendar_->selectedDate() != first) {
        const QSignalBlocker block(calendar_);
        calendar_->setSelectedDate(first);
    }
}

ItemTreeView* MainWindow::treeView(const char* name) {
    auto* view = new ItemTreeView(organizer_.trees().get(name), organizer_.trees(), organizer_.treePages().commands,
                                  [this](const std::function<void()>& command) { runCommand(command); });
    treeViews_.push_back(view);
    return view;
}

QWidget* MainWindow::withToolBar(int page, QWidget* content) {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(treeMenus_->toolBar(page));
    layout->addWidget(content, 1);
    return box;
}

ItemTreeView* MainWindow::viewOf(const ItemTree& tree) const {
    for (ItemTreeView* view : treeViews_)
        if (&view->tree() == &tree) return view;
    return nullptr;
}

void MainWindow::installTreeHooks() {
    TreePages& pages = organizer_.treePages();
    TreeCommands::Hooks& hooks = pages.commands.hooks;
    hooks.treeChanged = [this](ItemTree& tree) { treeChanged(tree); };
    // The dialog of a new item opens over the tree that already shows it.
    hooks.editItem = [this, edit = hooks.editItem](ItemTree& tree, TreeNode* node) {
        treeChanged(tree);
        if (edit) edit(tree, node);
    };
    pages.goals.repaintTree = [this](ItemTree& tree) { treeChanged(tree); };
    pages.goals.repaintNode = [this](TreeNode& node) { nodeChanged(node); };
    pages.phrases.SwitchTab = [this](int page) { organizer_.view().activePage = page; };
    for (FormBase* form : std::initializer_list<FormBase*>{&pages.goalForm, &pages.linkForm, &pages.contactForm,
                                                           &pages.phraseForm, &pages.calendarForm}) {
        formHooks_.emplace_back(form->accepted, form->repaint);
        form->accepted = [this, before = form->accepted](TreeNode& node) {
            if (before) before(node);
            nodeChanged(node);
        };
        form->repaint = [this, before = form->repaint](TreeNode& node) {
            if (before) before(node);
            nodeChanged(node);
        };
    }
}

void MainWindow::removeTreeHooks() {
    TreePages& pages = organizer_.treePages();
    pages.commands.hooks.treeChanged = nullptr;
    pages.commands.hooks.editItem = [&pages](ItemTree& tree, TreeNode* node) { pages.editItem(tree, node); };
    pages.goals.repaintTree = nullptr;
    pages.goals.repaintNode = nullptr;
    pages.phrases.SwitchTab = nullptr;
    std::size_t next = 0;
    for (FormBase* form : std::initializer_list<FormBase*>{&pages.goalForm, &pages.linkForm, &pages.contactForm,
                                                           &pages.phraseForm, &pages.calendarForm}) {
        form->accepted = formHooks_[next].first;
        form->repaint = formHooks_[next].second;
        ++next;
    }
}

void MainWindow::treeChanged(ItemTree& tree) {
    if (ItemTreeView* view = viewOf(tree)) view->refresh();
}

void MainWindow::nodeChanged(TreeNode& node) {
    const TreeNode* root = rootOf(&node);
    for (ItemTreeView* view : treeViews_)
        if (view->tree().root() == root) view->itemModel()->nodeChanged(&node);
}

void MainWindow::runCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& error) {
        organizer_.services().ui.showMessage(error.what());
    }
    showViewState();
}

void MainWindow::showViewState() {
    const ViewState& view = organizer_.view();
    const QSignalBlocker blockPages(pages_);
    const QSignalBlocker blockGoals(goalPages_);
    const QSignalBlocker blockLinks(linkPages_);
    pages_->setCurrentIndex(view.activePage);
    goalPages_->setCurrentIndex(view.goalPage);
    linkPages_->setCurrentIndex(view.linksPage);
}

// After the user changed the page with its tab: the tree of the page takes the focus.
void MainWindow::MainPageControlChange(int page) {
    ItemTreeView* view = nullptr;
    if (page == 0) view = viewOf(organizer_.treePages().commands.GetActiveGoalTree());
    if (page == 1) {
        if (ItemTree* links = organizer_.treePages().commands.GetLinksTree()) view = viewOf(*links);
    }
    if (page == 2) view = viewOf(organizer_.trees().get("ContactsTree"));
    if (view) view->SetTreeView();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    organizer_.firstShow();
    reminderView_->startClock();
    bottomPanel_->setVisible(organizer_.view().bottomPanelVisible);
    grid_->setFocus();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        closed_ = true;
        reminderView_->stopClock();
        organizer_.close();
    }
    event->accept();
}

}  // namespace torvalet::ui
