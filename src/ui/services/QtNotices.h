#pragma once

#include "platform/Notices.h"

class QSystemTrayIcon;

namespace torvalet::ui {

// Balloons at the tray icon, with the information icon. Where the desktop has no notification
// area, the desktop's notification service shows them instead; without either they are not shown.
class QtNotices : public Notices {
public:
    void setTrayIcon(QSystemTrayIcon* icon) { icon_ = icon; }
    void showBalloon(const std::string& title, const std::string& text, int timeoutSeconds) override;

private:
    QSystemTrayIcon* icon_ = nullptr;
};

}  // namespace torvalet::ui
