#pragma once

#include <optional>
#include <string_view>

#include "trees/RecordFamily.h"

namespace torvalet {

// The record family of a tree file judged by its name alone, folders ignored: "goals*.dat"
// goals, "*.goto" links, "*.co" contacts, "*.clnd" events, "*.phr" phrases; nothing otherwise.
std::optional<RecordFamily> recordFamilyOfFile(std::string_view fileName);

}  // namespace torvalet
