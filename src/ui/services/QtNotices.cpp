#include "ui/services/QtNotices.h"

#include <QSystemTrayIcon>

namespace torvalet::ui {

void QtNotices::showBalloon(const std::string& title, const std::string& text, int timeoutSeconds) {
    if (!icon_ || !QSystemTrayIcon::isSystemTrayAvailable()) return;
    icon_->showMessage(QString::fromStdString(title), QString::fromStdString(text), QSystemTrayIcon::Information,
                       timeoutSeconds * 1000);
}

}  // namespace torvalet::ui
