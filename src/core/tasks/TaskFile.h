#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace torvalet {

// The five fields of a task that a task file carries; keys as the row holds them ("         4").
struct TaskFileEntry {
    std::string task, time, stateKey, typeKey, priorityKey;

    friend bool operator==(const TaskFileEntry&, const TaskFileEntry&) = default;
};

// The task file: "[Head]" with "Num=", then "[Task1]" ... with Task, Time and the three keys
// trimmed, each section followed by a separator line; CR LF line ends. Texts in and out are the
// program's own; the caller converts the bytes at the file's edge.
namespace taskFile {

std::string write(const std::vector<TaskFileEntry>& entries);
// The sections a file gives, in their order. Without "[Head]" (or "Num" below 2) only "Task1";
// a section that is missing is skipped, except a missing "Task1" of a one-task file, which gives
// an empty entry. Keys are right-aligned in ten characters again.
std::vector<TaskFileEntry> read(std::string_view text);
// The key a file's value stands for: right-aligned in ten characters, longer values whole,
// empty for an empty value.
std::string keyOf(std::string_view value);

}  // namespace taskFile

}  // namespace torvalet
