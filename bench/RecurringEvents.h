#pragma once

#include <filesystem>

namespace torvalet::bench {

// `count` recurring events of every kind, written twice: as the calendar tree file of the
// application folder `home` (provisioned first) and as a reminder file for remind(1) with the
// same days, times and texts. Each kind is written the way remind says it:
//   Daily/Weekly on one weekday   REM Tue AT 10:00 MSG ...
//   Monthly on day d              REM d +3 AT ...        (three days of warning)
//   Yearly on day d of month m    REM Mar d +3 AT ...
//   Once                          REM d Mar 2026 +3 AT ...
//   Last day of the month         REM 1 -1 AT ...
//   First day of the month        REM 1 AT ...
void writeRecurringEvents(const std::filesystem::path& home, const std::filesystem::path& remindFile, int count);

}  // namespace torvalet::bench
