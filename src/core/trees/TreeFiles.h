#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "trees/RecordFamily.h"

namespace torvalet {

// A tree that is kept in a file of the application folder.
struct TreeFile {
    std::string_view treeName;  // "GoalTree", ...
    std::string_view fileName;  // "goals.dat", ...
    RecordFamily family;
    bool readOnlyWhenPresent;  // a missing file is no error: the tree keeps its empty item
};

// Every tree file, in the order they are saved at close (goals 1 to 5, the six link trees,
// contacts, calendar, phrases). Start-up reads "images.goto" before "links.goto".
std::span<const TreeFile> treeFiles();

// The file entry of a tree; nothing for a tree without a file (the two letter-tag trees).
std::optional<TreeFile> treeFileOf(std::string_view treeName);

// The record family of a tree file judged by its name alone, folders ignored: "goals*.dat"
// goals, "*.goto" links, "*.co" contacts, "*.clnd" events, "*.phr" phrases; nothing otherwise.
std::optional<RecordFamily> recordFamilyOfFile(std::string_view fileName);

}  // namespace torvalet
