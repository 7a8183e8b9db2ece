#pragma once

#include "base/Date.h"

namespace torvalet {

// The wall clock in local time. Read once per operation: tests and the companion set it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
};

}  // namespace torvalet
