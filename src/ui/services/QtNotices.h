#pragma once

#include "platform/Notices.h"

class QSystemTrayIcon;

namespace torvalet::ui {

// Balloons at the tray icon; without a notification area they are not shown.
class QtNotices : public Notices {
public:
    void setTrayIcon(QSystemTrayIcon* icon) { icon_ = icon; }
    void showBalloon(const std::string& title, const std::string& text, int timeoutSeconds) override;

private:
    QSystemTrayIcon* icon_ = nullptr;
};

}  // namespace torvalet::ui
