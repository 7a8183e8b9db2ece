#pragma once

#include <optional>

#include "platform/Clock.h"

namespace torvalet {

// The machine's wall clock in local time, or a fixed moment when one is given.
class SystemClock : public Clock {
public:
    SystemClock() = default;
    explicit SystemClock(std::optional<DateTime> fixed) : fixed_(fixed) {}
    DateTime now() const override;

private:
    std::optional<DateTime> fixed_;
};

}  // namespace torvalet
