#include "ui/ReminderView.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTextCursor>
#include <QTimer>

#include "app/Organizer.h"

namespace torvalet::ui {

namespace {

constexpr int kTickMilliseconds = 2000;

QAction* namedAction(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

}  // namespace

ReminderView::ReminderView(Organizer& organizer, QPlainTextEdit* messagePad, QLabel* hintPanel, CommandRunner run,
                           QWidget* window)
    : QObject(window),
      organizer_(organizer),
      messagePad_(messagePad),
      hintPanel_(hintPanel),
      run_(std::move(run)),
      timer_(new QTimer(this)),
      tray_(new QSystemTrayIcon(this)) {
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(kTickMilliseconds);
    connect(timer_, &QTimer::timeout, this, [this] { organizer_.reminders().clock.tick(); });

    tray_->setObjectName(QStringLiteral("CoolTrayIcon1"));
    tray_->setToolTip(QStringLiteral("Torvalet"));
    const QIcon icon = QApplication::windowIcon();
    tray_->setIcon(icon.isNull() ? window->style()->standardIcon(QStyle::SP_MessageBoxInformation) : icon);
    if (QSystemTrayIcon::isSystemTrayAvailable()) tray_->show();
}

ReminderView::~ReminderView() = default;

void ReminderView::addMenuItems(QMenu* view, QMenu* options) {
    QAction* last = namedAction(view, "ShowLastMessage1", tr("Show Last Message"));
    connect(last, &QAction::triggered, this,
            [this] { run_([this] { organizer_.reminders().notices.showLastNotice(); }); });
    QAction* calendar = namedAction(options, "mAnalyzeCalendar", QStringLiteral("AnCalend"));
    calendar->setVisible(false);
    connect(calendar, &QAction::triggered, this,
            [this] { run_([this] { organizer_.reminders().calendar.analyzeCalendar(); }); });
    QAction* contacts = namedAction(options, "AnalyzeContacts1", QStringLiteral("AnContacts"));
    contacts->setVisible(false);
    connect(contacts, &QAction::triggered, this,
            [this] { run_([this] { organizer_.reminders().contacts.analyzeContacts(); }); });
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
    hintPanel_->setText(QString::fromStdString(organizer_.reminders().notices.hint()));
}

}  // namespace torvalet::ui
