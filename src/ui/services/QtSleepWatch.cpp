#include "ui/services/QtSleepWatch.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace torvalet::ui {

namespace {

const QString service = QStringLiteral("org.freedesktop.login1");
const QString path = QStringLiteral("/org/freedesktop/login1");
const QString manager = QStringLiteral("org.freedesktop.login1.Manager");

}  // namespace

QtSleepWatch::QtSleepWatch() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) return;
    bus.connect(service, path, manager, QStringLiteral("PrepareForSleep"), this, SLOT(prepareForSleep(bool)));
    takeDelayLock();
}

void QtSleepWatch::takeDelayLock() {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected() || asking_ || lock_.isValid()) return;
    asking_ = true;
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, manager, QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep") << QStringLiteral("Torvalet")
         << QStringLiteral("The reminder clock keeps its last minute before the sleep") << QStringLiteral("delay");
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *finished;
        finished->deleteLater();
        asking_ = false;
        // Without the lock the sleep may come before the handler's work is done; the clock's
        // catch-up after it covers that.
        if (!reply.isError()) lock_ = reply.value();
    });
}

void QtSleepWatch::prepareForSleep(bool sleeping) {
    if (handler_) handler_(sleeping);
    if (sleeping)
        lock_ = QDBusUnixFileDescriptor();
    else
        takeDelayLock();
}

}  // namespace torvalet::ui
