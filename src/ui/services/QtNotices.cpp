#include "ui/services/QtNotices.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QSystemTrayIcon>
#include <QVariantMap>

namespace torvalet::ui {

namespace {

// A notification through the freedesktop notification service, sent without waiting for it.
void notifyDesktop(const QString& title, const QString& text, int timeoutSeconds) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    call << QStringLiteral("Torvalet") << 0u << QStringLiteral("dialog-information") << title << text << QStringList()
         << QVariantMap() << timeoutSeconds * 1000;
    bus.call(call, QDBus::NoBlock);
}

}  // namespace

void QtNotices::showBalloon(const std::string& title, const std::string& text, int timeoutSeconds) {
    const QString qTitle = QString::fromStdString(title), qText = QString::fromStdString(text);
    if (icon_ && icon_->isVisible() && QSystemTrayIcon::isSystemTrayAvailable())
        icon_->showMessage(qTitle, qText, QSystemTrayIcon::Information, timeoutSeconds * 1000);
    else
        notifyDesktop(qTitle, qText, timeoutSeconds);
}

}  // namespace torvalet::ui
