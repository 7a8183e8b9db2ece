#include "ui/MainWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/Organizer.h"
#include "app/SessionAutostart.h"
#include "platform/Locale.h"
#include "platform/UserInterface.h"
#include "ui/FilterBarWidget.h"
#include "ui/FixedShortcutKeys.h"
#include "ui/ItemTreeModel.h"
#include "ui/ItemTreeView.h"
#include "ui/KeptTreeLine.h"
#include "ui/LanguageCaptions.h"
#include "ui/Named.h"
#include "ui/NavigationMenus.h"
#include "ui/OpenActions.h"
#include "ui/ReminderView.h"
#include "ui/SettingsColor.h"
#include "ui/TaskGrid.h"
#include "ui/TaskMenus.h"
#include "ui/TaskPage.h"
#include "ui/TaskTableModel.h"
#include "ui/TreeMenus.h"
#include "ui/ViewActions.h"
#include "ui/WindowKeyGate.h"

namespace torvalet::ui {

namespace {

TreeNode* rootOf(TreeNode* node) {
    while (node->parent()) node = node->parent();
    return node;
}

QDate toQDate(Date date) { return date.isNull() ? QDate() : QDate(date.year(), date.month(), date.day()); }

}  // namespace

MainWindow::MainWindow(Organizer& organizer, QWidget* parent)
    : QMainWindow(parent),
      organizer_(organizer),
      tasks_(organizer.tasks()),
      trees_(organizer.trees()),
      treePages_(organizer.treePages()),
      navigation_(organizer.navigation()),
      view_(organizer.view()),
      settings_(organizer.settings()),
      services_(organizer.services()),
      treeViews_([this] { showViewState(); }) {
    setObjectName(QStringLiteral("Form1"));
    treeMenus_ = new TreeMenus(
        treePages_, tasks_, [this](const std::function<void()>& command) { runCommand(command); }, this);
    taskPage_ = new TaskPage(
        tasks_, [this](const std::function<void()>& command) { runCommand(command); }, this);
    buildMenus();
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* tipPanel = named(new QWidget, "TipPanel");
    auto* tipLayout = new QHBoxLayout(tipPanel);
    tipLayout->setContentsMargins(6, 0, 6, 0);
    auto* tipLine = named(new QLabel, "TipPanel2");
    tipLine->setCursor(Qt::PointingHandCursor);
    tipLayout->addWidget(tipLine);
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
    hintPanel->setContentsMargins(6, 0, 6, 0);
    layout->addWidget(hintPanel);
    layout->addWidget(buildBottomPanel());
    setCentralWidget(central);
    const CommandRunner run = [this](const std::function<void()>& command) { runCommand(command); };
    reminderView_ = new ReminderView(organizer_.reminders(), messagePad_, hintPanel, run, this);
    viewActions_ =
        new ViewActions(organizer_.viewCommands(), organizer_.helpCommands(), view_, services_, *this, menus_,
                        {tipPanel, tipLine, hintPanel, bottomPanel_, textboard_, reminderView_->trayIcon()});
    reminderView_->addMenuItems(menus_.view, menus_.options);
    // The clock's minute may show the next tip.
    connect(reminderView_->timer(), &QTimer::timeout, viewActions_, &ViewActions::showState);
    if (QMenu* tray = reminderView_->trayIcon()->contextMenu()) {
        reminderView_->addTrayItems(tray);
        tray->addAction(menus_.quit);
    }
    connect(pages_, &QTabWidget::currentChanged, this, [this](int page) {
        view_.activePage = page;
        pageChanged(page);
    });

    captions_ = std::make_unique<LanguageCaptions>(*this, *taskModel_, [this](const QString& title) {
        caption_ = title;
        showTitle();
    });
    navigationMenus_->setFilterLines(goalBar_->edit(), linkBar_->edit(), contactBar_->edit());
    const TreeMenus::PageMenus pageMenus = treeMenus_->pageMenus();
    new OpenActions(treePages_.open, trees_, organizer_.textboard(), *this,
                    {pageMenus.links, pageMenus.contacts, pageMenus.phrases, viewActions_->textboardMenu(), linkTools_,
                     contactTools_});
    applyFixedShortcuts(*this);
    new WindowKeyGate(*this);
    organizer_.setObserver(this);
}

MainWindow::~MainWindow() { organizer_.setObserver(nullptr); }

const ItemDialogs& MainWindow::installItemDialogs() {
    dialogs_ = createItemDialogs(treePages_, this);
    return dialogs_;
}

void MainWindow::buildMenus() {
    QMenu* file = menus_.file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mFile"));
    menus_.quit = file->addAction(tr("Quit"), this, &QWidget::close);
    menus_.quit->setObjectName(QStringLiteral("Quit1"));
    menus_.view = menuBar()->addMenu(tr("&View"));
    menus_.view->setObjectName(QStringLiteral("mView"));
    taskPage_->addMenus(menuBar(), menus_);

    QMenu* options = menus_.options = menuBar()->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("mOptions"));
    QMenu* language = options->addMenu(tr("Language"));
    language->setObjectName(QStringLiteral("Language1"));
    auto* group = new QActionGroup(this);
    const char* names[] = {"English1", "Russian1", "Macedonian1", "Hellenic1"};
    const QString captions[] = {tr("English"), tr("Russian"), tr("Macedonian"), tr("Hellenic")};
    for (int i = 0; i < 4; ++i) {
        QAction* action = languageItems_[i] = language->addAction(captions[i]);
        action->setObjectName(QString::fromLatin1(names[i]));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { organizer_.setLanguage(i); });
    }
    addStartWithSession(options);
    treeMenus_->addMenus(menuBar());
    navigationMenus_ = new NavigationMenus(
        navigation_, view_, trees_.get(TreeId::ContactsTree), services_.ui,
        [this](const std::function<void()>& command) { runCommand(command); }, treeViews_, this);
    const TreeMenus::PageMenus pageMenus = treeMenus_->pageMenus();
    navigationMenus_->addMenus(pageMenus.goals, pageMenus.links, pageMenus.contacts);
}

// A check item that reflects, each time the menu opens, whether the session starts this program.
void MainWindow::addStartWithSession(QMenu* options) {
    QAction* item = options->addAction(tr("Start with the session"));
    item->setObjectName(QStringLiteral("StartWithSession1"));
    item->setCheckable(true);
    const auto autostart = [] {
        return SessionAutostart::forCurrentUser(QApplication::applicationFilePath().toStdString());
    };
    const auto reflect = [item, autostart] { item->setChecked(autostart().enabled()); };
    connect(options, &QMenu::aboutToShow, this, reflect);
    connect(item, &QAction::triggered, this, [this, autostart, reflect](bool on) {
        runCommand([&] { autostart().setEnabled(on); });
        reflect();
    });
    reflect();
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
        tasks_.context.listState.calendar.select(picked, picked);
    });
    layout->addWidget(calendar_);
    return bottomPanel_;
}

void MainWindow::showOrganizerState() {
    refreshMessagePad();
    const QSignalBlocker block(textboard_);
    textboard_->setPlainText(QString::fromStdString(organizer_.textboard()));
    showLanguage();
    applyColors();
    applyFont();
    showCalendarSelection();
    for (ItemTreeView* view : treeViews_.all()) {
        view->itemModel()->setMuteStateColour(settings_.muteStateColour);
        view->refresh();
    }
    showViewState();
    grid_->showListState();
}

// The language in force is checked in the Language menu.
void MainWindow::showLanguage() {
    const int language = settings_.language;
    languageItems_[language >= 0 && language <= 3 ? language : 0]->setChecked(true);
    showKeptLines(this, trees_, treePages_.guard);
}

void MainWindow::markReadOnly() {
    readOnly_ = true;
    showTitle();
}

void MainWindow::showTitle() {
    const QString note = tr("read-only, nothing is saved");
    if (!readOnly_)
        setWindowTitle(caption_);
    else
        setWindowTitle(caption_.isEmpty() ? note : caption_ + QStringLiteral(" (") + note + QLatin1Char(')'));
}

// The settings' font face for the window, the bottom panel and the message pad; a face the
// machine lacks falls back to the nearest one it has.
void MainWindow::applyFont() {
    const QString face = QString::fromStdString(settings_.fontName);
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
    const Settings& settings = settings_;
    grid_->applySettings();
    calendar_->setStyleSheet(QStringLiteral("QCalendarWidget QAbstractItemView { background: %1; }")
                                 .arg(fromSettingsColor(settings.messagePadColour).name()));
}

void MainWindow::showCalendarSelection() {
    const QDate first = toQDate(tasks_.context.listState.calendar.first());
    if (first.isValid() && calendar_->selectedDate() != first) {
        const QSignalBlocker block(calendar_);
        calendar_->setSelectedDate(first);
    }
}

// Without the dialogs installed nothing opens.
void MainWindow::editItem(FormBase& form) { dialogs_.run(form); }

void MainWindow::treeChanged(ItemTree& tree) { treeViews_.treeChanged(tree); }

void MainWindow::nodeChanged(TreeNode& node) {
    const TreeNode* root = rootOf(&node);
    for (ItemTreeView* view : treeViews_.all())
        if (view->tree().root() == root) view->itemModel()->nodeChanged(&node);
}

void MainWindow::focusTaskGrid() { grid_->setFocus(); }

void MainWindow::minuteChanged() { grid_->showMinute(); }

// The task state commands act on the selected goals while a goal tree has the focus.
bool MainWindow::goalTreeHasFocus() const {
    for (TreeId id : {TreeId::DayGoalTree, TreeId::WeekGoalTree, TreeId::MonthGoalTree, TreeId::YearGoalTree,
                      TreeId::GlobalGoalTree}) {
        const ItemTreeView* view = treeViews_.viewOf(trees_.get(id));
        if (view && view->hasFocus()) return true;
    }
    return false;
}

void MainWindow::showTimeMenu() { taskPage_->menus()->showTimeMenu(); }

void MainWindow::noticeShown(const Notice& notice) { reminderView_->noticeShown(notice); }

void MainWindow::captionsChanged(const LanguageTable& table) { captions_->apply(table); }

void MainWindow::runCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& error) {
        services_.ui.showMessage(error.what());
    }
    showViewState();
    grid_->showListState();
}

void MainWindow::showViewState() {
    const ViewState& view = view_;
    const QSignalBlocker blockPages(pages_);
    const QSignalBlocker blockGoals(goalPages_);
    const QSignalBlocker blockLinks(linkPages_);
    pages_->setCurrentIndex(view.activePage);
    goalPages_->setCurrentIndex(view.goalPage);
    linkPages_->setCurrentIndex(view.linksPage);
    for (FilterBarWidget* bar : {goalBar_, linkBar_, contactBar_}) bar->showState();
    if (viewActions_) viewActions_->showState();
}

// Minimised: into the tray when there is one (after the change has run its course).
void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        QTimer::singleShot(0, viewActions_, &ViewActions::minimised);
}

// The hint under the mouse goes to the hint line.
bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip && viewActions_)
        viewActions_->showHint(static_cast<QStatusTipEvent*>(event)->tip());
    return QMainWindow::event(event);
}

// After the user changed the page with its tab: the tree of the page takes the focus.
void MainWindow::pageChanged(int page) {
    if (page > kContactsPage) return;
    runCommand([this] {
        if (ItemTree* tree = navigation_.currentTree()) navigation_.levels().revealFirstSelected(*tree);
    });
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    organizer_.firstShow();
    if (!firstShown_) {
        firstShown_ = true;
        setGoalPanelWidth(PaneWidth::Slim);
    }
    reminderView_->startClock();
    viewActions_->showState();
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
