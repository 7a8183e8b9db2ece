#include "ui/ViewActions.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSystemTrayIcon>
#include <QWheelEvent>

#include "app/HelpCommands.h"
#include "app/ViewCommands.h"
#include "platform/Clock.h"
#include "platform/Services.h"
#include "platform/UserInterface.h"
#include "ui/AboutDialog.h"
#include "ui/MainWindow.h"
#include "ui/PrintWithDialog.h"
#include "ui/WindowMenus.h"

namespace torvalet::ui {

ViewActions::ViewActions(ViewCommands& commands, HelpCommands& help, ViewState& view, const Services& services,
                         MainWindow& window, const WindowMenus& menus, const Widgets& widgets)
    : QObject(&window),
      commands_(commands),
      help_(help),
      view_(view),
      services_(services),
      window_(window),
      widgets_(widgets) {
    addViewItems(menus.view);
    addTextboardItems();
    addServiceItems();
    addHelpItems();
    addHiddenItems();
    addTrayMenu();
    widgets_.tipLine->installEventFilter(this);
    widgets_.hintLine->show();
    qApp->installEventFilter(this);
}

ViewActions::~ViewActions() { qApp->removeEventFilter(this); }

QAction* ViewActions::add(QWidget* menuOrWindow, const char* name, const QString& caption, const Handler& handler) {
    auto* action = new QAction(caption, menuOrWindow);
    action->setObjectName(QString::fromLatin1(name));
    menuOrWindow->addAction(action);
    connect(action, &QAction::triggered, this, [this, handler] { run(handler); });
    return action;
}

QMenu* ViewActions::addMenu(const char* name, const QString& caption) {
    QMenu* menu = window_.menuBar()->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

void ViewActions::run(const Handler& command) {
    window_.runCommand(command);
    showState();
}

void ViewActions::addViewItems(QMenu* view) {
    ViewCommands* commands = &commands_;
    add(view, "ViewTasksPage1", tr("View Tasks Page"), [commands] { commands->showTasksPage(); });
    add(view, "ViewLinksPage1", tr("View Links Page"), [commands] { commands->showLinksPage(); });
    add(view, "ViewContactsPage1", tr("View Contacts Page"), [commands] { commands->showContactsPage(); });
    add(view, "ViewBlocknotePage1", tr("View Blocknote Page"), [commands] { commands->showBlocknotePage(); });
    add(view, "ViewCalendarPage1", tr("View Calendar Page"), [commands] { commands->showCalendarPage(); });
    view->addSeparator();
    messagePadItem_ = add(view, "messagePad1", tr("MessagePad"), [commands] { commands->toggleMessagePad(); });
    messagePadItem_->setCheckable(true);
    add(view, "ClearMessagePad1", tr("Clear MessagePad"), [this, commands] {
        commands->clearMessagePad();
        window_.refreshMessagePad();
    });
}

void ViewActions::addTextboardItems() {
    QMenu* menu = textboardMenu_ = addMenu("Textboard_mp", tr("Te&xtboard"));
    QPlainTextEdit* board = widgets_.textboard;
    ViewCommands* commands = &commands_;
    const auto onBoard = [commands, board](void (QPlainTextEdit::*edit)()) {
        return [commands, board, edit] {
            commands->showBlocknotePage();
            (board->*edit)();
        };
    };
    add(menu, "TextboardUndo_mp", tr("Undo"), onBoard(&QPlainTextEdit::undo));
    menu->addSeparator();
    add(menu, "TextboardCut_mp", tr("Cut"), onBoard(&QPlainTextEdit::cut));
    add(menu, "TextboardCopy_mp", tr("Copy"), onBoard(&QPlainTextEdit::copy));
    add(menu, "TextboardPaste_mp", tr("Paste"), onBoard(&QPlainTextEdit::paste));
    add(menu, "TextboardDelete_mp", tr("Delete"), [commands, board] {
        commands->showBlocknotePage();
        board->textCursor().removeSelectedText();
    });
    add(menu, "TextboardClear_mp", tr("Clear"), onBoard(&QPlainTextEdit::clear));
    menu->addSeparator();
    auto* print = new QAction(tr("Print..."), menu);
    print->setObjectName(QStringLiteral("TextboardPrint_mp"));
    menu->addAction(print);
    connect(print, &QAction::triggered, this, &ViewActions::printTextboard);
    menu->addSeparator();
}

void ViewActions::printTextboard() {
    run([this] { commands_.showBlocknotePage(); });
    printWithDialog(
        &window_, tr("Print Textboard"), QStringLiteral("Textboard"),
        [this](QPrinter& printer) {
            widgets_.textboard->print(&printer);
            return true;
        },
        services_.ui);
}

void ViewActions::addServiceItems() {
    QMenu* service = addMenu("Service1", tr("&Service"));
    HelpCommands* documents = &help_;
    const Clock* clock = &services_.clock;
    add(service, "CreateDayFolder1", tr("Create Day Folder"),
        [documents, clock] { documents->createDayFolder(clock->now().date); });
    add(service, "OpenDayFolder1", tr("Open Day Folder"),
        [documents, clock] { documents->openDayFolder(clock->now().date); });
    service->addSeparator();
    add(service, "PrivateInfo1", tr("Private Info"), [documents] { documents->openPrivateInfo(); });
    add(service, "UsefulInfo1", tr("Useful Info"), [documents] { documents->openUsefulInfo(); });
}

void ViewActions::addHelpItems() {
    QMenu* help = addMenu("mHelp", tr("&Help"));
    HelpCommands* documents = &help_;
    add(help, "TorvaletHelp1", tr("Torvalet Help"), [documents] { documents->openHelp(); });
    add(help, "mManual", tr("Manual"), [documents] { documents->openManual(); });
    add(help, "mHomepage", tr("Homepage"), [documents] { documents->openHomePage(); });
    add(help, "ReadMe1", tr("Read Me"), [documents] { documents->openReadMe(); });
    add(help, "SupportEmail_mp", tr("Write To Support"), [documents] { documents->mailSupport(); });
    help->addSeparator();
    ViewCommands* commands = &commands_;
    add(help, "ShowNextTip1", tr("Show Next Tip"), [commands] { commands->showNextTip(); });
    autoplayTipsItem_ = add(help, "AutoplayTips1", tr("Autoplay Tips"), [commands] { commands->toggleAutoplayTips(); });
    autoplayTipsItem_->setCheckable(true);
    help->addSeparator();
    auto* about = new QAction(tr("About..."), help);
    about->setObjectName(QStringLiteral("mAbout"));
    help->addAction(about);
    connect(about, &QAction::triggered, this, [this] { AboutDialog(&window_).exec(); });
}

void ViewActions::addHiddenItems() {
    ViewCommands* commands = &commands_;
    rightPanelWideItem_ =
        add(&window_, "RightPanelWide_mp", tr("Right Panel Wide"), [commands] { commands->toggleRightPanelWide(); });
    rightPanelWideItem_->setCheckable(true);
    add(&window_, "EscapeCommand1", tr("Escape Command"), [this, commands] {
        if (trayAvailable()) {
            commands->hideInTray();
            showTrayState();
        } else {
            window_.showMinimized();
        }
    });
}

void ViewActions::addTrayMenu() {
    auto* menu = new QMenu(&window_);
    menu->setObjectName(QStringLiteral("TrayMenu"));
    ViewCommands* commands = &commands_;
    ViewState* view = &view_;
    add(menu, "mShow", tr("Show"), [this, view] {
        view->hiddenInTray = false;
        showTrayState();
    });
    add(menu, "mHide", tr("Hide"), [this, view] {
        view->hiddenInTray = true;
        showTrayState();
    });
    widgets_.tray->setContextMenu(menu);
    connect(widgets_.tray, &QSystemTrayIcon::activated, this, [this, commands](QSystemTrayIcon::ActivationReason why) {
        if (why != QSystemTrayIcon::Trigger) return;
        commands->toggleTray();
        showTrayState();
    });
}

bool ViewActions::trayAvailable() const {
    return widgets_.tray->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

void ViewActions::showState() {
    const ViewState& view = view_;
    messagePadItem_->setChecked(view.bottomPanelVisible);
    rightPanelWideItem_->setChecked(view.rightPanelWide);
    autoplayTipsItem_->setChecked(view.autoplayTips);
    widgets_.bottomPanel->setVisible(view.bottomPanelVisible);
    widgets_.tipLine->setText(QString::fromStdString(commands_.tipLine()));
    widgets_.tipPanel->setVisible(view.tipVisible);
}

// Hidden: the window goes, only the tray icon stays. Shown: restored, raised and active.
void ViewActions::showTrayState() {
    if (view_.hiddenInTray) {
        window_.hide();
        return;
    }
    if (window_.isMinimized()) window_.showNormal();
    window_.show();
    window_.raise();
    window_.activateWindow();
}

void ViewActions::minimised() {
    if (!trayAvailable()) return;
    commands_.minimisedToTray();
    showTrayState();
}

void ViewActions::showHint(const QString& hint) { widgets_.hintLine->setText(hint); }

bool ViewActions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == widgets_.tipLine && event->type() == QEvent::MouseButtonPress) {
        run([this] { commands_.hideTip(); });
        return true;
    }
    if (event->type() == QEvent::Wheel) return wheel(event);
    return false;
}

// A wheel notch over the window moves the focused grid or tree by one row: it becomes an arrow
// key for the widget with the keyboard focus, whatever the wheel's delta. Other widgets (text,
// lists of dialogs) scroll as usual.
bool ViewActions::wheel(QEvent* event) {
    auto* view = qobject_cast<QAbstractItemView*>(QApplication::focusWidget());
    const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
    if (!view || view->window() != &window_ || static_cast<QWheelEvent*>(event)->angleDelta().x() != 0) return false;
    const bool up = ViewCommands::wheelKey(delta) == ViewCommands::WheelKey::Up;
    QKeyEvent key(QEvent::KeyPress, up ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(view, &key);
    return true;
}

}  // namespace torvalet::ui
