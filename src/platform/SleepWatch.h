#pragma once

#include <functional>

namespace torvalet {

// The desktop's word that the computer is about to sleep, and that it woke up again.
class SleepWatch {
public:
    // Called with true just before the sleep, with false after it.
    using Handler = std::function<void(bool sleeping)>;

    virtual ~SleepWatch() = default;
    // None (an empty handler) stops the calls.
    virtual void setHandler(Handler handler) = 0;
};

}  // namespace torvalet
