#pragma once

#include <functional>

#include "model/AppFolder.h"

namespace torvalet {

// Gives the application folder what it lacks: the folders "Data" (with a new store when the folder is
// new or empty), "Lang", "Sounds" (with the program's cue files), "Logs" and "Tasks". Never replaces a
// file that exists. A new folder (one whose "Data" was missing or empty) also gets its tree files from
// `provisionTrees`. A step that fails does not stop the others; then throws FileError or StoreError
// (after several failures, one FileError with a line for each).
void provisionApplicationFolder(const AppPaths& paths, const std::function<void()>& provisionTrees);

}  // namespace torvalet
