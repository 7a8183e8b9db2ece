#include "ui/services/QtNotices.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QSystemTrayIcon>
#include <QVariantMap>

namespace torvalet::ui {

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");

// The action keys of a reminder: one per snooze, by its minutes, and the dismissal.
const QString snoozeKeyPrefix = QStringLiteral("snooze-");
const QString dismissKey = QStringLiteral("dismiss");

QDBusMessage notifyCall(const QString& title, const QString& text, const QStringList& actions, int timeoutSeconds) {
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Notify"));
    call << QStringLiteral("Torvalet") << 0u << QStringLiteral("dialog-information") << title << text << actions
         << QVariantMap() << timeoutSeconds * 1000;
    return call;
}

// A notification through the freedesktop notification service, sent without waiting for it.
void notifyDesktop(const QString& title, const QString& text, int timeoutSeconds) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    bus.call(notifyCall(title, text, {}, timeoutSeconds), QDBus::NoBlock);
}

}  // namespace

QtNotices::QtNotices() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    bus.connect(service, path, interface, QStringLiteral("ActionInvoked"), this, SLOT(actionInvoked(uint, QString)));
    bus.connect(service, path, interface, QStringLiteral("NotificationClosed"), this,
                SLOT(notificationClosed(uint, uint)));
    askCapabilities();
}

void QtNotices::askCapabilities() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || actions_ == Actions::Asking) return;
    actions_ = Actions::Asking;
    const QDBusPendingCall call =
        bus.asyncCall(QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("GetCapabilities")));
    auto* watcher = new QDBusPendingCallWatcher(call, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        const QDBusPendingReply<QStringList> reply = *finished;
        // No service yet (it may start later in the session): asked again at the next reminder.
        actions_ = reply.isError()                                     ? Actions::Unknown
                   : reply.value().contains(QStringLiteral("actions")) ? Actions::Yes
                                                                       : Actions::No;
        finished->deleteLater();
    });
}

void QtNotices::showBalloon(const std::string& title, const std::string& text, int timeoutSeconds) {
    const QString qTitle = QString::fromStdString(title), qText = QString::fromStdString(text);
    if (icon_ && icon_->isVisible() && QSystemTrayIcon::isSystemTrayAvailable())
        icon_->showMessage(qTitle, qText, QSystemTrayIcon::Information, timeoutSeconds * 1000);
    else
        notifyDesktop(qTitle, qText, timeoutSeconds);
}

void QtNotices::showReminder(const ReminderNotice& notice, int timeoutSeconds) {
    if (actions_ == Actions::Unknown) askCapabilities();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (actions_ != Actions::Yes || !bus.isConnected()) {
        showBalloon(notice.title, notice.text, timeoutSeconds);
        return;
    }
    // Actions come in pairs of key and label.
    QStringList actions;
    for (const ReminderNotice::Snooze& snooze : notice.snoozes)
        actions << snoozeKeyPrefix + QString::number(snooze.minutes) << QString::fromStdString(snooze.label);
    actions << dismissKey << QString::fromStdString(notice.dismissLabel);
    const QDBusPendingCall call = bus.asyncCall(
        notifyCall(QString::fromStdString(notice.title), QString::fromStdString(notice.text), actions, timeoutSeconds));
    auto* watcher = new QDBusPendingCallWatcher(call, this);
    const std::int64_t taskRow = notice.taskRow;
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, taskRow, notice, timeoutSeconds](QDBusPendingCallWatcher* finished) {
                const QDBusPendingReply<uint> reply = *finished;
                finished->deleteLater();
                if (!reply.isError()) {
                    shown_[reply.value()] = taskRow;
                    return;
                }
                // The service went away: the reminder is shown as a balloon all the same.
                actions_ = Actions::Unknown;
                showBalloon(notice.title, notice.text, timeoutSeconds);
            });
}

void QtNotices::actionInvoked(uint id, const QString& key) {
    const auto reminder = shown_.find(id);
    if (reminder == shown_.end() || !key.startsWith(snoozeKeyPrefix)) return;
    bool number = false;
    const int minutes = key.mid(snoozeKeyPrefix.size()).toInt(&number);
    const std::int64_t taskRow = reminder->second;
    shown_.erase(reminder);
    if (number && minutes > 0 && snoozeHandler_) snoozeHandler_(taskRow, minutes);
}

void QtNotices::notificationClosed(uint id, uint) { shown_.erase(id); }

}  // namespace torvalet::ui
