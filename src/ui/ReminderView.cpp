#include "ui/ReminderView.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTextCursor>
#include <QTimer>

#include "reminders/ReminderTexts.h"
#include "reminders/Reminders.h"

namespace torvalet::ui {

namespace {

constexpr int kTickMilliseconds = 2000;

QAction* namedAction(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

ReminderView::ReminderView(Reminders& reminders, QPlainTextEdit* messagePad, QLabel* hintPanel, CommandRunner run,
                           QWidget* window)
    : QObject(window),
      reminders_(reminders),
      messagePad_(messagePad),
      hintPanel_(hintPanel),
      run_(std::move(run)),
      timer_(new QTimer(this)),
      tray_(new QSystemTrayIcon(this)) {
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(kTickMilliseconds);
    connect(timer_, &QTimer::timeout, this, [this] { reminders_.clock.tick(); });

    tray_->setObjectName(QStringLiteral("CoolTrayIcon1"));
    tray_->setToolTip(QStringLiteral("Torvalet"));
    const QIcon icon = QApplication::windowIcon();
    tray_->setIcon(icon.isNull() ? window->style()->standardIcon(QStyle::SP_MessageBoxInformation) : icon);
    if (QSystemTrayIcon::isSystemTrayAvailable()) tray_->show();

    messagePad_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(messagePad_, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        QMenu* menu = messagePadMenu(position);
        menu->exec(messagePad_->viewport()->mapToGlobal(position));
        delete menu;
    });
}

void ReminderView::addSnoozes(QMenu* menu, const char* prefix, const std::function<long long()>& taskRow) {
    for (const int minutes : reminderTexts::snoozeMinutes) {
        QAction* action = menu->addAction(QString::fromStdString(reminders_.clock.snoozeLabel(minutes)));
        action->setObjectName(QLatin1String(prefix) + QString::number(minutes));
        connect(action, &QAction::triggered, this, [this, minutes, taskRow] {
            const long long row = taskRow();
            if (row) run_([this, row, minutes] { reminders_.clock.snooze(row, minutes); });
        });
    }
}

QMenu* ReminderView::messagePadMenu(const QPoint& position) {
    QMenu* menu = messagePad_->createStandardContextMenu(position);
    menu->setObjectName(QStringLiteral("MessagePadMenu"));
    const long long row = reminders_.notices.taskOfLine(
        static_cast<std::size_t>(std::max(0, messagePad_->cursorForPosition(position).blockNumber())));
    if (!row) return menu;
    QAction* first = menu->actions().value(0);
    QMenu snoozes;
    addSnoozes(&snoozes, "SnoozeLine", [row] { return row; });
    for (QAction* action : snoozes.actions()) {
        action->setParent(menu);
        menu->insertAction(first, action);
    }
    if (first) menu->insertSeparator(first);
    return menu;
}

void ReminderView::addTrayItems(QMenu* tray) {
    QMenu* snooze = tray->addMenu(tr("Snooze last reminder"));
    snooze->setObjectName(QStringLiteral("SnoozeLastReminder"));
    addSnoozes(snooze, "SnoozeLast", [this] { return reminders_.notices.lastReminder(); });
    // Nothing to snooze before the first reminder of the run.
    connect(tray, &QMenu::aboutToShow, snooze,
            [this, snooze] { snooze->setEnabled(reminders_.notices.lastReminder() != 0); });
    snooze->setEnabled(false);
}

void ReminderView::addMenuItems(QMenu* view, QMenu* options) {
    QAction* last = namedAction(view, "ShowLastMessage1", tr("Show Last Message"));
    connect(last, &QAction::triggered, this, [this] { run_([this] { reminders_.notices.showLastNotice(); }); });
    QAction* calendar = namedAction(options, "mAnalyzeCalendar", QStringLiteral("AnCalend"));
    calendar->setVisible(false);
    connect(calendar, &QAction::triggered, this, [this] { run_([this] { reminders_.calendar.analyzeCalendar(); }); });
    QAction* contacts = namedAction(options, "AnalyzeContacts1", QStringLiteral("AnContacts"));
    contacts->setVisible(false);
    connect(contacts, &QAction::triggered, this, [this] { run_([this] { reminders_.contacts.analyzeContacts(); }); });
}

void ReminderView::startClock() {
    if (!timer_->isActive()) timer_->start();
}

void ReminderView::stopClock() { timer_->stop(); }

// The newest line goes on top of the message pad, which then shows its top.
void ReminderView::noticeShown(const Notice& notice) {
    if (notice.toMessagePad) {
        QTextCursor cursor(messagePad_->document());
        cursor.movePosition(QTextCursor::Start);
        const QString line = QString::fromStdString(notice.line());
        cursor.insertText(messagePad_->document()->isEmpty() ? line : line + QLatin1Char('\n'));
        messagePad_->moveCursor(QTextCursor::Start);
    }
    hintPanel_->setText(QString::fromStdString(reminders_.notices.hint()));
}

}  // namespace torvalet::ui
