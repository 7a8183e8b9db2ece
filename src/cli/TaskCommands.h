#pragma once

#include <filesystem>
#include <iosfwd>
#include <map>
#include <string>

namespace torvalet {
struct Services;
}

namespace torvalet::cli {

// tasks: the task list as the window would list it, printed row by row as the statement yields
// the rows, in constant memory. Text output has one line per row and the sixteen columns
// separated by tabs, with "\t", "\n", "\r" and "\\" standing for a tab, line feed, carriage
// return and backslash inside a value; JSON output is an array of objects keyed by column name.
int tasksCommand(const Services& services, const std::filesystem::path& home, bool json, std::ostream& out);

// add TEXT: one task inserted and saved as "Insert" would; `options` holds --date, --time,
// --type, --state and --prio as given. Prints the stored row; a text cut to its column is said
// on `err`.
int addCommand(const Services& services, const std::filesystem::path& home, const std::string& text,
               const std::map<std::string, std::string>& options, std::ostream& out, std::ostream& err);

// Throws UsageError when `add` cannot be run with these arguments, before anything is opened.
void checkAddArguments(const std::string& text, const std::map<std::string, std::string>& options);

}  // namespace torvalet::cli
