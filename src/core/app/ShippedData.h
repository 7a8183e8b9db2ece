#pragma once

#include <filesystem>

#include "model/AppFolder.h"

namespace torvalet {

// The folder of data files an installed program ships beside itself (<prefix>/share/torvalet, found
// from the running executable's own path, so any install prefix works); empty when there is none, as
// for a portable copy or a program run from its build folder.
std::filesystem::path shippedDataFolder();

// Copies the files of the shipped folders "Lang" and "Sounds" that the application folder lacks;
// never replaces a file that exists. An empty `shipped` copies nothing. Throws FileError.
void copyShippedData(const std::filesystem::path& shipped, const AppPaths& paths);

}  // namespace torvalet
