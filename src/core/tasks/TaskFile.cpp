#include "tasks/TaskFile.h"

#include <algorithm>
#include <set>

#include "base/ProfileFile.h"
#include "base/Text.h"

namespace torvalet::taskFile {

namespace {

// A separator line: a lone carriage return as its text, then the line end.
const char* const separator = "\r\r\n";

void line(std::string& out, std::string_view text) {
    out.append(text);
    out += "\r\n";
}

// The numbers i (1 <= i <= n) of the sections "Task" + i that the file has, in order. Only the
// sections that are there are looked at, so that a head claiming billions of tasks costs nothing.
std::vector<int> presentSections(const ProfileFile& file, std::string_view text, int n) {
    std::set<int> numbers;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string header = trimmed(text.substr(start, end - start));
        start = end + 1;
        if (header.size() < 7 || header.front() != '[' || header.back() != ']') continue;
        const std::string name = header.substr(1, header.size() - 2);
        if (!equalsIgnoreCase(name.substr(0, 4), "task")) continue;
        const std::string digits = name.substr(4);
        if (digits.empty() || digits.size() > 10 || digits.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const long long i = std::stoll(digits);
        if (i >= 1 && i <= n && "Task" + std::to_string(i) == "Task" + digits && file.hasSection(name))
            numbers.insert(static_cast<int>(i));
    }
    return {numbers.begin(), numbers.end()};
}

TaskFileEntry entryOf(const ProfileFile& file, const std::string& section) {
    const auto get = [&](const char* key) { return file.readString(section, key, ""); };
    return {get("task"), get("time"), keyOf(get("statekey")), keyOf(get("typekey")), keyOf(get("prior_key"))};
}

}  // namespace

std::string keyOf(std::string_view value) {
    std::string key(value);
    if (!key.empty() && key.size() < 10) key.insert(0, 10 - key.size(), ' ');
    return key;
}

std::string write(const std::vector<TaskFileEntry>& entries) {
    std::string out;
    line(out, "[Head]");
    line(out, "Num=" + std::to_string(entries.size()));
    out += separator;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const TaskFileEntry& entry = entries[i];
        line(out, "[Task" + std::to_string(i + 1) + "]");
        line(out, "Task=" + entry.task);
        line(out, "Time=" + entry.time);
        line(out, "Statekey=" + trimmed(entry.stateKey));
        line(out, "Typekey=" + trimmed(entry.typeKey));
        line(out, "Prior_key=" + trimmed(entry.priorityKey));
        out += separator;
    }
    return out;
}

std::vector<TaskFileEntry> read(std::string_view text) {
    const ProfileFile file = ProfileFile::parse(text);
    const int n = file.readInteger("Head", "Num", 1);
    if (n < 2) return {entryOf(file, "Task1")};
    std::vector<TaskFileEntry> entries;
    for (int i : presentSections(file, text, n)) entries.push_back(entryOf(file, "Task" + std::to_string(i)));
    return entries;
}

}  // namespace torvalet::taskFile
