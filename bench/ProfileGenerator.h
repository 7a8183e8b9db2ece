#pragma once

#include <filesystem>

#include "base/Date.h"

namespace torvalet::bench {

// Fills a new application folder with `rows` task rows spread over the five years before
// `today`, with the usual mix of states, types, priorities, times and reminders.
void generateTaskProfile(const std::filesystem::path& home, int rows, Date today);

}  // namespace torvalet::bench
