#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

#include "base/Date.h"

namespace torvalet::cli {

struct HeadlessServices;

// `tick`: the start-up sequence, one tick of the reminder clock, the close sequence. Every
// notice of the run is printed as its message pad or balloon line, and then, when the tick
// caught up on any or `since` is given, how many reminders rang late and how many were too late
// to ring. With `since`, the tick catches up from that minute instead of the clock's last tick.
int tickCommand(HeadlessServices& headless, const std::filesystem::path& home, std::ostream& out,
                const std::optional<DateTime>& since = std::nullopt);

// `analyze calendar` and `analyze contacts`: the hidden analysis commands over the tree's file,
// their tasks stored. The contact analysis's lines are printed and put on top of the message pad.
int analyzeCommand(HeadlessServices& headless, const std::string& what, const std::filesystem::path& home,
                   std::ostream& out, std::ostream& err);

}  // namespace torvalet::cli
