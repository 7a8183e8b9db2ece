#pragma once

#include <filesystem>
#include <string>

#include "base/Date.h"

namespace torvalet {
class ItemTree;
}

namespace torvalet::bench {

// Makes a new application folder (every file a first start would make) and fills it with `rows` task rows spread over
// the five years before `today`, with the usual mix of states, types, priorities, times and reminders.
void generateTaskProfile(const std::filesystem::path& home, int rows, Date today);
// The task profile of `rows` rows in the temporary folder "torvalet-bench-NAME-ROWS", made by the
// first run that asks for it and kept for later runs.
std::filesystem::path keptTaskProfile(const std::string& name, int rows, Date today);

// Appends an outline of `nodes` items to the tree: groups of items, about a third of them with
// children of their own, four levels at most, every text and number field filled (a quarter of
// the words Cyrillic), about one item in fifty selected.
void fillOutline(ItemTree& tree, int nodes);

// Writes each tree file of the application folder with an outline of `nodes` items.
void generateTreeFiles(const std::filesystem::path& home, int nodes);

}  // namespace torvalet::bench
