#pragma once

#include <string>

#include "platform/Clock.h"
#include "platform/Locale.h"

namespace torvalet {

// The current minute as "HH:MM" (24-hour clock, two digits each, the locale's time separator):
// the form every task time is stored and compared in.
inline std::string getTime(const Clock& clock, const Locale& locale) {
    return timeText(clock.now(), locale.timeSeparator());
}

}  // namespace torvalet
