#pragma once

#include <string>

namespace torvalet {

// The tray icon's balloon.
class Notices {
public:
    virtual ~Notices() = default;
    virtual void showBalloon(const std::string& title, const std::string& text, int timeoutSeconds) = 0;
};

}  // namespace torvalet
